#include "engine/sizing/sizing_search.h"

#include "engine/analysis/group_size.h"
#include "engine/analysis/load_table.h"
#include "engine/analysis/waiting_time.h"
#include "engine/analysis_checks.h"
#include "engine/display_text.h"
#include "engine/leading_number.h"
#include "engine/standard_tables.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trevalo::engine {

namespace {

// How many of the closest configurations a search that meets nothing lists.
constexpr std::size_t kClosestShown = 5;
constexpr double kLargestLoad = tableRowLoad(kLoadTableRows - 1);

std::optional<double> positiveEntry(const std::string& text)
{
    const double value = leadingNumber(text);
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Each standard rated load with its round trip at each chosen speed, computed once and
// shared by every number of cars.
struct LoadTrips {
    double load = 0;
    TrafficLoad traffic;
    std::vector<RoundTrip> trips;  // by speed
};

std::optional<std::vector<LoadTrips>> roundTrips(const CheckedEntries& checked, const std::vector<double>& speeds)
{
    const int firstRow = firstStandardRow(checked.installation.buildingType);
    const StopBases bases = stopBases(checked.population);
    Installation installation = checked.installation;
    std::vector<LoadTrips> loads;
    loads.reserve(static_cast<std::size_t>(kLoadTableRows - firstRow));
    for (int row = firstRow; row < kLoadTableRows; ++row) {
        LoadTrips& entry = loads.emplace_back();
        entry.load = tableRowLoad(row);
        entry.traffic = trafficLoad(checked.population, entry.load, &bases);
        entry.trips.reserve(speeds.size());
        for (double speed : speeds) {
            installation.ratedSpeed = speed;
            const auto trip = roundTrip(installation, entry.traffic);
            if (!trip)
                return std::nullopt;
            entry.trips.push_back(*trip);
        }
    }
    return loads;
}

bool isShowable(const SizingCandidate& candidate)
{
    return candidate.roundTripTime > 0 && std::isfinite(candidate.roundTripTime) &&
           std::isfinite(candidate.interval) && std::isfinite(candidate.groupPercent);
}

std::vector<SizingCandidate> closest(const std::vector<SizingCandidate>& evaluated, const DesignTargets& targets)
{
    std::vector<double> shortfalls(evaluated.size());
    for (std::size_t i = 0; i < evaluated.size(); ++i)
        shortfalls[i] = worstShortfall(evaluated[i], targets);
    std::vector<std::size_t> order(evaluated.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const std::size_t shown = std::min(kClosestShown, order.size());
    // Equal shortfalls keep the rank order.
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(shown), order.end(),
                      [&shortfalls](std::size_t a, std::size_t b) {
                          return shortfalls[a] < shortfalls[b] || (shortfalls[a] == shortfalls[b] && a < b);
                      });
    std::vector<SizingCandidate> result;
    for (std::size_t i = 0; i < shown; ++i)
        result.push_back(evaluated[order[i]]);
    return result;
}

}  // namespace

std::variant<Refusal, SizingTargets> checkSizingEntries(const SizingEntries& entries)
{
    const auto refuse = [](EntryId entry, std::string reason) {
        return Refusal{Notice::InputError, false, entry, std::move(reason)};
    };
    SizingTargets read;
    const auto hc = positiveEntry(entries.hcPercent);
    if (!hc)
        return refuse(EntryId::SizingHcPercent, "运载能力目标应大于 0");
    const auto interval = positiveEntry(entries.interval);
    if (!interval)
        return refuse(EntryId::SizingInterval, "间隔目标应大于 0");
    read.targets.hcPercent = *hc;
    read.targets.interval = *interval;
    if (!entries.awt.empty()) {
        read.targets.awt = positiveEntry(entries.awt);
        if (!read.targets.awt)
            return refuse(EntryId::SizingAwt, "平均候梯时间目标应大于 0，或留空");
    }
    const auto cars = toInt16(leadingNumber(entries.maxCars));
    if (!cars || *cars < 1 || *cars > kMostSizingCars)
        return refuse(EntryId::SizingMaxCars, "最多台数应为 1 至 16 的整数");
    read.maxCars = *cars;
    for (const std::string& text : entries.speeds) {
        const auto speed = positiveEntry(text);
        if (!speed)
            return refuse(EntryId::SizingSpeeds, "每个试算速度都应大于 0");
        read.speeds.push_back(*speed);
    }
    if (read.speeds.empty())
        return refuse(EntryId::SizingSpeeds, "请至少选择一个试算速度");
    if (!entries.leastCars.empty()) {
        const auto least = toInt16(leadingNumber(entries.leastCars));
        if (!least || *least < 1 || *least > kMostSizingCars)
            return refuse(EntryId::SizingLeastCars, "最少台数应为 1 至 16 的整数，或留空");
        // A least above the most would leave nothing to try.
        if (*least > read.maxCars)
            return refuse(EntryId::SizingLeastCars, "最少台数不能大于最多台数");
        read.leastCars = *least;
    }
    if (!entries.leastLoad.empty()) {
        const double least = leadingNumber(entries.leastLoad);
        if (!(least >= 0 && std::isfinite(least)))
            return refuse(EntryId::SizingLeastLoad, "最小载重不能小于 0，或留空");
        if (least > kLargestLoad)
            return refuse(EntryId::SizingLeastLoad, "最小载重不能大于最大的标准载重 " + figureText(kLargestLoad) + " kg");
        read.leastLoad = least;
    }
    std::sort(read.speeds.begin(), read.speeds.end());
    read.speeds.erase(std::unique(read.speeds.begin(), read.speeds.end()), read.speeds.end());
    return read;
}

std::optional<SizingTargets> readSizingEntries(const SizingEntries& entries)
{
    auto checked = checkSizingEntries(entries);
    if (auto* targets = std::get_if<SizingTargets>(&checked))
        return std::move(*targets);
    return std::nullopt;
}

double worstShortfall(const SizingCandidate& candidate, const DesignTargets& targets)
{
    const TargetCheck& check = candidate.check;
    double worst = std::max(0.0, -check.hcMargin / targets.hcPercent);
    worst = std::max(worst, -check.intervalMargin / targets.interval);
    if (targets.awt)
        worst = std::max(worst, check.awtMargin ? -*check.awtMargin / *targets.awt : 1.0);
    return worst;
}

SizingResult runSizingSearch(const AnalysisInputs& inputs, const SizingEntries& entries)
{
    const auto checkedEntries = checkEntries(inputs, false);
    if (const auto* refusal = std::get_if<Refusal>(&checkedEntries))
        return *refusal;
    const auto checkedTargets = checkSizingEntries(entries);
    if (const auto* refusal = std::get_if<Refusal>(&checkedTargets))
        return *refusal;
    const SizingTargets* targets = &std::get<SizingTargets>(checkedTargets);
    const auto loads = roundTrips(std::get<CheckedEntries>(checkedEntries), targets->speeds);
    if (!loads)
        return runDistanceRefusal();

    SizingOutcome outcome;
    outcome.targets = *targets;
    outcome.minimums = presetMinimums(inputs);
    const double travel = std::get<CheckedEntries>(checkedEntries).installation.travel;
    std::vector<bool> fastEnough;
    for (double speed : targets->speeds) {
        fastEnough.push_back(runsWithinFireLiftTime(outcome.minimums, speed, travel));
        if (!fastEnough.back())
            outcome.tooSlowSpeeds.push_back(speed);
    }
    // With no speed left there is nothing to try: the entry to change is the speeds.
    if (outcome.tooSlowSpeeds.size() == targets->speeds.size())
        return Refusal{Notice::InputError, false, EntryId::SizingSpeeds,
                       "所选速度均不能满足消防电梯首层至顶层运行时间不大于 " +
                           figureText(*outcome.minimums.fireLiftRunTime) + " 秒的要求，请选择更高的速度"};
    outcome.evaluated.reserve(static_cast<std::size_t>(targets->maxCars) * loads->size() * targets->speeds.size());
    for (int cars = targets->leastCars.value_or(1); cars <= targets->maxCars; ++cars) {
        for (const LoadTrips& load : *loads) {
            if (targets->leastLoad && load.load < *targets->leastLoad)
                continue;
            for (std::size_t s = 0; s < targets->speeds.size(); ++s) {
                if (!fastEnough[s])
                    continue;
                // The figures as the single result computes them for this load and number of cars.
                const RoundTrip& trip = load.trips[s];
                SizingCandidate& candidate = outcome.evaluated.emplace_back();
                candidate.cars = cars;
                candidate.load = load.load;
                candidate.persons = load.traffic.persons;
                candidate.speed = targets->speeds[s];
                const CaseResult group =
                    groupFigures(trip.roundTripTime, trip.handlingCapacity, trip.handlingPercent, cars);
                candidate.roundTripTime = group.roundTripTime;
                candidate.interval = group.interval;
                candidate.groupPercent = group.groupPercent;
                if (!isShowable(candidate))
                    return Refusal{Notice::InputError, false, {}, {}};
                candidate.awt = averageWaitingTime(load.traffic.upPassengers, load.traffic.persons, candidate.interval);
                candidate.check = checkTargets(targets->targets, candidate.groupPercent, candidate.interval, candidate.awt);
                if (candidate.check.allMet())
                    outcome.listed.push_back(candidate);
            }
        }
    }
    outcome.met = !outcome.listed.empty();
    if (!outcome.met) {
        outcome.listed = closest(outcome.evaluated, targets->targets);
        return outcome;
    }
    const SizingCandidate& first = outcome.listed.front();
    if (first.cars > 1) {
        const auto fewer = std::find_if(outcome.evaluated.begin(), outcome.evaluated.end(),
                                        [&first](const SizingCandidate& c) {
                                            return c.cars == first.cars - 1 && c.load == first.load &&
                                                   c.speed == first.speed;
                                        });
        if (fewer != outcome.evaluated.end())
            outcome.oneCarFewer = *fewer;
    }
    return outcome;
}

}  // namespace trevalo::engine
