#include "engine/population_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trevalo::engine {
namespace {

Population evenly(double floors, double upPercent, double downPercent)
{
    Population population;
    population.floorsServed = floors;
    population.total = 500;
    population.upPercent = upPercent;
    population.downPercent = downPercent;
    return population;
}

TEST(PopulationModel, EvenSpreadTenFloorsEightPassengers)
{
    // 800 % of one person per 75 kg: eight passengers up.
    const TrafficLoad load = trafficLoad(evenly(10, 800, 0), 75);
    EXPECT_NEAR(load.upStops, 5.6953279, 5e-8);
    EXPECT_NEAR(load.floorsAboveReversal, 0.67731333, 5e-9);
    EXPECT_NEAR(load.highestReversal, 9.32268667, 5e-9);
    EXPECT_EQ(load.downStops, 1);  // nobody down still makes one run
}

TEST(PopulationModel, NobodyUpMeansOneStopAndTheTopFloor)
{
    const TrafficLoad load = trafficLoad(evenly(10, 0, 20), 975);
    EXPECT_EQ(load.upStops, 1);
    EXPECT_EQ(load.highestReversal, 1);  // every term of the reversal sum is 1
}

TEST(PopulationModel, OneFloorReversesAtTheFirstFloor)
{
    const TrafficLoad load = trafficLoad(evenly(1, 30, 20), 975);
    EXPECT_EQ(load.highestReversal, 1);
    EXPECT_EQ(load.floorsAboveReversal, 0);
}

TEST(PopulationModel, FractionalFloorCountRunsToTheLastWholeFloor)
{
    EXPECT_EQ(floorCount(10), 10);
    EXPECT_EQ(floorCount(10.5), 10);
    EXPECT_EQ(floorCount(0.5), 0);
}

TEST(PopulationModel, EverybodyOnOneFloorStopsOnce)
{
    Population population = evenly(4, 30, 20);
    population.spread = PopulationSpread::PerFloor;
    population.total = 100;
    population.floorValues = {0, 0, 100, 0};
    const TrafficLoad load = trafficLoad(population, 975);
    EXPECT_DOUBLE_EQ(load.upStops, 1);
    // Floors 1 and 2 hold nobody, the third everybody: the car always reverses at floor 3.
    EXPECT_DOUBLE_EQ(load.highestReversal, 3);
}

TEST(PopulationModel, PerFloorDecimalsNeedNotAddUp)
{
    Population population = evenly(2, 30, 20);
    population.spread = PopulationSpread::PerFloor;
    population.total = 2;
    population.floorValues = {0.6, 0.6};  // the stored total is the rounded sum
    const TrafficLoad load = trafficLoad(population, 975);
    EXPECT_NEAR(load.upStops, 2 - 2 * std::pow(0.7, 3.9), 1e-12);
}

}  // namespace
}  // namespace trevalo::engine
