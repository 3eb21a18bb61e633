#include "engine/analysis/analysis.h"
#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

// The worked case: residential, 10 floors, 500 persons spread evenly, 30 m travel,
// 3 m floors, 2CO 900 mm, loss 5 %, up 30 %, down 20 %, 1.75 m/s, 1000 kg, 2 cars.
AnalysisInputs workedCase(bool fixedConfiguration) { return inputsOf({.fixed = fixedConfiguration}); }

using S = CalculationSteps;

struct StepCase {
    const char* name;
    double S::*member;
    double expected;
};

class WorkedSteps : public testing::TestWithParam<StepCase> {};

TEST_P(WorkedSteps, EachQuantityOfTheSingleResult)
{
    const auto outcome = runAnalysis(workedCase(true));
    ASSERT_TRUE(std::holds_alternative<SingleResult>(outcome));
    const double expected = GetParam().expected;
    EXPECT_NEAR(std::get<SingleResult>(outcome).steps.*GetParam().member, expected, 1e-7 * (1 + expected));
}

// Worked by hand from the formulas with a throwaway script (not kept): 975 kg evaluated,
// da = 1.26984 v^2 + 0.7 v, ta = 2.4 + 2.53968 v at v = 1.75; each journey is
// n ta + (D - n da) / v plus the express run of 3 m.
const StepCase kWorkedSteps[] = {
    {"floors", &S::floorsServed, 10}, {"population", &S::population, 500}, {"travel", &S::travel, 30},
    {"floorHeight", &S::floorHeight, 3}, {"speed", &S::ratedSpeed, 1.75}, {"doorWidth", &S::doorWidth, 900},
    {"load", &S::load, 975}, {"persons", &S::persons, 13}, {"upPassengers", &S::upPassengers, 3.9},
    {"downPassengers", &S::downPassengers, 2.6}, {"totalPassengers", &S::totalPassengers, 6.5},
    {"upStops", &S::upStops, 3.3695075204}, {"downStops", &S::downStops, 2.3962028138},
    {"totalStops", &S::totalStops, 5.7657103342}, {"reversal", &S::highestReversal, 8.4267134161},
    {"aboveReversal", &S::floorsAboveReversal, 1.5732865839},
    {"fullSpeedDistance", &S::fullSpeedDistance, 5.113885}, {"fullSpeedTime", &S::fullSpeedTime, 6.84444},
    {"expressTime", &S::expressTime, 5.6658643446}, {"upFlight", &S::upFlight, 27.6911028444},
    {"downFlight", &S::downFlight, 23.8735876582}, {"doorPerStop", &S::doorTimePerStop, 4.5},
    {"transferPerPassenger", &S::transferTimePerPassenger, 0.95},
    {"doorTotal", &S::doorTimeTotal, 25.9456965036}, {"transfer", &S::transferTime, 14.0594161989},
    {"loss", &S::lossTime, 2.0002556351}, {"roundTrip", &S::roundTripTime, 93.5700579739},
    {"handling", &S::handlingCapacity, 20.8399999126},
    {"handlingPercent", &S::handlingPercent, 4.1679999825}};

INSTANTIATE_TEST_SUITE_P(Engine, WorkedSteps, testing::ValuesIn(kWorkedSteps), CaseName());

// Single precision where the calculation holds it; row r of the table holds the steps of
// 675 + 75 r kg (9 + r persons, 30 % of them up) and the worked 1800 kg row's round trip.
TEST(WorkedSteps, SinglePrecisionFiguresAndTableRows)
{
    const auto single = runAnalysis(workedCase(true));
    const auto table = runAnalysis(workedCase(false));
    ASSERT_TRUE(std::holds_alternative<SingleResult>(single) && std::holds_alternative<LoadTable>(table));
    const CalculationSteps& steps = std::get<SingleResult>(single).steps;
    EXPECT_EQ(steps.expressDistance, 3.0f);
    EXPECT_EQ(steps.flightTime, 51.56469f);  // 27.6911028 + 23.8735877 in single precision
    EXPECT_EQ(steps.speedClass, SpeedClass::Low);
    const auto& rows = std::get<LoadTable>(table).steps;
    ASSERT_TRUE(rows[0] && rows[15]);
    EXPECT_EQ(rows[0]->load, 675);
    EXPECT_NEAR(rows[0]->upPassengers, 2.7, 1e-12);
    EXPECT_EQ(rows[15]->persons, 24);
    EXPECT_NEAR(rows[15]->roundTripTime, 142.167, 5e-4);
}

}  // namespace
}  // namespace trevalo::engine
