#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_replication.h"
#include "engine/simulation/simulation_report.h"

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
        ADD_FAILURE() << "refused: " << refusal->entry.path() << ' ' << refusal->reason;
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

// Ten floors 3 m apart from 3 m, 1 m/s, t_d 4.5 s, t_p 0.95 s, 300 kg: 3 aboard at the 80 % up
// share. A run of d metres takes d + 2.96984 s; a stop costs 4.5 s after its transfers.
struct Way {
    int car;
    double boardingStart, destinationTime;
};

struct CallCase {
    const char* name;
    const char* cars;
    std::vector<PassengerEntry> passengers;  // arrival, destination, origin
    std::vector<Way> ways;                   // in arrival order
};

class HandWorkedCalls : public testing::TestWithParam<CallCase> {};

TEST_P(HandWorkedCalls, FollowTheGroupControlWorkedOutByHand)
{
    const CallCase& row = GetParam();
    const auto setup = setupOf({.up = "80", .speed = "1", .load = "300", .cars = row.cars}, {.passengers = row.passengers});
    ASSERT_TRUE(setup);
    const SimulationSummary summary = simulate(*setup, true);
    ASSERT_EQ(summary.trace.size(), row.ways.size());
    for (std::size_t i = 0; i < row.ways.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(summary.trace[i].car, row.ways[i].car);
        EXPECT_NEAR(summary.trace[i].boardingStart, row.ways[i].boardingStart, 1e-9);
        EXPECT_NEAR(summary.trace[i].destinationTime, row.ways[i].destinationTime, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Simulation, HandWorkedCalls,
    testing::Values(
        // The empty loading car takes the call from floor 10 and leaves at 4.5, up to 10 by 37.46984.
        // The call from floor 5 goes to it on its way: it stops there at 60.88968 going down.
        CallCase{"pickedUpOnTheWayDown", "1", {{0, 0, 10}, {20, 0, 5}},
                 {{1, 37.46984, 84.30952}, {1, 60.88968, 84.30952}}},
        // Floor 4: the two parked cars tie at 14.96984 s and car 2 goes; the loading car would
        // leave 4.5 s later. Floor 2 at 5 s: parked car 3 is there at 13.96984, before car 2
        // (20.41984 at floor 4, then 29.38968) or car 1 (18.46984).
        CallCase{"nearestCarAndLowerNumberOnATie", "3", {{0, 0, 4}, {5, 0, 2}},
                 {{2, 14.96984, 35.38968}, {3, 13.96984, 28.38968}}},
        // The loaded car cannot take the call from floor 6, which waits until it leaves at 15.45;
        // it lets its passenger off at 2, then goes on up to the call and turns down.
        CallCase{"reversingAtADownCallAbove", "1", {{0, 2}, {1, 0, 6}},
                 {{1, 0, 24.41984}, {1, 44.83968, 71.25952}}},
        // Car 2 fills at floor 5 at 20.81984 and leaves the fourth; its call goes to the loading car,
        // which leaves at 25.31984.
        CallCase{"fullCarLeavesOneBehind", "2", {{0, 0, 5}, {0, 0, 5}, {0, 0, 5}, {0, 0, 5}},
                 {{2, 17.96984, 43.28968}, {2, 18.91984, 43.28968}, {2, 19.86984, 43.28968},
                  {1, 43.28968, 66.70952}}},
        // The doors at floor 10 close at 38.41984; the second arrives at 40 and the car, still
        // there, begins a new stop at 42.91984.
        CallCase{"arrivingInTheDoorTime", "1", {{0, 0, 10}, {40, 0, 10}},
                 {{1, 37.46984, 81.33968}, {1, 42.91984, 81.33968}}},
        // The one waiting at the main floor boards when the car, back at 33.88968 with the outgoing
        // passenger, has let it off and joined the queue.
        CallCase{"outgoingArrivesWhileAnIncomingWaits", "1", {{0, 0, 3}, {5, 1}},
                 {{1, 16.46984, 33.88968}, {1, 34.83968, 56.25952}}},
        // Running home from floor 4 (due at 50.83968), the car takes the call from floor 2 made at 40:
        // it stops at the main floor, leaves at 55.33968 and is at floor 2 at 64.30952.
        CallCase{"runningHomeTakesACall", "1", {{0, 4}, {40, 0, 2}}, {{1, 0, 30.41984}, {1, 64.30952, 78.72936}}},
        // At 20 car 1 runs to floor 2 (due at 24.41984), then stops at 3: each stop on the way costs
        // 4.5 + 0.95 s, so it would reach floor 4 at 47.25952. The empty loading car 2 would leave at
        // 24.5 and be there at 39.46984: it takes the call down and is home at 59.88968.
        CallCase{"aStopOnTheWayCountsAgainstTheCar", "2", {{0, 2}, {0, 3}, {20, 0, 4}},
                 {{1, 0, 24.41984}, {1, 0.95, 35.83968}, {2, 39.46984, 59.88968}}},
        // At 27 car 1's doors are closing at floor 2 until 29.86984, so it would reach floor 1 at
        // 35.83968; parked car 3 leaves at once and is there at 32.96984, then at floor 3 at 47.38968.
        CallCase{"doorsClosingElsewhereCountInFull", "3", {{0, 2}, {27, 3, 1}},
                 {{1, 0, 24.41984}, {3, 32.96984, 47.38968}}}),
    CaseName());

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
