
#include "engine/simulation/simulation_checks.h"
#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::engine {
namespace {

struct EntryCase {
    const char* name;
    SimulationEntries entries;
    const char* entry;  // the entry refused; nullptr: accepted
    const char* reasonPart = "";
    Entries building = {};
    double defaultDemand = 12;
    Notice notice = Notice::InputError;
};

class SimulationEntryChecks : public testing::TestWithParam<EntryCase> {};

TEST_P(SimulationEntryChecks, RefuseWhatIsOutOfRangeAndNameTheEntry)
{
    const EntryCase& row = GetParam();
    const auto result = checkSimulation(inputsOf(row.building), row.entries, row.defaultDemand);
    const auto* refusal = std::get_if<Refusal>(&result);
    if (!row.entry) {
        EXPECT_EQ(refusal, nullptr) << refusal->entry.path();
        return;
    }
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->notice, row.notice);
    EXPECT_EQ(refusal->entry.path(), row.entry);
    EXPECT_NE(refusal->reason.find(row.reasonPart), std::string::npos) << refusal->reason;
    EXPECT_FALSE(refusal->reason.empty());
}

const std::vector<PassengerEntry> kTwoPassengers{{0, 1}, {3, 10}};

const EntryCase kEntryCases[] = {
    {"defaults", {}, nullptr},
    {"demandWithoutNumber", {.demandPercent = "abc"}, "simulation.demandPercent"},
    {"demandZero", {.demandPercent = "0"}, "simulation.demandPercent"},
    {"demandDefaultZero", {}, "simulation.demandPercent", "", {}, 0},
    {"demandDefaultUnusedByAList", {.passengers = kTwoPassengers}, nullptr, "", {}, 0},
    {"demandBeyondWhatCanBeHeld", {.demandPercent = "1e9"}, "simulation.demandPercent"},
    {"minutesShort", {.minutes = "9.9"}, "simulation.minutes"},
    {"minutesLowest", {.minutes = "10"}, nullptr},
    {"minutesLongest", {.minutes = "240"}, nullptr},
    {"minutesLong", {.minutes = "241"}, "simulation.minutes"},
    {"minutesWithoutNumber", {.minutes = "x"}, "simulation.minutes"},
    {"limitZero", {.loadingLimit = "0"}, "simulation.loadingLimit"},
    {"limitWhole", {.loadingLimit = "100"}, nullptr},
    {"limitAbove", {.loadingLimit = "100.5"}, "simulation.loadingLimit"},
    {"dwellNone", {.dwell = "0"}, nullptr},
    {"dwellNegative", {.dwell = "-1"}, "simulation.dwell"},
    {"dwellLongest", {.dwell = "120"}, nullptr},
    {"dwellLong", {.dwell = "121"}, "simulation.dwell"},
    {"dwellWithoutNumber", {.dwell = "秒"}, "simulation.dwell"},
    {"replicationsNone", {.replications = "0"}, "simulation.replications"},
    {"replicationsMost", {.replications = "1000"}, nullptr},
    {"replicationsTooMany", {.replications = "1001"}, "simulation.replications"},
    {"replicationsPart", {.replications = "2.5"}, "simulation.replications"},
    {"seedNegative", {.seed = "-7"}, nullptr},
    {"seedPart", {.seed = "1.5"}, "simulation.seed"},
    {"seedWithoutNumber", {.seed = "abc"}, "simulation.seed"},
    {"passengerBeforeTimeZero", {.passengers = {{0, 1}, {-0.5, 2}}}, "simulation.passengers", "第 2 行"},
    {"passengerFloorZero", {.passengers = {{0, 0}}}, "simulation.passengers", "第 1 行"},
    {"passengerAboveTheTop", {.passengers = {{0, 1}, {1, 2}, {2, 11}}}, "simulation.passengers", "第 3 行"},
    {"passengerFloorPart", {.passengers = {{0, 2.5}}}, "simulation.passengers", "第 1 行"},
    {"passengerTopFloor", {.passengers = {{0, 10}}}, nullptr},
    {"lunchMix", {.incomingPercent = "45", .outgoingPercent = "45", .interfloorPercent = "10"}, nullptr},
    {"mixShortOfAHundred", {.incomingPercent = "45", .outgoingPercent = "45", .interfloorPercent = "9.9"},
     "simulation.incomingPercent", "三项之和应为 100"},
    {"mixOverAHundred", {.outgoingPercent = "0.001"}, "simulation.incomingPercent", "三项之和应为 100"},
    {"mixWithinTheTolerance", {.incomingPercent = "99.9999995", .outgoingPercent = "0.0000001"}, nullptr},
    {"outgoingNegative", {.incomingPercent = "110", .outgoingPercent = "-10"}, "simulation.incomingPercent"},
    {"outgoingBelowZero", {.outgoingPercent = "-10"}, "simulation.outgoingPercent"},
    {"interfloorWithoutNumber", {.interfloorPercent = "层间"}, "simulation.interfloorPercent"},
    {"interfloorOnOneFloor", {.incomingPercent = "90", .interfloorPercent = "10"}, "simulation.interfloorPercent", "",
     {.floors = "1", .travel = "3"}},
    {"interfloorOnOnePeopledFloor", {.incomingPercent = "90", .interfloorPercent = "10"},
     "simulation.interfloorPercent", "", {.spread = kPerFloor, .floors = "3", .population = "10",
                                          .perFloor = {"0", "10", "0"}, .travel = "9"}},
    {"interfloorOnTwoPeopledFloors", {.incomingPercent = "90", .interfloorPercent = "10"}, nullptr, "",
     {.spread = kPerFloor, .floors = "3", .population = "10", .perFloor = {"5", "0", "5"}, .travel = "9"}},
    {"trafficTemplate", {.traffic = "lunch"}, nullptr},
    {"trafficCustom", {.traffic = "custom"}, nullptr},
    {"trafficUnknown", {.traffic = "午间"}, "simulation.traffic"},
    {"awtTargetZero", {.awtTarget = "0"}, "simulation.awtTarget"},
    {"awtTargetWithoutNumber", {.awtTarget = "秒"}, "simulation.awtTarget"},
    {"awtTargetSet", {.awtTarget = "40"}, nullptr},
    {"passengerBetweenFloors", {.passengers = {{0, 1, 10}, {2, 0, 3}}}, nullptr},
    {"passengerToItsOwnFloor", {.passengers = {{0, 1, 10}, {2, 3, 3}}}, "simulation.passengers", "第 2 行"},
    {"passengerFromAboveTheTop", {.passengers = {{0, 1, 11}}}, "simulation.passengers", "第 1 行"},
    {"passengerFromPartOfAFloor", {.passengers = {{0, 1, 0.5}}}, "simulation.passengers", "第 1 行"},
    {"loadAndCarsNotDecided", {}, "elevator.fixedConfiguration", "", {.fixed = false}},
    {"floorsPart", {}, "building.floorsServed", "", {.floors = "9.5"}},
    {"carsPart", {}, "elevator.carCount", "", {.cars = "1.5"}},
    {"carsMost", {}, nullptr, "", {.cars = "32767"}},
    {"carsBeyondSixteenBits", {}, "elevator.carCount", "", {.cars = "32768"}},
    // 100 % of 2500 persons in five minutes, over 100 minutes and 1000 replications: the
    // 5e7 arrivals that can be held.
    {"arrivalsAtTheMost", {.demandPercent = "100", .minutes = "100", .replications = "1000"}, nullptr, "",
     {.population = "2500"}},
    {"nobodyOnAnyFloor", {}, "floorPopulations", "", {.spread = kPerFloor, .population = "10", .perFloor = {"0"}}},
    // The calculation's own checks come first and are passed on as they are.
    {"floorsBelowTheMainFloor", {}, "elevator.travel", "", {.travel = "10"}},
    {"calculationRefusesFirst", {.dwell = "-1"}, "elevator.ratedSpeed", "", {.speed = "0"}},
    {"doorWidthFirst", {.dwell = "-1"}, "elevator.doorWidth", "", {.width = "700"}, 12, Notice::DoorWidthNonStandard},
    {"incompleteFirst", {.dwell = "-1"}, "elevator.ratedLoad", "", {.load = ""}, 12, Notice::IncompleteInput},
};
INSTANTIATE_TEST_SUITE_P(Simulation, SimulationEntryChecks, testing::ValuesIn(kEntryCases), CaseName());

struct DerivedCase {
    const char* name;
    Entries building;
    SimulationEntries entries;
    double lowest, highest;  // levels of the first and last served floor, m
    double doorTime, transferTime, persons;
    std::int64_t boardingLimit;
    double arrivalRate;  // per s
};

class DerivedQuantities : public testing::TestWithParam<DerivedCase> {};

TEST_P(DerivedQuantities, FollowTheCalculationsRules)
{
    const DerivedCase& row = GetParam();
    const auto result = checkSimulation(inputsOf(row.building), row.entries, 12);
    ASSERT_TRUE(std::holds_alternative<SimulationSetup>(result));
    const SimulationSetup& setup = std::get<SimulationSetup>(result);
    EXPECT_EQ(setup.levels.front(), row.lowest);
    EXPECT_DOUBLE_EQ(setup.levels.back(), row.highest);
    EXPECT_DOUBLE_EQ(setup.doorTime, row.doorTime);
    EXPECT_EQ(setup.transferTime, row.transferTime);
    EXPECT_EQ(setup.persons, row.persons);
    EXPECT_EQ(setup.boardingLimit, row.boardingLimit);
    EXPECT_DOUBLE_EQ(setup.arrivalRate, row.arrivalRate);
}

// By hand from the door table and the entries: lambda = demand / 100 x U / 300.
const DerivedCase kDerivedCases[] = {
    // 30 m less 9 floors of 3 m: the lowest floor at 3 m; 1000 kg is 13 persons, and the loading
    // limit is the 30 % up share: 3.9 of them.
    {"residential", {}, {}, 3, 30, 4.5, 0.95, 13, 3, 0.2},
    // An up share of 0 cannot be a loading limit: 80 % of 13 is 10.4.
    {"noUpShare", {.up = "0"}, {}, 3, 30, 4.5, 0.95, 13, 10, 0.2},
    {"wholeUpShare", {.up = "100"}, {}, 3, 30, 4.5, 0.95, 13, 13, 0.2},
    // An office above 1.75 m/s with advance opening: 2CO 1100 takes 4.9 - 1 - 1 s.
    {"fastOffice",
     {.type = kOffice, .floors = "20", .population = "1600", .travel = "80", .floorHeight = "4", .width = "1100",
      .advance = true, .speed = "3.5", .load = "1350", .cars = "8"},
     {.demandPercent = "15", .loadingLimit = "50"}, 4, 80, 2.9, 0.85, 18, 9, 0.8},
    // An entered express zone; a four-panel 2000 mm door opens like 2CO 1000 with 0.45 s a passenger;
    // an owner-occupied office keeps its door time at any speed.
    {"expressZone",
     {.type = kOwner, .express = "22.5", .door = kFour, .width = "2000", .speed = "2.5", .load = "1000"},
     {.loadingLimit = "100"}, 22.5, 49.5, 4.8, 0.45, 13, 13, 0.2},
    // The travel below the lowest floor is held in single precision, as the calculation takes it;
    // 74 kg carries no whole person and still takes one.
    {"singlePrecisionExpress", {.travel = "30.1", .load = "74"}, {}, 3.0999999046325684, 30.0999999046325684, 4.5,
     0.95, 0, 1, 0.2},
};
INSTANTIATE_TEST_SUITE_P(Simulation, DerivedQuantities, testing::ValuesIn(kDerivedCases), CaseName());

