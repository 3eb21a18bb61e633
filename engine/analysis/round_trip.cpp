#include "engine/analysis/round_trip.h"

#include "engine/analysis/door_timing.h"
#include "engine/analysis/run_model.h"

#include <cmath>

namespace trevalo::engine {

namespace {

// One direction of the round trip: an express run (when it stops more than once)
// followed by runs between its stops.
struct Journey {
    double runs = 0;       // number of runs between stops
    double distance = 0;   // m covered by those runs
    bool hasExpressRun = false;
    double meanRun() const { return distance / runs; }
};

Journey journey(const Installation& installation, double stops, float expressDistance,
                double topGap)
{
    if (stops != 1)
        return {stops - 1, (installation.travel - expressDistance) - topGap, true};
    return {1, installation.travel - topGap, false};
}

double flightTime(double speed, const RoundTrip& round, const Journey& trip)
{
    const double meanRun = trip.meanRun();
    double time = 0;
    if (meanRun >= round.fullSpeedDistance)
        time = trip.runs * round.fullSpeedTime + (trip.distance - trip.runs * round.fullSpeedDistance) / speed;
    else
        time = trip.runs * runTime(speed, peakSpeed(speed, meanRun));
    if (trip.hasExpressRun)
        time += round.expressTime;
    return time;
}

double transferTime(const Installation& installation, const TrafficLoad& load, double perPassenger)
{
    if (installation.buildingType == BuildingType::Residential && installation.floorsServed == 1)
        return 0;
    // The exponent is the tabulated 0.3333, not one third.
    constexpr double kExponent = 0.3333;
    const double up = load.upPassengers;
    const double down = load.downPassengers;
    double crowding = 0;
    if (up > 0 && down == 0)
        crowding = std::pow(load.totalStops, kExponent) * up * perPassenger;
    else if (up == 0 && down > 0)
        crowding = std::pow(load.totalStops, kExponent) * down * perPassenger;
    else if (up > 0 && down > 0)
        crowding = (std::pow(load.upStops, kExponent) * up + std::pow(load.downStops, kExponent) * down) *
                   perPassenger;
    // 0.8 s per passenger plus the crowding term; for offices that figure is averaged
    // with a further 2 s per passenger.
    const double passengers = load.totalPassengers;
    if (installation.buildingType == BuildingType::Residential)
        return 0.8 * passengers + crowding;
    return (0.8 * passengers + crowding + 2 * passengers) / 2;
}

}  // namespace

float expressDistanceOf(const Installation& installation)
{
    if (installation.expressZoneSet)
        return installation.expressDistance;
    return static_cast<float>(installation.travel - installation.floorHeight * (installation.floorsServed - 1));
}

DoorTimes doorTimesOf(const Installation& installation)
{
    DoorTimes times;
    const DoorTiming timing = doorTiming(installation.doorType, installation.doorWidth);
    times.base = timing.doorTime;
    // Opening the doors while the car levels saves about a second per stop; office and
    // hotel lifts above 1.75 m/s have faster doors, another second.
    if (installation.advanceOpening)
        times.advanceOpeningReduction = 1;
    if (installation.buildingType == BuildingType::OfficeAndHotel && installation.ratedSpeed > 1.75)
        times.fastOfficeReduction = 1;
    times.perStop = times.base - times.advanceOpeningReduction - times.fastOfficeReduction;
    times.transferPerPassenger = timing.transferTime;
    return times;
}

std::optional<RoundTrip> roundTrip(const Installation& installation, const TrafficLoad& load)
{
    RoundTrip trip;
    const double speed = installation.ratedSpeed;
    trip.expressDistance = expressDistanceOf(installation);
    const double topGap = installation.floorHeight * load.floorsAboveReversal;
    const Journey up = journey(installation, load.upStops, trip.expressDistance, topGap);
    const Journey down = journey(installation, load.downStops, trip.expressDistance, topGap);

    // The express run is checked for every load, even when neither journey makes it.
    if (!runIsPossible(speed, up.meanRun()) || !runIsPossible(speed, down.meanRun()) ||
        !runIsPossible(speed, trip.expressDistance))
        return std::nullopt;
    trip.fullSpeedDistance = fullSpeedDistance(speed);
    trip.fullSpeedTime = fullSpeedTime(speed);
    trip.expressTime = *runDuration(speed, trip.expressDistance);
    trip.upFlight = flightTime(speed, trip, up);
    trip.downFlight = flightTime(speed, trip, down);
    trip.flightTime = static_cast<float>(trip.upFlight + trip.downFlight);

    const DoorTimes doors = doorTimesOf(installation);
    trip.baseDoorTime = doors.base;
    trip.advanceOpeningReduction = doors.advanceOpeningReduction;
    trip.fastOfficeReduction = doors.fastOfficeReduction;
    trip.doorTimePerStop = doors.perStop;
    trip.transferTimePerPassenger = doors.transferPerPassenger;
    trip.doorTimeTotal = load.totalStops * trip.doorTimePerStop;
    trip.transferTime = transferTime(installation, load, doors.transferPerPassenger);
    trip.lossTime = (trip.transferTime + trip.doorTimeTotal) * installation.lossPercent / 100;
    trip.roundTripTime = trip.flightTime + (trip.lossTime + (trip.transferTime + trip.doorTimeTotal));
    // Handling capacity: passengers carried by one car in five minutes (300 s).
    trip.handlingCapacity = 300 * load.totalPassengers / trip.roundTripTime;
    trip.handlingPercent = 100 * trip.handlingCapacity / installation.population;
    return trip;
}

CalculationSteps calculationSteps(const Installation& installation, double load,
                                  const TrafficLoad& traffic, const RoundTrip& trip)
{
    CalculationSteps steps;
    steps.floorsServed = installation.floorsServed;
    steps.population = installation.population;
    steps.travel = installation.travel;
    steps.floorHeight = installation.floorHeight;
    steps.ratedSpeed = installation.ratedSpeed;
    steps.speedClass = speedClass(installation.ratedSpeed);
    steps.motionLaw = motionLaw(installation.ratedSpeed);
    steps.expressDistance = trip.expressDistance;
    steps.doorWidth = installation.doorWidth;
    steps.load = load;
    steps.persons = traffic.persons;
    steps.upPassengers = traffic.upPassengers;
    steps.downPassengers = traffic.downPassengers;
    steps.totalPassengers = traffic.totalPassengers;
    steps.upStops = traffic.upStops;
    steps.downStops = traffic.downStops;
    steps.totalStops = traffic.totalStops;
    steps.highestReversal = traffic.highestReversal;
    steps.floorsAboveReversal = traffic.floorsAboveReversal;
    steps.fullSpeedDistance = trip.fullSpeedDistance;
    steps.fullSpeedTime = trip.fullSpeedTime;
    steps.expressTime = trip.expressTime;
    steps.upFlight = trip.upFlight;
    steps.downFlight = trip.downFlight;
    steps.flightTime = trip.flightTime;
    steps.baseDoorTime = trip.baseDoorTime;
    steps.advanceOpeningReduction = trip.advanceOpeningReduction;
    steps.fastOfficeReduction = trip.fastOfficeReduction;
    steps.doorTimePerStop = trip.doorTimePerStop;
    steps.transferTimePerPassenger = trip.transferTimePerPassenger;
    steps.doorTimeTotal = trip.doorTimeTotal;
    steps.transferTime = trip.transferTime;
    steps.lossTime = trip.lossTime;
    steps.roundTripTime = trip.roundTripTime;
    steps.handlingCapacity = trip.handlingCapacity;
    steps.handlingPercent = trip.handlingPercent;
    return steps;
}

}  // namespace trevalo::engine
