#include "engine/simulation/simulation_statistics.h"

#include "engine/simulation/student_t.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trevalo::engine {

namespace {

// The counting window: passengers arriving and doors closing within it are counted.
struct Window {
    double from = -std::numeric_limits<double>::infinity();
    double until = std::numeric_limits<double>::infinity();
    bool holds(double time) const { return time >= from && time < until; }
};

Window windowOf(const SimulationSetup& setup)
{
    if (setup.hasPassengerList())
        return {};
    return {setup.warmUp, setup.duration};
}

// The nearest-rank percentiles, the ceil(q n)-th smallest, and the largest; reorders values.
void setWaitRanks(std::vector<double>& values, ReplicationFigures& figures)
{
    const std::size_t n = values.size();
    if (n == 0)
        return;
    std::optional<double>* targets[] = {&figures.p50, &figures.p90, &figures.p95};
    const std::size_t percents[] = {50, 90, 95};
    auto from = values.begin();
    for (std::size_t i = 0; i < 3; ++i) {
        // Whole-number arithmetic: 0.9 * n in floating point can land just above an integer.
        const std::size_t rank = (n * percents[i] + 99) / 100;
        const auto nth = values.begin() + static_cast<std::ptrdiff_t>(rank - 1);
        std::nth_element(from, nth, values.end());
        *targets[i] = *nth;
        from = nth;  // the higher ranks lie at or beyond it
    }
    figures.maxWait = *std::max_element(from, values.end());
}

// The longest queue of passengers who have arrived at the main floor and not begun to board,
// within the window: the arrivals there so far less the boardings there begun so far.
double longestQueue(const std::vector<Passage>& passages, const Window& window)
{
    std::vector<double> arrivals;
    std::vector<double> boardings;
    for (const Passage& passage : passages) {
        if (passage.origin == 0) {
            arrivals.push_back(passage.arrival);
            boardings.push_back(passage.boardingStart);
        }
    }
    // The loading car takes the main floor's passengers in arrival order; a car stopping there
    // may take some out of turn.
    if (!std::is_sorted(boardings.begin(), boardings.end()))
        std::sort(boardings.begin(), boardings.end());
    const std::size_t n = arrivals.size();
    std::size_t boarded = 0;
    std::size_t arrived = 0;
    std::size_t longest = 0;
    auto queueAt = [&](double time) {
        while (arrived < n && arrivals[arrived] <= time)
            ++arrived;
        while (boarded < n && boardings[boarded] <= time)
            ++boarded;
        longest = std::max(longest, arrived - boarded);
    };
    if (std::isfinite(window.from))
        queueAt(window.from);
    for (double arrival : arrivals)
        if (window.holds(arrival))
            queueAt(arrival);
    return static_cast<double>(longest);
}

// The five-minute windows: whole ones from the warm-up to the end of the arrival period, or,
// for a passenger list, from 0 to the one that holds the last arrival.
struct FiveMinutes {
    double from = 0;
    std::size_t count = 0;
};

FiveMinutes fiveMinutesOf(const SimulationSetup& setup, const ReplicationRun& run)
{
    if (!setup.hasPassengerList())
        return {setup.warmUp, static_cast<std::size_t>(std::max(0.0, std::floor((setup.duration - setup.warmUp) / 300)))};
    const double last = run.passages.empty() ? 0 : run.passages.back().arrival;
    return {0, run.passages.empty() ? 0 : static_cast<std::size_t>(std::floor(last / 300)) + 1};
}

// The highest of the windows' mean waits and, on their own, mean times to destination.
void setWorstFiveMinutes(const SimulationSetup& setup, const ReplicationRun& run, const Window& window,
                         ReplicationFigures& figures)
{
    const FiveMinutes windows = fiveMinutesOf(setup, run);
    std::vector<std::size_t> count(windows.count, 0);
    std::vector<double> waits(windows.count, 0);
    std::vector<double> destinations(windows.count, 0);
    for (const Passage& passage : run.passages) {
        if (!window.holds(passage.arrival) || passage.arrival < windows.from)
            continue;
        const auto k = static_cast<std::size_t>((passage.arrival - windows.from) / 300);
        if (k >= windows.count)
            continue;
        ++count[k];
        waits[k] += passage.boardingStart - passage.arrival;
        destinations[k] += passage.destinationTime - passage.arrival;
    }
    for (std::size_t k = 0; k < windows.count; ++k) {
        if (count[k] == 0)
            continue;
        const double n = static_cast<double>(count[k]);
        figures.worstAwt = std::max(figures.worstAwt.value_or(waits[k] / n), waits[k] / n);
        figures.worstAttd = std::max(figures.worstAttd.value_or(destinations[k] / n), destinations[k] / n);
    }
}

void tallyDepartures(const SimulationSetup& setup, const ReplicationRun& run, const Window& window,
                     ReplicationFigures& figures)
{
    struct CarDeparture {
        double leaves = 0;
        bool counted = false;
    };
    std::vector<std::optional<CarDeparture>> previous(static_cast<std::size_t>(setup.cars));
    std::size_t departures = 0;
    double carried = 0;
    double first = 0;
    double last = 0;
    double cycleSum = 0;
    std::size_t cycles = 0;
    for (const Departure& departure : run.departures) {
        const bool counted = window.holds(departure.doorsClose);
        auto& before = previous[static_cast<std::size_t>(departure.car)];
        if (counted && before && before->counted) {
            cycleSum += departure.leaves - before->leaves;
            ++cycles;
        }
        before = CarDeparture{departure.leaves, counted};
        if (!counted)
            continue;
        if (departures == 0)
            first = departure.leaves;
        last = departure.leaves;
        ++departures;
        carried += static_cast<double>(departure.passengers);
    }
    if (departures > 0)
        figures.averageLoad = carried / static_cast<double>(departures);
    if (departures > 1) {
        figures.interval = (last - first) / static_cast<double>(departures - 1);
        if (cycles > 0)
            figures.rtt = cycleSum / static_cast<double>(cycles);
    }
    if (departures > 0 && !setup.hasPassengerList()) {
        figures.handlingCapacity = carried * 300 / (window.until - window.from);
        figures.hcPercent = *figures.handlingCapacity * 100 / setup.population;
    }
}

std::optional<double> meanOf(double sum, std::size_t count)
{
    if (count == 0)
        return std::nullopt;
    return sum / static_cast<double>(count);
}

// The mean over the replications that have the figure.
std::optional<double> averageOver(const std::vector<ReplicationTally>& tallies,
                                  std::optional<double> ReplicationFigures::*figure)
{
    double sum = 0;
    std::size_t count = 0;
    for (const ReplicationTally& tally : tallies) {
        if (const auto& value = tally.figures.*figure) {
            sum += *value;
            ++count;
        }
    }
    return meanOf(sum, count);
}

// The 95 % half-width of a figure over the replications that have it: Student's t with one
// degree of freedom fewer than their number, times their standard deviation over its root.
std::optional<double> halfWidth(const std::vector<ReplicationTally>& tallies,
                                std::optional<double> ReplicationFigures::*figure)
{
    const auto mean = averageOver(tallies, figure);
    double squares = 0;
    std::size_t count = 0;
    for (const ReplicationTally& tally : tallies) {
        if (const auto& value = tally.figures.*figure) {
            squares += (*value - *mean) * (*value - *mean);
            ++count;
        }
    }
    if (count < 2)
        return std::nullopt;
    const double deviation = std::sqrt(squares / static_cast<double>(count - 1));
    return studentT95(static_cast<int>(count - 1)) * deviation / std::sqrt(static_cast<double>(count));
}

PassengerKind kindOf(const Passage& passage)
{
    if (passage.origin == 0)
        return PassengerKind::Incoming;
    return passage.floor == 0 ? PassengerKind::Outgoing : PassengerKind::Interfloor;
}

void summariseByKindAndFloor(const std::vector<ReplicationTally>& tallies, SimulationSummary& summary)
{
    const std::size_t floors = tallies.empty() ? 0 : tallies.front().floorCount.size();
    std::array<double, kPassengerKinds> kindWaits{}, kindDestinations{};
    std::vector<double> floorWaits(floors, 0);
    summary.perFloor.resize(floors);
    for (const ReplicationTally& tally : tallies) {
        for (std::size_t k = 0; k < kPassengerKinds; ++k) {
            summary.byKind[k].passengers += tally.kindCount[k];
            kindWaits[k] += tally.kindWaitSum[k];
            kindDestinations[k] += tally.kindDestinationSum[k];
        }
        for (std::size_t f = 0; f < floors; ++f) {
            summary.perFloor[f].passengers += tally.floorCount[f];
            floorWaits[f] += tally.floorWaitSum[f];
        }
    }
    for (std::size_t k = 0; k < kPassengerKinds; ++k) {
        summary.byKind[k].awt = meanOf(kindWaits[k], summary.byKind[k].passengers);
        summary.byKind[k].attd = meanOf(kindDestinations[k], summary.byKind[k].passengers);
    }
    for (std::size_t f = 0; f < floors; ++f) {
        summary.perFloor[f].floor = static_cast<int>(f);
        summary.perFloor[f].awt = meanOf(floorWaits[f], summary.perFloor[f].passengers);
    }
}

}  // namespace

