#include "engine/analysis/waiting_time.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <optional>

namespace trevalo::engine {
namespace {

struct WaitingCase {
    const char* name;
    double upPassengers, ratedPersons;
    std::optional<double> waiting;  // at an interval of 30 s
};

class AverageWaiting : public testing::TestWithParam<WaitingCase> {};

TEST_P(AverageWaiting, EachSideOfTheLoadFactorBounds)
{
    const auto waiting = averageWaitingTime(GetParam().upPassengers, GetParam().ratedPersons, 30);
    ASSERT_EQ(waiting.has_value(), GetParam().waiting.has_value());
    EXPECT_NEAR(waiting.value_or(0), GetParam().waiting.value_or(0), 1e-9);
}

// By hand: below a load factor of 0.5, 0.4 x 30 = 12; from 0.5 to 0.8,
// (0.4 + (1.8 LF - 0.77)^2) x 30: LF 0.5 -> 0.4169 x 30, LF 0.501 -> 0.41737124 x 30,
// LF 0.8 -> 0.8489 x 30; above 0.8, or with no rated persons, no estimate. 80 % of 12 and
// of 24 persons are a load factor of 0.8 that doubles compute as 0.8000000000000002.
const WaitingCase kWaiting[] = {
    {"justBelowHalf", 4.99, 10, 12}, {"atHalf", 5, 10, 12.507}, {"justAboveHalf", 5.01, 10, 12.5211372},
    {"atEightTenths", 8, 10, 25.467}, {"aboveEightTenths", 8.01, 10, std::nullopt},
    {"eightyPercentOf12", 0.8 * 12, 12, 25.467}, {"eightyPercentOf24", 0.8 * 24, 24, 25.467},
    {"noRatedPersons", 0, 0, std::nullopt}};
INSTANTIATE_TEST_SUITE_P(Engine, AverageWaiting, testing::ValuesIn(kWaiting), CaseName());

struct GradeCase {
    const char* name;
    double interval;
    IntervalGrade grade;
};

class Grades : public testing::TestWithParam<GradeCase> {};

TEST_P(Grades, ThresholdsBelongToTheBetterGrade)
{
    EXPECT_EQ(intervalGrade(GetParam().interval), GetParam().grade);
}

// The thresholds 20, 25 and 30 s close the better grade; 50 s opens the worst.
using G = IntervalGrade;
const GradeCase kGrades[] = {
    {"at20", 20, G::Excellent},      {"above20", 20.001, G::Good},  {"at25", 25, G::Good},
    {"above25", 25.001, G::Satisfactory}, {"at30", 30, G::Satisfactory}, {"above30", 30.001, G::Poor},
    {"below50", 49.99, G::Poor},     {"at50", 50, G::Unsatisfactory}};
INSTANTIATE_TEST_SUITE_P(Engine, Grades, testing::ValuesIn(kGrades), CaseName());

}  // namespace
}  // namespace trevalo::engine
