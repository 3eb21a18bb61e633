// Any set of control states and simulation entries, decoded from arbitrary bytes, is either
// refused with a sentence naming the entry, or simulated; a run small enough to take here
// gives figures that are finite and ordered, counts every passenger once, and repeats itself
// from the same seed.
#include "engine/fuzz/inputs_decoder.h"
#include "engine/fuzz/require.h"
#include "engine/leading_number.h"
#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_report.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

using namespace trevalo::engine;

// Beyond these a single input would take seconds; such runs are the benchmark's.
constexpr double kMostPassengers = 3000;
constexpr int kMostCars = 64;

SimulationEntries decodeEntries(ByteReader& reader)
{
    SimulationEntries entries;
    for (std::string* text : {&entries.demandPercent, &entries.minutes, &entries.loadingLimit, &entries.dwell,
                              &entries.replications, &entries.seed})
        *text = reader.text();
    const int passengers = reader.byte() % 32;
    for (int i = 0; i < passengers; ++i)
        entries.passengers.push_back({leadingNumber(reader.text()), leadingNumber(reader.text())});
    // Read after the up-peak entries, so the saved inputs keep their meaning: the traffic mix,
    // its label and target, and origins for the first listed passengers.
    for (std::string* text : {&entries.incomingPercent, &entries.outgoingPercent, &entries.interfloorPercent,
                              &entries.traffic, &entries.awtTarget})
        *text = reader.text();
    const int origins = std::min(reader.byte() % 32, passengers);
    for (int i = 0; i < origins; ++i)
        entries.passengers[static_cast<std::size_t>(i)].origin = leadingNumber(reader.text());
    return entries;
}

bool finiteAtLeastZero(const std::optional<double>& value) { return !value || (std::isfinite(*value) && *value >= 0); }

void check(const SimulationSetup& setup)
{
    const SimulationSummary summary = simulate(setup, true);
    require(!summary.cancelled && summary.replications == setup.replications, "every replication runs");
    const std::size_t binned = std::accumulate(summary.histogram.begin(), summary.histogram.end(), std::size_t{0});
    require(binned == summary.passengers, "every counted passenger is in one bin");
    require(summary.passengers <= summary.trace.size(), "a counted passenger is traced");
    require(summary.awt.has_value() == (summary.passengers > 0), "a waiting time exactly when someone was counted");
    for (const auto& figure : {summary.awt, summary.awtHalfWidth, summary.p50, summary.p90, summary.p95,
                               summary.maxWait, summary.attd, summary.averageLoad, summary.interval, summary.rtt,
                               summary.handlingCapacity, summary.hcPercent, summary.maxQueue})
        require(finiteAtLeastZero(figure), "figures are finite and not below zero");
    if (summary.p50 && summary.p90 && summary.p95 && summary.maxWait)
        require(*summary.p50 <= *summary.p90 && *summary.p90 <= *summary.p95 && *summary.p95 <= *summary.maxWait,
                "percentiles are in order");
    if (summary.averageLoad)
        require(*summary.averageLoad <= static_cast<double>(setup.boardingLimit) + 1e-9,
                "no car takes more than its limit");
    const int top = static_cast<int>(setup.levels.size());
    for (const TraceRow& row : summary.trace) {
        require(row.floor >= 0 && row.floor <= top && row.origin >= 0 && row.origin <= top, "served floors only");
        require(row.origin != row.floor, "a passenger goes to another floor");
        require(row.car == 0 || (row.car >= 1 && row.car <= setup.cars), "one of the group's cars");
        require(row.car == 0 || (row.boardingStart >= row.arrival && row.destinationTime >= row.boardingStart),
                "a passenger boards after arriving and arrives after boarding");
    }
    const std::string json = simulationJson(summary);
    require(json.find("nan") == std::string::npos && json.find("inf") == std::string::npos,
            "the report holds numbers only");
    require(simulationJson(simulate(setup)) == json, "the same seed gives the same figures");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    const AnalysisInputs inputs = decodeInputs(reader);
    const SimulationEntries entries = decodeEntries(reader);
    const auto checked = checkSimulation(inputs, entries, leadingNumber(reader.text()));
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        require(refusal->entry.empty() == refusal->reason.empty(), "a named entry has a reason");
        return 0;
    }
    const SimulationSetup& setup = std::get<SimulationSetup>(checked);
    const double expected = setup.hasPassengerList()
                                ? static_cast<double>(setup.passengerList.size())
                                : setup.arrivalRate * (setup.duration + setup.warmUp) * setup.replications;
    if (expected <= kMostPassengers && setup.cars <= kMostCars)
        check(setup);
    return 0;
}
