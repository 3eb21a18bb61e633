#include "engine/simulation/simulation_traffic.h"

#include "engine/analysis_inputs.h"
#include "engine/display_text.h"
#include "engine/leading_number.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trevalo::engine {

namespace {

// BCO 2014 for offices (the lunchtime and the mixed up-peak), CIBSE Guide D for housing and
// hotels (two-way traffic).
constexpr std::array<TrafficTemplate, 5> kTemplates{{
    {"upPeak", "上行高峰", 100, 0, 0, std::nullopt, true, std::nullopt, ""},
    {"upPeakMixed", "上行高峰（含离开与层间）", 85, 10, 5, 12.0, false, std::nullopt, "BCO 2014"},
    {"lunch", "午间", 45, 45, 10, 13.0, false, 40.0, "BCO 2014"},
    {"twoWay", "双向", 50, 50, 0, std::nullopt, false, std::nullopt, "CIBSE Guide D（住宅、酒店）"},
    {"downPeak", "下行高峰", 0, 100, 0, std::nullopt, false, std::nullopt, "—"},
}};

Refusal refuse(EntryId entry, std::string reason)
{
    return Refusal{Notice::InputError, false, entry, std::move(reason)};
}

// A share entry: its default when empty, nothing when it is no number from 0 to 100.
std::optional<double> share(const std::string& text, double fallback)
{
    if (text.empty())
        return fallback;
    if (!hasLeadingNumber(text))
        return std::nullopt;
    const double value = leadingNumber(text);
    return value >= 0 && value <= 100 ? std::optional(value) : std::nullopt;
}

}  // namespace

std::span<const TrafficTemplate> trafficTemplates() { return kTemplates; }

const TrafficTemplate* trafficTemplate(std::string_view name)
{
    const auto found = std::find_if(kTemplates.begin(), kTemplates.end(),
                                    [&](const TrafficTemplate& t) { return t.name == name; });
    return found == kTemplates.end() ? nullptr : &*found;
}

double defaultLoadingLimit(const AnalysisInputs& inputs)
{
    const std::string& up = inputs.elevator.upPercent;
    if (hasLeadingNumber(up)) {
        const double value = leadingNumber(up);
        if (value > 0 && value <= 100)
            return value;
    }
    return 80;
}

std::optional<Refusal> readTrafficEntries(const SimulationEntries& entries, SimulationSetup& setup)
{
    const auto incoming = share(entries.incomingPercent, 100);
    if (!incoming)
        return refuse(EntryId::IncomingPercent, "进入客流比例应在 0% 至 100% 之间");
    const auto outgoing = share(entries.outgoingPercent, 0);
    if (!outgoing)
        return refuse(EntryId::OutgoingPercent, "离开客流比例应在 0% 至 100% 之间");
    const auto interfloor = share(entries.interfloorPercent, 0);
    if (!interfloor)
        return refuse(EntryId::InterfloorPercent, "层间客流比例应在 0% 至 100% 之间");
    if (!(std::abs(*incoming + *outgoing + *interfloor - 100) <= 1e-6))
        return refuse(EntryId::IncomingPercent, "进入、离开与层间三项之和应为 100");
    if (*interfloor > 0) {
        const std::size_t peopled =
            setup.floorWeights.empty()
                ? setup.levels.size()
                : static_cast<std::size_t>(std::count_if(setup.floorWeights.begin(), setup.floorWeights.end(),
                                                         [](double w) { return w > 0; }));
        if (peopled < 2)
            return refuse(EntryId::InterfloorPercent, "层间客流需要至少两个有人的服务层");
    }
    setup.incomingPercent = *incoming;
    setup.outgoingPercent = *outgoing;
    setup.interfloorPercent = *interfloor;

    if (!entries.traffic.empty() && entries.traffic != kCustomTraffic && !trafficTemplate(entries.traffic))
        return refuse(EntryId::Traffic, "交通模式应为 upPeak、upPeakMixed、lunch、twoWay、downPeak 或 custom");
    if (!entries.awtTarget.empty()) {
        const bool number = hasLeadingNumber(entries.awtTarget);
        const double value = number ? leadingNumber(entries.awtTarget) : 0;
        if (!(value > 0 && std::isfinite(value)))
            return refuse(EntryId::AwtTarget, "平均候梯时间目标应大于 0 秒");
        setup.awtTarget = value;
    }
    return std::nullopt;
}

double upPeakCapacityPercent(const SingleResult& calculation)
{
    const double upCarried =
        300 * calculation.steps.upPassengers * calculation.figures.cars / calculation.figures.roundTripTime;
    return upCarried * 100 / calculation.steps.population;
}

std::optional<std::string> overloadNote(const SimulationSetup& setup, const SingleResult& calculation)
{
    if (setup.hasPassengerList())
        return std::nullopt;
    const double demand = setup.demandPercent * setup.incomingPercent / 100;
    const double capacity = upPeakCapacityPercent(calculation);
    if (!(demand > capacity))
        return std::nullopt;
    return "客流需求 " + fixedText(demand, 1, Ties::ToEven) + " % 超过运载能力 " + fixedText(capacity, 1, Ties::ToEven) +
           " %：候梯队列持续增长，结果不代表稳定运行";
}

}  // namespace trevalo::engine