ReplicationTally tallyReplication(const SimulationSetup& setup, const ReplicationRun& run)
{
    ReplicationTally tally;
    const Window window = windowOf(setup);
    tally.floorCount.assign(setup.levels.size() + 1, 0);
    tally.floorWaitSum.assign(setup.levels.size() + 1, 0);
    for (const Passage& passage : run.passages) {
        if (!window.holds(passage.arrival))
            continue;
        const double wait = passage.boardingStart - passage.arrival;
        const double destination = passage.destinationTime - passage.arrival;
        tally.waits.push_back(wait);
        tally.waitSum += wait;
        tally.destinationSum += destination;
        const auto kind = static_cast<std::size_t>(kindOf(passage));
        ++tally.kindCount[kind];
        tally.kindWaitSum[kind] += wait;
        tally.kindDestinationSum[kind] += destination;
        const auto origin = static_cast<std::size_t>(passage.origin);
        ++tally.floorCount[origin];
        tally.floorWaitSum[origin] += wait;
        const auto bin = static_cast<std::size_t>(std::min(wait / kWaitBinWidth, double{kWaitBins - 1}));
        ++tally.histogram[bin];
    }
    ReplicationFigures& figures = tally.figures;
    figures.passengers = tally.waits.size();
    figures.awt = meanOf(tally.waitSum, figures.passengers);
    figures.attd = meanOf(tally.destinationSum, figures.passengers);
    setWaitRanks(tally.waits, figures);  // the pooled ranks do not depend on the order
    tallyDepartures(setup, run, window, figures);
    figures.maxQueue = longestQueue(run.passages, window);
    setWorstFiveMinutes(setup, run, window, figures);
    return tally;
}

