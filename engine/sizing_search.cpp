#include "engine/sizing_search.h"

#include "engine/analysis_checks.h"
#include "engine/load_table.h"
#include "engine/waiting_time.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trevalo::engine {

namespace {

// How many of the closest configurations a search that meets nothing lists.
constexpr std::size_t kClosestShown = 5;

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
    // Office buildings have no car below 750 kg, as their load table shows.
    const int firstRow = checked.installation.buildingType == BuildingType::Residential ? 0 : 1;
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

std::optional<SizingTargets> readSizingEntries(const SizingEntries& entries)
{
    SizingTargets read;
    const auto hc = positiveEntry(entries.hcPercent);
    const auto interval = positiveEntry(entries.interval);
    if (!hc || !interval)
        return std::nullopt;
    read.targets.hcPercent = *hc;
    read.targets.interval = *interval;
    if (!entries.awt.empty()) {
        read.targets.awt = positiveEntry(entries.awt);
        if (!read.targets.awt)
            return std::nullopt;
    }
    const auto cars = toInt16(leadingNumber(entries.maxCars));
    if (!cars || *cars < 1 || *cars > kMostSizingCars)
        return std::nullopt;
    read.maxCars = *cars;
    for (const std::string& text : entries.speeds) {
        const auto speed = positiveEntry(text);
        if (!speed)
            return std::nullopt;
        read.speeds.push_back(*speed);
    }
    if (read.speeds.empty())
        return std::nullopt;
    std::sort(read.speeds.begin(), read.speeds.end());
    read.speeds.erase(std::unique(read.speeds.begin(), read.speeds.end()), read.speeds.end());
    return read;
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
    const auto targets = readSizingEntries(entries);
    if (!targets)
        return Refusal{Notice::InputError, false, {}, {}};
    const auto loads = roundTrips(std::get<CheckedEntries>(checkedEntries), targets->speeds);
    if (!loads)
        return Refusal{Notice::InputError, false, {}, {}};

    SizingOutcome outcome;
    outcome.targets = *targets;
    outcome.evaluated.reserve(static_cast<std::size_t>(targets->maxCars) * loads->size() * targets->speeds.size());
    for (int cars = 1; cars <= targets->maxCars; ++cars) {
        for (const LoadTrips& load : *loads) {
            for (std::size_t s = 0; s < targets->speeds.size(); ++s) {
                // The figures as the single result computes them for this load and number of cars.
                const RoundTrip& trip = load.trips[s];
                SizingCandidate& candidate = outcome.evaluated.emplace_back();
                candidate.cars = cars;
                candidate.load = load.load;
                candidate.persons = load.traffic.persons;
                candidate.speed = targets->speeds[s];
                candidate.roundTripTime = trip.roundTripTime;
                candidate.interval = trip.roundTripTime / cars;
                candidate.groupPercent = cars * trip.handlingPercent;
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
