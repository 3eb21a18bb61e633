#include "engine/simulation/student_t.h"

#include <gtest/gtest.h>

#include <utility>

namespace trevalo::engine {
namespace {

class StudentT : public testing::TestWithParam<std::pair<int, double>> {};

TEST_P(StudentT, GivesTheTwoSidedNinetyFivePercentQuantile)
{
    EXPECT_NEAR(studentT95(GetParam().first), GetParam().second, 2e-7) << GetParam().first << " degrees of freedom";
}

// Solved for by bisection on Simpson's integral of the density (a throwaway script), which gives
// the printed tables' values at 4, 10 and 30; the table ends at 30, the expansion takes over at 31.
INSTANTIATE_TEST_SUITE_P(Simulation, StudentT,
                         testing::Values(std::pair{1, 12.706204736}, std::pair{4, 2.776445105}, std::pair{10, 2.228138852},
                                         std::pair{30, 2.042272456}, std::pair{31, 2.039513446}, std::pair{40, 2.021075390},
                                         std::pair{60, 2.000297822}, std::pair{120, 1.979930405},
                                         std::pair{1000, 1.962339081}));

}  // namespace
}  // namespace trevalo::engine
