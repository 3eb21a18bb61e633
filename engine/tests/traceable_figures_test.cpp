#include "engine/analysis/analysis.h"
#include "engine/analysis/group_size.h"
#include "engine/analysis/machine_room.h"
#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace trevalo::engine {
namespace {

// The figures a reviewer needs to redo the door time, the run times and the machine-room
// load by hand, each against the published tables.

CalculationSteps stepsOf(const Entries& entries)
{
    const auto outcome = runAnalysis(inputsOf(entries));
    EXPECT_TRUE(std::holds_alternative<SingleResult>(outcome));
    return std::holds_alternative<SingleResult>(outcome) ? std::get<SingleResult>(outcome).steps : CalculationSteps{};
}

struct DoorCase {
    const char* name;
    Entries entries;
    double base, advanceReduction, officeReduction, perStop, transfer;
};

class DoorRow : public testing::TestWithParam<DoorCase> {};

// From the door table: 2CO 900 gives 4.5 s and 0.95 s, 2SO 1000 6.3 s and 0.9 s, 2CO 1000
// 4.8 s, 2CO 1100 4.9 s and 0.85 s; a four-panel door of 1800 mm takes the 2CO time of
// 900 mm and 0.45 s per passenger. A second off for advance opening, another for an office
// and hotel car above 1.75 m/s.
INSTANTIATE_TEST_SUITE_P(
    Engine, DoorRow,
    testing::Values(
        DoorCase{"residential2CO900", {}, 4.5, 0, 0, 4.5, 0.95},
        DoorCase{"office2SO1000BothReductions", {.type = kOffice, .door = kSide, .width = "1000", .advance = true, .speed = "2.5"},
                 6.3, 1, 1, 4.3, 0.9},
        DoorCase{"officeAt175KeepsItsSecond", {.type = kOffice, .width = "1100"}, 4.9, 0, 0, 4.9, 0.85},
        DoorCase{"ownerOccupiedAdvanceOnly", {.type = kOwner, .width = "1000", .advance = true, .speed = "2"}, 4.8, 1, 0, 3.8, 0.9},
        DoorCase{"fourPanelHalfWidth", {.door = kFour, .width = "1800"}, 4.5, 0, 0, 4.5, 0.45}),
    CaseName());

TEST_P(DoorRow, BaseTimeAndEachReduction)
{
    const DoorCase& c = GetParam();
    const CalculationSteps steps = stepsOf(c.entries);
    EXPECT_EQ((std::array{steps.baseDoorTime, steps.advanceOpeningReduction, steps.fastOfficeReduction,
                          steps.transferTimePerPassenger}),
              (std::array{c.base, c.advanceReduction, c.officeReduction, c.transfer}));
    EXPECT_DOUBLE_EQ(steps.doorTimePerStop, c.perStop);
}

struct LawCase {
    const char* name;
    const char* speed;
    SpeedClass speedClass;
    double a, b, c, d, k, e, g, f;
};

class Coefficients : public testing::TestWithParam<LawCase> {};

// The speed class of a rated speed and its published coefficients, as the steps carry them.
INSTANTIATE_TEST_SUITE_P(
    Engine, Coefficients,
    testing::Values(
        LawCase{"low", "1.75", SpeedClass::Low, 1.26984, 0.7, 2.4, 2.53968, 5.07936, 0.49, 0.7, 2.53968},
        LawCase{"middle", "2.5", SpeedClass::Middle, 1.111111, 1.25, 2.5, 2.22222, 4.44444, 1.5625, 1.25, 2.22222},
        LawCase{"high", "6", SpeedClass::High, 1.05556, 0.89583, 1.49167, 2.11111, 4.22224, 0.80251, 0.89583, 2.11112}),
    CaseName());

TEST_P(Coefficients, OfTheSpeedClassUsed)
{
    const LawCase& c = GetParam();
    // A shaft long enough for every class's full-speed run.
    const CalculationSteps steps = stepsOf({.floors = "30", .travel = "90", .speed = c.speed});
    EXPECT_EQ(steps.speedClass, c.speedClass);
    const MotionLaw& law = steps.motionLaw;
    EXPECT_EQ((std::array{law.a, law.b, law.c, law.d, law.k, law.e, law.g, law.f}),
              (std::array{c.a, c.b, c.c, c.d, c.k, c.e, c.g, c.f}));
}

struct RoomCase {
    const char* name;
    double load, travel, speed, finishing;
    int ropes;
    double car, counterweight, ropeWeight, structural, kilonewtons;
};

class MachineRoomTerms : public testing::TestWithParam<RoomCase> {};

// c = 2 Q + f, w = c + Q / 2, r = ropes x H, 1.25 (1500 + 2 (c + r + Q + w)); kN under 9.80665 m/s2.
INSTANTIATE_TEST_SUITE_P(
    Engine, MachineRoomTerms,
    testing::Values(RoomCase{"fourRopes", 1000, 50, 2, 300, 4, 2300, 2800, 200, 17625, 172.84220625},
                    RoomCase{"sixRopesAboveThirteenHundred", 1350, 50, 2, 300, 6, 3000, 3675, 300, 22687.5,
                             222.488371875},
                    RoomCase{"workedCase", 1000, 30, 1.75, 300, 4, 2300, 2800, 120, 17425, 170.88087625}),
    CaseName());

TEST_P(MachineRoomTerms, EveryTermOfTheLoad)
{
    const RoomCase& c = GetParam();
    const MachineRoomFigures room = machineRoomFigures(c.load, c.travel, c.speed, c.finishing);
    EXPECT_EQ(room.ropeCount, c.ropes);
    // Whole kilograms and quarters: every term is exact in doubles.
    EXPECT_EQ((std::array{room.ratedLoad, room.finishingWeight, room.carWeight, room.counterweight, room.ropeWeight,
                          room.structuralLoad}),
              (std::array{c.load, c.finishing, c.car, c.counterweight, c.ropeWeight, c.structural}));
    EXPECT_NEAR(room.structuralForce, c.kilonewtons, 1e-9);
}

struct CarsCase {
    const char* name;
    double handlingPercent, target;
    int cars;  // 0: none
};

class CarsForTarget : public testing::TestWithParam<CarsCase> {};

INSTANTIATE_TEST_SUITE_P(
    Engine, CarsForTarget,
    testing::Values(CarsCase{"workedLoad", 4.168, 6, 2}, CarsCase{"exactlyOnTheTarget", 2, 6, 3},
                    // 3 x 0.3 is 0.8999999999999999 in binary, short of 0.9: the group figure decides.
                    CarsCase{"productShortOfTheTarget", 0.3, 0.9, 4}, CarsCase{"oneCarAlways", 5, 0, 1},
                    CarsCase{"officeSevenCars", 1.960986, 12, 7}, CarsCase{"hundredCarsStillAGroup", 0.06, 6, 100},
                    CarsCase{"moreThanAHundred", 0.059, 6, 0}, CarsCase{"aHundredAndOne", 0.0595, 6, 0},
                    // 2.1 / 0.3 is 7.000000000000001 in binary, while 7 x 0.3 reaches 2.1.
                    CarsCase{"quotientAboveTheWholeNumber", 0.3, 2.1, 7}, CarsCase{"nobodyCarried", 0, 6, 0},
                    CarsCase{"negativeShare", -1, 6, 0},
                    CarsCase{"notANumber", std::numeric_limits<double>::quiet_NaN(), 6, 0}),
    CaseName());

TEST_P(CarsForTarget, FewestCarsReachingTheShare)
{
    const CarsCase& c = GetParam();
    const auto cars = carsForHandlingTarget(c.handlingPercent, c.target);
    EXPECT_EQ(cars.value_or(0), c.cars);
}

}  // namespace
}  // namespace trevalo::engine
