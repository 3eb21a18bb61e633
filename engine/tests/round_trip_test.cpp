#include "engine/population_model.h"
#include "engine/round_trip.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

// The worked case: a residential building of 10 served floors and 500 persons, evenly
// spread; 30 m travel, 3 m floors, 2CO 900 mm, 1.75 m/s, 1000 kg evaluated as 975 kg.
struct WorkedCase {
    Installation installation;
    Population population;
    WorkedCase()
    {
        installation.buildingType = BuildingType::Residential;
        installation.floorsServed = 10;
        installation.population = 500;
        installation.travel = 30;
        installation.floorHeight = 3;
        installation.doorType = DoorType::TwoPanelCentre;
        installation.doorWidth = 900;
        installation.lossPercent = 5;
        installation.ratedSpeed = 1.75;
        population.floorsServed = 10;
        population.total = 500;
        population.upPercent = 30;
        population.downPercent = 20;
    }
};

TEST(RoundTrip, WorkedCaseIntermediateFigures)
{
    const WorkedCase worked;
    const TrafficLoad load = trafficLoad(worked.population, 975);
    EXPECT_NEAR(load.upPassengers, 3.9, 1e-12);
    EXPECT_NEAR(load.downPassengers, 2.6, 1e-12);
    EXPECT_NEAR(load.upStops, 3.3695075, 5e-8);
    EXPECT_NEAR(load.downStops, 2.3962028, 5e-8);
    EXPECT_NEAR(load.highestReversal, 8.4267134, 5e-8);

    const auto trip = roundTrip(worked.installation, load);
    ASSERT_TRUE(trip);
    EXPECT_FLOAT_EQ(trip->expressDistance, 3.0f);
    EXPECT_NEAR(trip->expressTime, 5.6658643, 5e-8);
    EXPECT_NEAR(trip->flightTime, 51.56469, 5e-6);
    EXPECT_DOUBLE_EQ(trip->doorTimePerStop, 4.5);
    EXPECT_DOUBLE_EQ(trip->transferTimePerPassenger, 0.95);
    EXPECT_NEAR(trip->doorTimeTotal, 25.9456965, 5e-8);
    EXPECT_NEAR(trip->transferTime, 14.0594162, 5e-8);
    EXPECT_NEAR(trip->lossTime, 2.0002556, 5e-8);
    EXPECT_NEAR(trip->roundTripTime, 93.570058, 5e-7);
}

}  // namespace
}  // namespace trevalo::engine
