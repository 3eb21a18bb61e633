#include "engine/analysis/run_model.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <optional>

namespace trevalo::engine {
namespace {

struct RunCase {
    const char* name;
    double speed, distance;
    std::optional<double> duration;  // empty: the run has no duration
};

class RunDurations : public testing::TestWithParam<RunCase> {};

TEST_P(RunDurations, FollowTheMotionLawOfTheSpeedClass)
{
    const auto duration = runDuration(GetParam().speed, GetParam().distance);
    ASSERT_EQ(duration.has_value(), GetParam().duration.has_value());
    EXPECT_NEAR(duration.value_or(0), GetParam().duration.value_or(0), 1e-9);
}

// Durations worked out by a throwaway script from the tabulated motion-law constants
// (short runs from the peak speed, long ones from the full-speed run); the class limits
// are 2 (still slow) and 5 m/s (already fast).
INSTANTIATE_TEST_SUITE_P(
    Engine, RunDurations,
    testing::Values(RunCase{"lowShort", 1, 1, 4.059949151995}, RunCase{"lowZeroLength", 1, 0, 2.4},
                    RunCase{"lowFullSpeedExactly", 1, 1.96984, 4.93968}, RunCase{"lowLimitLong", 2, 10, 9.23968},
                    RunCase{"lowSlightlyBackwards", 2, -0.05, 2.185831246422}, RunCase{"lowTooFar", 1, -0.1, std::nullopt},
                    RunCase{"middleFullSpeedExactly", 4, 22.777776, 11.38888},
                    RunCase{"middleShort", 2.5, 5, 6.126956017846}, RunCase{"middleLong", 4.999, 40, 14.806034211064},
                    RunCase{"highLimitShort", 5, 10, 7.155150791969}, RunCase{"highLong", 6, 60, 16.92914}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine
