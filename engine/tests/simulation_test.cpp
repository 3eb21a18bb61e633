#include "engine/simulation/simulation.h"
#include "engine/simulation/simulation_checks.h"
#include "engine/simulation/simulation_report.h"

#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace trevalo::engine {
namespace {

// Ten residential floors 3 m apart from 3 m to 30 m, 2CO 900 doors (t_d 4.5 s, t_p 0.95 s),
// 1 m/s, 300 kg: 4 persons, so 3 boardings at the loading limit of the 80 % up share. At 1 m/s
// every run here is longer than the full-speed run of 1.96984 m, so a run of d metres takes
// d + 2.96984 s.
const Entries kSlowBuilding{.up = "80", .speed = "1", .load = "300", .cars = "1"};

struct Way {
    int car;
    double boardingStart, destinationTime;
};

struct ListCase {
    const char* name;
    const char* cars;
    const char* load;
    const char* dwell;
    std::vector<PassengerEntry> passengers;
    std::vector<Way> ways;  // in arrival order
    double maxQueue;        // passengers waiting at the main floor, not yet boarding
    std::optional<double> rtt = {};  // the mean time between a car's departures; none: not checked
};

SimulationSummary simulated(const Entries& building, const SimulationEntries& entries)
{
    const auto setup = checkSimulation(inputsOf(building), entries, 12);
    if (const auto* refusal = std::get_if<Refusal>(&setup))
        ADD_FAILURE() << "refused: " << refusal->entry.path() << ' ' << refusal->reason;
    return simulate(std::get<SimulationSetup>(setup), true);
}

class HandWorkedLists : public testing::TestWithParam<ListCase> {};

TEST_P(HandWorkedLists, BoardAndDeliverEachPassengerWhenWorkedOutByHand)
{
    const ListCase& row = GetParam();
    Entries building = kSlowBuilding;
    building.cars = row.cars;
    building.load = row.load;
    const SimulationSummary summary = simulated(building, {.dwell = row.dwell, .passengers = row.passengers});
    ASSERT_EQ(summary.trace.size(), row.ways.size());
    for (std::size_t i = 0; i < row.ways.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(summary.trace[i].car, row.ways[i].car);
        EXPECT_NEAR(summary.trace[i].boardingStart, row.ways[i].boardingStart, 1e-9);
        EXPECT_NEAR(summary.trace[i].destinationTime, row.ways[i].destinationTime, 1e-9);
    }
    EXPECT_EQ(summary.maxQueue, row.maxQueue);
    if (row.rtt) {
        ASSERT_TRUE(summary.rtt.has_value());
        EXPECT_NEAR(*summary.rtt, *row.rtt, 1e-9);
    }
}

// Worked by hand: a car leaves t_d = 4.5 s after its doors close and stops 4.5 s + 0.95 s a
// passenger at each floor.
INSTANTIATE_TEST_SUITE_P(
    Simulation, HandWorkedLists,
    testing::Values(
        // Three boardings fill the car (doors close at 2.85, leave at 7.35; floor 2 at 16.31984,
        // 6.4 s stop, floor 5 at 34.68968, back at 58.10952); the fourth waits for its return.
        ListCase{"fullCar", "1", "300", "", {{0, 2}, {0, 2}, {0, 5}, {0, 1}},
                 {{1, 0, 16.31984}, {1, 0.95, 16.31984}, {1, 1.9, 34.68968}, {1, 58.10952, 79.52936}}, 3},
        // The second passenger boards within the 10 s dwell after the first boarding ends at 0.95;
        // the doors close at 10.95, before the third arrives.
        ListCase{"dwellRunsOut", "1", "300", "", {{0, 3}, {5, 3}, {12, 1}},
                 {{1, 0, 27.41984}, {1, 5, 27.41984}, {1, 45.78968, 67.20952}}, 1},
        // Listed out of order; the four of time 0 keep their order. Car 2 loads when car 1 leaves
        // at 7.35 and closes at 8.3 + 10.
        ListCase{"queueOfCars", "2", "300", "", {{1, 6}, {0, 4}, {0, 4}, {0, 4}, {0, 2}},
                 {{1, 0, 22.31984}, {1, 0.95, 22.31984}, {1, 1.9, 22.31984}, {2, 7.35, 31.76984},
                  {2, 8.3, 52.18968}},
                 3},
        // 630 kg: room for 6. Two for floor 2 stop there 4.5 + 2 x 0.95 s; a 2 s dwell closes at 2.95.
        ListCase{"twoForOneFloor", "1", "630", "2", {{0, 5}, {0.5, 2}, {0.5, 2}},
                 {{1, 0, 34.78968}, {1, 0.95, 16.41984}, {1, 1.9, 16.41984}}, 2},
        // The second arrives at 2.9, just before the dwell ends at 2.95, and boards; the third
        // arrives after the doors have closed and takes car 2; the fourth arrives while car 2's
        // doors are closed and waits for car 1.
        ListCase{"arrivingAsTheDoorsClose", "2", "300", "2", {{0, 1}, {2.9, 1}, {4, 2}, {11.4, 3}},
                 {{1, 0, 14.31984}, {1, 2.9, 14.31984}, {2, 8.35, 24.76984}, {1, 26.68968, 46.10952}}, 1},
        // No dwell: the second arrives as the first boarding ends and boards straight on; the doors
        // then close at 1.9 and car 2 takes the third when car 1 leaves at 6.4.
        ListCase{"noDwell", "2", "300", "0", {{0, 1}, {0.95, 1}, {2, 2}},
                 {{1, 0, 12.36984}, {1, 0.95, 12.36984}, {2, 6.4, 20.81984}}, 1},
        // One car takes seven passengers for floor 1 in three trips, leaving at 7.35, 33.98968 and
        // 68.72936 (the last after its 10 s dwell): two cycles, of 26.63968 s and 34.73968 s.
        ListCase{"threeTripsOfOneCar", "1", "300", "", std::vector<PassengerEntry>(7, {0, 1}),
                 {{1, 0, 13.31984}, {1, 0.95, 13.31984}, {1, 1.9, 13.31984}, {1, 26.63968, 39.95952},
                  {1, 27.58968, 39.95952}, {1, 28.53968, 39.95952}, {1, 53.27936, 74.6992}},
                 6, 30.68968}),
    CaseName());

// The list "arrivingAsTheDoorsClose" above, its times to the microsecond in the trace's rows.
TEST(SimulationReport, WritesTheTraceAsCsv)
{
    const SimulationSummary summary = simulated(
        {.up = "80", .speed = "1", .load = "300", .cars = "2"}, {.dwell = "2", .passengers = {{0, 1}, {2.9, 1}, {4, 2}, {11.4, 3}}});
    EXPECT_EQ(traceCsv(summary.trace), "replication,passenger,arrival,floor,car,boardingStart,destinationTime,origin\n"
                                       "1,1,0.000000,1,1,0.000000,14.319840,0\n"
                                       "1,2,2.900000,1,1,2.900000,14.319840,0\n"
                                       "1,3,4.000000,2,2,8.350000,24.769840,0\n"
                                       "1,4,11.400000,3,1,26.689680,46.109520,0\n");
}

}  // namespace
}  // namespace trevalo::engine
