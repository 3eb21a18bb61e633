#include "engine/simulation.h"
#include "engine/simulation_replication.h"
#include "engine/simulation_report.h"

#include "engine/display_text.h"
#include "engine/tests/case_name.h"
#include "engine/tests/random_building.h"
#include "engine/tests/up_peak_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace trevalo::engine {
namespace {

std::optional<SimulationSetup> setupOf(const Entries& building, const SimulationEntries& entries)
{
    const auto result = checkSimulation(inputsOf(building), entries, 12);
    if (const auto* refusal = std::get_if<Refusal>(&result)) {
        ADD_FAILURE() << "refused: " << refusal->entry << ' ' << refusal->reason;
        return std::nullopt;
    }
    return std::get<SimulationSetup>(result);
}

// With everybody arriving at the main floor there is no landing call: every passage and every
// departure is the up-peak's, from light traffic to a lobby queue that only grows.
TEST(GroupControl, GivesTheUpPeakPassagesWhenEverybodyIsIncoming)
{
    RandomBuildings random(7031);
    for (int trial = 0; trial < 60; ++trial) {
        SCOPED_TRACE(trial);
        const Entries building = random.building();
        const auto setup = setupOf(building, {.demandPercent = figureText(random.real(1, 40)), .minutes = "20",
                                              .loadingLimit = figureText(random.real(20, 100)),
                                              .dwell = figureText(random.real(0, 20)),
                                              .seed = std::to_string(trial)});
        ASSERT_TRUE(setup);
        const std::vector<Arrival> arrivals = randomArrivals(*setup, 0);
        const ReplicationRun expected = reference::upPeakReference(*setup, arrivals);
        const ReplicationRun actual = runReplication(*setup, arrivals, nullptr);
        ASSERT_EQ(actual.passages.size(), expected.passages.size());
        // Sums taken in another order differ in their last bits, which grow with the time.
        const auto near = [](double t) { return 1e-9 * std::max(1.0, t / 1000); };
        for (std::size_t i = 0; i < expected.passages.size(); ++i) {
            const Passage& a = actual.passages[i];
            const Passage& e = expected.passages[i];
            ASSERT_EQ(a.car, e.car) << "passenger " << i;
            ASSERT_NEAR(a.boardingStart, e.boardingStart, near(e.boardingStart)) << "passenger " << i;
            ASSERT_NEAR(a.destinationTime, e.destinationTime, near(e.destinationTime)) << "passenger " << i;
        }
        ASSERT_EQ(actual.departures.size(), expected.departures.size());
        for (std::size_t i = 0; i < expected.departures.size(); ++i) {
            EXPECT_EQ(actual.departures[i].car, expected.departures[i].car);
            EXPECT_NEAR(actual.departures[i].leaves, expected.departures[i].leaves, near(expected.departures[i].leaves));
            EXPECT_EQ(actual.departures[i].passengers, expected.departures[i].passengers);
        }
    }
}

// The most aboard one car at any moment: a passenger is aboard from the start of its boarding
// until the car reaches its floor; one leaving and one boarding at the same instant do not overlap.
std::int64_t mostAboard(const std::vector<TraceRow>& trace, int replication)
{
    std::map<int, std::vector<std::pair<double, int>>> changes;
    for (const TraceRow& row : trace) {
        if (row.replication != replication)
            continue;
        changes[row.car].push_back({row.boardingStart, +1});
        changes[row.car].push_back({row.destinationTime, -1});
    }
    std::int64_t most = 0;
    for (auto& [car, list] : changes) {
        std::sort(list.begin(), list.end());
        std::int64_t aboard = 0;
        for (const auto& change : list)
            most = std::max(most, aboard += change.second);
    }
    return most;
}

struct MixCase {
    const char* name;
    double incoming, outgoing, interfloor;
};

class MixedTraffic : public testing::TestWithParam<MixCase> {};

TEST_P(MixedTraffic, DeliversEveryPassengerWithinTheCarsLimit)
{
    const MixCase& row = GetParam();
    RandomBuildings random(90210);
    for (int trial = 0; trial < 25; ++trial) {
        SCOPED_TRACE(trial);
        Entries building = random.building();
        if (std::string(building.floors) == "1")
            building.floors = "2";  // an interfloor trip needs two served floors
        if (building.spread == kPerFloor)
            building.perFloor.assign(static_cast<std::size_t>(std::stoi(building.floors)), "10");
        building.population = building.spread == kPerFloor ? random.keep(std::to_string(10 * std::stoi(building.floors)))
                                                           : building.population;
        auto setup = setupOf(building, {.demandPercent = figureText(random.real(1, 30)), .minutes = "15",
                                        .loadingLimit = figureText(random.real(20, 100)),
                                        .dwell = figureText(random.real(0, 15)), .replications = "2",
                                        .seed = std::to_string(trial)});
        ASSERT_TRUE(setup);
        setup->incomingPercent = row.incoming;
        setup->outgoingPercent = row.outgoing;
        setup->interfloorPercent = row.interfloor;
        const SimulationSummary summary = simulate(*setup, true);
        for (const TraceRow& r : summary.trace) {
            ASSERT_NE(r.origin, r.floor);
            ASSERT_TRUE(r.car >= 1 && r.car <= setup->cars) << "passenger " << r.passenger << " never boarded";
            ASSERT_GE(r.boardingStart, r.arrival) << "passenger " << r.passenger;
            ASSERT_GT(r.destinationTime, r.boardingStart) << "passenger " << r.passenger;
        }
        for (int replication = 1; replication <= 2; ++replication)
            EXPECT_LE(mostAboard(summary.trace, replication), setup->boardingLimit);
        EXPECT_EQ(simulationJson(simulate(*setup)), simulationJson(summary)) << "the same seed, the same figures";
    }
}

const MixCase kMixes[] = {
    {"lunch", 45, 45, 10},
    {"twoWay", 50, 50, 0},
    {"downPeak", 0, 100, 0},
    {"interfloorOnly", 0, 0, 100},
    {"upPeakMixed", 85, 10, 5},
};
INSTANTIATE_TEST_SUITE_P(Simulation, MixedTraffic, testing::ValuesIn(kMixes), CaseName());

}  // namespace
}  // namespace trevalo::engine
