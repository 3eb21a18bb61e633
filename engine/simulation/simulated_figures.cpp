#include "engine/simulation/simulated_figures.h"

#include "engine/analysis/single_result.h"
#include "engine/simulation/simulation_types.h"

#include <array>

namespace trevalo::engine {

namespace {

std::optional<double> calculatedAwt(const SingleResult& r) { return r.awt; }
std::optional<double> calculatedInterval(const SingleResult& r) { return r.figures.interval; }
std::optional<double> calculatedRtt(const SingleResult& r) { return r.figures.roundTripTime; }
// The simulation carries up from the main floor, so its handling capacity is set beside the
// calculation's up passengers alone, 300 P_up L / RTT, not its up and down passengers.
std::optional<double> calculatedHc(const SingleResult& r)
{
    if (!(r.figures.roundTripTime > 0))
        return std::nullopt;
    return 300 * r.steps.upPassengers * r.figures.cars / r.figures.roundTripTime;
}
std::optional<double> calculatedHcPercent(const SingleResult& r)
{
    const auto carried = calculatedHc(r);
    if (!carried || !(r.steps.population > 0))
        return std::nullopt;
    return *carried * 100 / r.steps.population;
}

using S = SimulationSummary;
using R = ReplicationFigures;

// Times to a tenth of a second and counts of persons to a tenth; the average load and the
// handling capacity's share to a hundredth, as their differences between designs are small.
const std::array kFigures{
    SimulatedFigure{"awt", "平均候梯时间 AWT", "AWT", "秒", 1, &S::awt, &R::awt, calculatedAwt},
    SimulatedFigure{"awtHalfWidth", "AWT 95% 置信区间半宽", "", "秒", 1, &S::awtHalfWidth, nullptr, nullptr, FigureRole::HalfWidth},
    SimulatedFigure{"p50", "候梯时间中位数 P50", "P50", "秒", 1, &S::p50, &R::p50, nullptr},
    SimulatedFigure{"p90", "候梯时间 P90", "P90", "秒", 1, &S::p90, &R::p90, nullptr},
    SimulatedFigure{"p95", "候梯时间 P95", "P95", "秒", 1, &S::p95, &R::p95, nullptr},
    SimulatedFigure{"maxWait", "最长候梯时间", "最长候梯", "秒", 1, &S::maxWait, &R::maxWait, nullptr},
    SimulatedFigure{"attd", "平均到达目的层时间 ATTD", "ATTD", "秒", 1, &S::attd, &R::attd, nullptr},
    SimulatedFigure{"averageLoad", "平均载客", "平均载客", "人", 2, &S::averageLoad, &R::averageLoad, nullptr},
    SimulatedFigure{"interval", "平均发车间隔 HS", "间隔", "秒", 1, &S::interval, &R::interval, calculatedInterval},
    SimulatedFigure{"rtt", "平均往返时间 RTT", "RTT", "秒", 1, &S::rtt, &R::rtt, calculatedRtt},
    SimulatedFigure{"handlingCapacity", "5分钟内上行运载人数 HC", "HC", "人", 1, &S::handlingCapacity, &R::handlingCapacity, calculatedHc},
    SimulatedFigure{"hcPercent", "5分钟内上行运载百分比 HC", "HC (%)", "%", 2, &S::hcPercent, &R::hcPercent, calculatedHcPercent},
    SimulatedFigure{"maxQueue", "最长排队", "最长排队", "人", 1, &S::maxQueue, &R::maxQueue, nullptr},
    SimulatedFigure{"worstAwt", "最不利5分钟平均候梯时间", "最不利AWT", "秒", 1, &S::worstAwt, &R::worstAwt, nullptr},
    SimulatedFigure{"worstAwtHalfWidth", "最不利5分钟 AWT 半宽", "", "秒", 1, &S::worstAwtHalfWidth, nullptr, nullptr, FigureRole::HalfWidth},
    SimulatedFigure{"worstAttd", "最不利5分钟 ATTD", "最不利ATTD", "秒", 1, &S::worstAttd, &R::worstAttd, nullptr},
    SimulatedFigure{"passengers", "统计乘客", "乘客", "人", 0, nullptr, nullptr, nullptr, FigureRole::Count},
};

}  // namespace

std::span<const SimulatedFigure> simulatedFigures() { return kFigures; }

std::string figureCaption(const SimulatedFigure& figure)
{
    return std::string(figure.caption) + " (" + figure.unit + ")";
}

std::optional<double> simulatedValue(const SimulatedFigure& figure, const SimulationSummary& summary)
{
    if (figure.role == FigureRole::Count)
        return static_cast<double>(summary.passengers);
    return summary.*figure.simulated;
}

std::optional<double> replicationValue(const SimulatedFigure& figure, const ReplicationFigures& replication)
{
    if (figure.role == FigureRole::Count)
        return static_cast<double>(replication.passengers);
    if (figure.perReplication == nullptr)
        return std::nullopt;
    return replication.*figure.perReplication;
}

std::optional<double> calculatedValue(const SimulatedFigure& figure, const SingleResult& result)
{
    return figure.calculated != nullptr ? figure.calculated(result) : std::nullopt;
}

}  // namespace trevalo::engine
