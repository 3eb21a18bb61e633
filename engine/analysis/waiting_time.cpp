#include "engine/analysis/waiting_time.h"

namespace trevalo::engine {

std::optional<double> averageWaitingTime(double upPassengers, double ratedPersons, double interval)
{
    if (!(ratedPersons > 0))
        return std::nullopt;
    // The car's load factor on leaving the main floor.
    const double loadFactor = upPassengers / ratedPersons;
    // The load factor is the up share computed back from passengers and persons: 80 % of
    // 12 persons comes back as 0.8000000000000002, so each limit is met within a rounding.
    constexpr double kRounding = 1e-9;
    if (loadFactor < 0.5 - kRounding)
        return 0.4 * interval;
    if (loadFactor <= 0.8 + kRounding) {
        const double excess = 1.8 * loadFactor - 0.77;
        return (0.4 + excess * excess) * interval;
    }
    return std::nullopt;
}

IntervalGrade intervalGrade(double interval)
{
    if (interval <= 20)
        return IntervalGrade::Excellent;
    if (interval <= 25)
        return IntervalGrade::Good;
    if (interval <= 30)
        return IntervalGrade::Satisfactory;
    if (interval < 50)
        return IntervalGrade::Poor;
    return IntervalGrade::Unsatisfactory;
}

std::string intervalGradeText(IntervalGrade grade)
{
    switch (grade) {
    case IntervalGrade::Excellent: return "优";
    case IntervalGrade::Good: return "良";
    case IntervalGrade::Satisfactory: return "满意";
    case IntervalGrade::Poor: return "差";
    case IntervalGrade::Unsatisfactory: return "不满意";
    }
    return "";
}

}  // namespace trevalo::engine
