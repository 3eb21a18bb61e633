#include "engine/door_timing.h"
#include "engine/run_model.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

struct FullSpeedCase {
    const char* name;
    double speed;
    double distance;
    double time;
};

class FullSpeed : public testing::TestWithParam<FullSpeedCase> {};

TEST_P(FullSpeed, DistanceAndTime)
{
    EXPECT_NEAR(fullSpeedDistance(GetParam().speed), GetParam().distance, 5e-6);
    EXPECT_NEAR(fullSpeedTime(GetParam().speed), GetParam().time, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(Engine, FullSpeed,
                         testing::Values(FullSpeedCase{"low", 1, 1.96984, 4.93968},
                                         FullSpeedCase{"middle", 2.5, 10.06944, 8.05555},
                                         FullSpeedCase{"high", 6, 43.37514, 14.15833}),
                         CaseName());

struct ClassCase {
    const char* name;
    double speed;
    SpeedClass speedClass;
};

class SpeedClasses : public testing::TestWithParam<ClassCase> {};

TEST_P(SpeedClasses, BoundariesBelongToTheirClass)
{
    EXPECT_EQ(speedClass(GetParam().speed), GetParam().speedClass);
}

INSTANTIATE_TEST_SUITE_P(Engine, SpeedClasses,
                         testing::Values(ClassCase{"two", 2, SpeedClass::Low},
                                         ClassCase{"justAboveTwo", 2.0001, SpeedClass::Middle},
                                         ClassCase{"justBelowFive", 4.999, SpeedClass::Middle},
                                         ClassCase{"five", 5, SpeedClass::High}),
                         CaseName());

TEST(RunDuration, ShortAndFullSpeedRuns)
{
    EXPECT_EQ(*runDuration(1.75, fullSpeedDistance(1.75)), fullSpeedTime(1.75));
    EXPECT_DOUBLE_EQ(*runDuration(1, 0), 2.4);  // a zero-length run still costs the constant part
    EXPECT_FALSE(runDuration(1, -0.1));
    const auto shortReverse = runDuration(1, -0.05);
    ASSERT_TRUE(shortReverse);
    EXPECT_LT(*shortReverse, 2.4);
    EXPECT_LT(peakSpeed(1, -0.05), 0);
    // Past the full-speed distance the car runs at rated speed.
    EXPECT_DOUBLE_EQ(*runDuration(2, fullSpeedDistance(2) + 10), fullSpeedTime(2) + 5);
    // The peak speed inverts the run distance within rounding.
    EXPECT_NEAR(peakSpeed(3, runDistance(3, 1.2)), 1.2, 1e-5);
}

struct WidthCase {
    const char* name;
    double width;
    double normalised;
};

class DoorWidths : public testing::TestWithParam<WidthCase> {};

TEST_P(DoorWidths, Normalised) { EXPECT_EQ(normaliseDoorWidth(GetParam().width), GetParam().normalised); }

INSTANTIATE_TEST_SUITE_P(Engine, DoorWidths,
                         testing::Values(WidthCase{"standard", 850, 850}, WidthCase{"between", 899, 850},
                                         WidthCase{"thousand", 1000, 1000}, WidthCase{"thousandFifty", 1050, 1000},
                                         WidthCase{"aboveThousand", 1499, 1400}, WidthCase{"widest", 1500, 1500}),
                         CaseName());

}  // namespace
}  // namespace trevalo::engine