SimulationSummary summarise(std::vector<ReplicationTally>& tallies)
{
    SimulationSummary summary;
    summary.replications = static_cast<int>(tallies.size());
    double waitSum = 0;
    double destinationSum = 0;
    std::size_t passengers = 0;
    for (const ReplicationTally& tally : tallies) {
        waitSum += tally.waitSum;
        destinationSum += tally.destinationSum;
        passengers += tally.waits.size();
        for (std::size_t bin = 0; bin < kWaitBins; ++bin)
            summary.histogram[bin] += tally.histogram[bin];
        summary.perReplication.push_back(tally.figures);
    }
    summary.passengers = passengers;
    summary.awt = meanOf(waitSum, passengers);
    summary.attd = meanOf(destinationSum, passengers);
    summary.awtHalfWidth = halfWidth(tallies, &ReplicationFigures::awt);
    summary.worstAwt = averageOver(tallies, &ReplicationFigures::worstAwt);
    summary.worstAwtHalfWidth = halfWidth(tallies, &ReplicationFigures::worstAwt);
    summary.worstAttd = averageOver(tallies, &ReplicationFigures::worstAttd);
    summariseByKindAndFloor(tallies, summary);

    std::vector<double> waits;
    waits.reserve(passengers);
    for (ReplicationTally& tally : tallies) {
        waits.insert(waits.end(), tally.waits.begin(), tally.waits.end());
        tally.waits = {};
    }
    ReplicationFigures pooled;
    setWaitRanks(waits, pooled);
    summary.p50 = pooled.p50;
    summary.p90 = pooled.p90;
    summary.p95 = pooled.p95;
    summary.maxWait = pooled.maxWait;

    summary.averageLoad = averageOver(tallies, &ReplicationFigures::averageLoad);
    summary.interval = averageOver(tallies, &ReplicationFigures::interval);
    summary.rtt = averageOver(tallies, &ReplicationFigures::rtt);
    summary.handlingCapacity = averageOver(tallies, &ReplicationFigures::handlingCapacity);
    summary.hcPercent = averageOver(tallies, &ReplicationFigures::hcPercent);
    summary.maxQueue = averageOver(tallies, &ReplicationFigures::maxQueue);
    return summary;
}

}  // namespace trevalo::engine