struct TakenCase {
    const char* name;
    SimulationEntries entries;
    double demand, duration, loadingLimit, dwell;
    int replications;
    std::uint64_t seed;
};

class TakenValues : public testing::TestWithParam<TakenCase> {};

TEST_P(TakenValues, AreTheEntriesOrTheirDefaults)
{
    const TakenCase& row = GetParam();
    const auto result = checkSimulation(inputsOf({}), row.entries, 12);
    ASSERT_TRUE(std::holds_alternative<SimulationSetup>(result));
    const SimulationSetup& setup = std::get<SimulationSetup>(result);
    EXPECT_EQ(setup.demandPercent, row.demand);
    EXPECT_EQ(setup.duration, row.duration);
    EXPECT_EQ(setup.loadingLimit, row.loadingLimit);
    EXPECT_EQ(setup.dwell, row.dwell);
    EXPECT_EQ(setup.replications, row.replications);
    EXPECT_EQ(setup.seed, row.seed);
}

// Empty entries take the project's demand (12 % here), an hour, the project's up share (30 %),
// 10 s and ten runs from seed 1.
INSTANTIATE_TEST_SUITE_P(Simulation, TakenValues,
                         testing::Values(TakenCase{"defaults", {}, 12, 3600, 30, 10, 10, 1},
                                         TakenCase{"typed", {"20", "15", "100", "0", "3", "-7"}, 20, 900, 100, 0, 3,
                                                   ~std::uint64_t{6}}),
                         CaseName());

}  // namespace
}  // namespace trevalo::engine
