#include "engine/sizing/sizing_minimums.h"

#include "engine/analysis/run_model.h"
#include "engine/leading_number.h"
#include "engine/standard_tables.h"

namespace trevalo::engine {

namespace {

// Residential buildings of this many storeys need two lifts, one for a stretcher.
constexpr double kTwoLiftStoreys = 12;
// Fire lifts: the heights above which they are needed, their least rated load and run time.
constexpr double kResidentialFireLiftTravel = 33;
constexpr double kOfficeFireLiftTravel = 32;
constexpr double kFireLiftLoad = 800;
constexpr double kFireLiftRunTime = 60;

}  // namespace

SizingMinimums presetMinimums(BuildingType type, double floorsServed, double travel)
{
    SizingMinimums minimums;
    if (type == BuildingType::Residential && floorsServed + 1 >= kTwoLiftStoreys) {
        minimums.cars = 2;
        minimums.carsSource = "GB 50096-2011 第6.4.2条：十二层及以上的住宅不少于两台电梯，其中一台可容纳担架";
    }
    const double threshold = isOfficeType(type) ? kOfficeFireLiftTravel : kResidentialFireLiftTravel;
    if (travel > threshold) {
        minimums.load = kFireLiftLoad;
        minimums.loadSource = "GB 50016-2014 第7.3.1、7.3.8条：需设消防电梯，载重不小于800kg";
        minimums.fireLiftRunTime = kFireLiftRunTime;
        minimums.runTimeSource = "GB 50016-2014 第7.3.8条：消防电梯从首层至顶层的运行时间不宜大于60s";
    }
    return minimums;
}

SizingMinimums presetMinimums(const AnalysisInputs& inputs)
{
    if (!inputs.project.buildingType)
        return {};
    return presetMinimums(*inputs.project.buildingType, leadingNumber(inputs.project.floorsServed),
                          leadingNumber(inputs.elevator.travel));
}

SizingEntries presetSizingEntries(const AnalysisInputs& inputs)
{
    const SizingMinimums minimums = presetMinimums(inputs);
    // Without a building type the checks refuse the search before any entry is read.
    return presetSizingEntries(inputs.project.buildingType.value_or(BuildingType::Residential),
                               inputs.elevator.ratedSpeed, minimums.cars, minimums.load);
}

bool runsWithinFireLiftTime(const SizingMinimums& minimums, double ratedSpeed, double travel)
{
    if (!minimums.fireLiftRunTime)
        return true;
    const auto run = runDuration(ratedSpeed, travel);
    return run && *run <= *minimums.fireLiftRunTime;
}

SizingSources sizingSources(BuildingType type, const SizingEntries& entries, const SizingMinimums& minimums)
{
    const DesignTargets typed{leadingNumber(entries.hcPercent), leadingNumber(entries.interval), std::nullopt};
    TargetSources targets = targetSources(type, typed);
    const auto entered = [](const std::string& text) {
        return text.empty() ? std::nullopt : std::optional<double>(leadingNumber(text));
    };
    const auto source = [](std::optional<double> value, std::optional<double> preset, const std::string& presetSource) {
        return value == preset ? presetSource : std::string("用户设定");
    };
    const std::optional<double> presetCars = minimums.cars ? std::optional<double>(*minimums.cars) : std::nullopt;
    return {std::move(targets.hcPercent), std::move(targets.interval),
            source(entered(entries.leastCars), presetCars, minimums.carsSource),
            source(entered(entries.leastLoad), minimums.load, minimums.loadSource)};
}

}  // namespace trevalo::engine
