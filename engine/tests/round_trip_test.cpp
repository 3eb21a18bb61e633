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

TEST(RoundTrip, OneFloorResidentialHasNoTransferTime)
{
    WorkedCase oneFloor;
    oneFloor.installation.floorsServed = oneFloor.population.floorsServed = 1;
    oneFloor.installation.travel = 3;
    const auto trip = roundTrip(oneFloor.installation, trafficLoad(oneFloor.population, 975));
    ASSERT_TRUE(trip);
    EXPECT_EQ(trip->transferTime, 0);
    EXPECT_DOUBLE_EQ(trip->roundTripTime, trip->flightTime + trip->doorTimeTotal * 1.05);
}

struct DoorCase {
    BuildingType type;
    double speed;
    bool advance;
    DoorType door;
    double width;
    double doorTime;
    double transferTime;
};

class DoorTimes : public testing::TestWithParam<DoorCase> {};

TEST_P(DoorTimes, ByDoorWidthBuildingAndSpeed)
{
    const DoorCase& c = GetParam();
    WorkedCase worked;
    worked.installation.buildingType = c.type;
    worked.installation.ratedSpeed = c.speed;
    worked.installation.advanceOpening = c.advance;
    worked.installation.doorType = c.door;
    worked.installation.doorWidth = c.width;
    const auto trip = roundTrip(worked.installation, trafficLoad(worked.population, 975));
    ASSERT_TRUE(trip);
    EXPECT_DOUBLE_EQ(trip->doorTimePerStop, c.doorTime);
    EXPECT_DOUBLE_EQ(trip->transferTimePerPassenger, c.transferTime);
}

// Advance opening saves a second per stop, and so does a fast car in an office building
// or hotel (not in an owner-occupied office). A four-panel door takes the time of the
// two-panel centre-opening door of its halved width.
INSTANTIATE_TEST_SUITE_P(
    Engine, DoorTimes,
    testing::Values(DoorCase{BuildingType::Residential, 1.75, false, DoorType::TwoPanelCentre, 1000, 4.8, 0.9},
                    DoorCase{BuildingType::Residential, 1.75, true, DoorType::TwoPanelCentre, 1000, 3.8, 0.9},
                    DoorCase{BuildingType::OfficeAndHotel, 1.75, false, DoorType::TwoPanelCentre, 1000, 4.8, 0.9},
                    DoorCase{BuildingType::OfficeAndHotel, 2, true, DoorType::TwoPanelCentre, 1000, 2.8, 0.9},
                    DoorCase{BuildingType::OwnerOccupiedOffice, 2, false, DoorType::TwoPanelCentre, 1000, 4.8, 0.9},
                    DoorCase{BuildingType::Residential, 1.75, false, DoorType::TwoPanelSide, 850, 5.6, 1},
                    DoorCase{BuildingType::Residential, 1.75, false, DoorType::TwoPanelSide, 1500, 7.1, 0.45},
                    DoorCase{BuildingType::Residential, 1.75, false, DoorType::TwoPanelCentre, 1500, 7, 0.45},
                    DoorCase{BuildingType::Residential, 2, true, DoorType::FourPanelCentre, 1000, 3.8, 0.45}));

}  // namespace
}  // namespace trevalo::engine
