#include "engine/analysis/population_model.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

Population evenly(double floors, double upPercent, double downPercent)
{
    return {.floorsServed = floors, .total = 500, .floorValues = {}, .upPercent = upPercent, .downPercent = downPercent};
}

struct SpreadCase {
    const char* name;
    double floors, passengers;
    double reversal, stops, tolerance;
};

class EvenSpread : public testing::TestWithParam<SpreadCase> {};

TEST_P(EvenSpread, ReversalFloorAndProbableStops)
{
    const SpreadCase& c = GetParam();
    // A full share of one 75 kg person per passenger: the up passengers are c.passengers.
    const TrafficLoad load = trafficLoad(evenly(c.floors, 100, 0), 75 * c.passengers);
    EXPECT_NEAR(load.highestReversal, c.reversal, c.tolerance);
    EXPECT_NEAR(load.upStops, c.stops, c.tolerance);
}

// The first four rows are cells of the CIBSE Guide D table of H and S for an evenly
// spread population (given to one decimal); the fifth is the published ten-floor example. Two
// floors and 4 passengers by hand: HR = 2 - (1/2)^4, S = 2 (1 - (1/2)^4).
INSTANTIATE_TEST_SUITE_P(Engine, EvenSpread,
                         testing::Values(SpreadCase{"guideFourFloors", 4, 4, 3.6, 2.7, 0.05},
                                         SpreadCase{"guideTenFloorsLight", 10, 9.6, 9.5, 6.4, 0.05},
                                         SpreadCase{"guideTenFloorsHeavy", 10, 16, 9.8, 8.1, 0.05},
                                         SpreadCase{"guideThirteenFloors", 13, 24, 12.8, 11.1, 0.05},
                                         SpreadCase{"eightPassengers", 10, 8, 9.32268667, 5.6953279, 5e-8},
                                         SpreadCase{"twoFloors", 2, 4, 1.9375, 1.875, 1e-12}),
                         CaseName());

// With everybody on one floor a car stops there only and always reverses there.
TEST(PopulationModel, EverybodyOnOneFloor)
{
    const Population oneFloorOccupied{.floorsServed = 4, .spread = PopulationSpread::PerFloor, .total = 100,
                                      .floorValues = {0, 0, 100, 0}, .upPercent = 30, .downPercent = 20};
    const TrafficLoad load = trafficLoad(oneFloorOccupied, 975);
    EXPECT_DOUBLE_EQ(load.upStops, 1);
    EXPECT_DOUBLE_EQ(load.highestReversal, 3);
}

}  // namespace
}  // namespace trevalo::engine
