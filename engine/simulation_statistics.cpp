#include "engine/simulation_statistics.h"

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

// The longest queue of passengers who have arrived and not begun to board, within the window.
// Boarding follows arrival order, so the queue is the arrivals so far less the boardings begun.
double longestQueue(const std::vector<Passage>& passages, const Window& window)
{
    const std::size_t n = passages.size();
    std::size_t boarded = 0;
    std::size_t arrived = 0;
    std::size_t longest = 0;
    auto queueAt = [&](double time) {
        while (arrived < n && passages[arrived].arrival <= time)
            ++arrived;
        while (boarded < n && passages[boarded].boardingStart <= time)
            ++boarded;
        longest = std::max(longest, arrived - boarded);
    };
    if (std::isfinite(window.from))
        queueAt(window.from);
    for (const Passage& passage : passages)
        if (window.holds(passage.arrival))
            queueAt(passage.arrival);
    return static_cast<double>(longest);
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

// 1.96 standard deviations of the replications' mean waits over the root of their number.
std::optional<double> awtHalfWidth(const std::vector<ReplicationTally>& tallies)
{
    const auto mean = averageOver(tallies, &ReplicationFigures::awt);
    double squares = 0;
    std::size_t count = 0;
    for (const ReplicationTally& tally : tallies) {
        if (tally.figures.awt) {
            squares += (*tally.figures.awt - *mean) * (*tally.figures.awt - *mean);
            ++count;
        }
    }
    if (count < 2)
        return std::nullopt;
    const double deviation = std::sqrt(squares / static_cast<double>(count - 1));
    return 1.96 * deviation / std::sqrt(static_cast<double>(count));
}

}  // namespace

ReplicationTally tallyReplication(const SimulationSetup& setup, const ReplicationRun& run)
{
    ReplicationTally tally;
    const Window window = windowOf(setup);
    for (const Passage& passage : run.passages) {
        if (!window.holds(passage.arrival))
            continue;
        const double wait = passage.boardingStart - passage.arrival;
        tally.waits.push_back(wait);
        tally.waitSum += wait;
        tally.destinationSum += passage.destinationTime - passage.arrival;
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
    summary.awtHalfWidth = awtHalfWidth(tallies);

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
