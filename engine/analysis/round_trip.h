#pragma once

#include "engine/analysis/figures.h"
#include "engine/analysis_inputs.h"

#include <optional>

namespace trevalo::engine {

// The installation's data that the round trip depends on.
struct Installation {
    BuildingType buildingType = BuildingType::Residential;
    double floorsServed = 0;  // N, as entered
    double population = 0;    // U
    double travel = 0;        // H, m
    double floorHeight = 0;   // df, m
    bool expressZoneSet = false;
    float expressDistance = 0;  // Ze, m, as entered when the zone is set
    DoorType doorType = DoorType::TwoPanelCentre;
    double doorWidth = 0;  // normalised, mm
    bool advanceOpening = false;
    double lossPercent = 0;
    double ratedSpeed = 0;  // v, m/s
};

// One load's round trip and the steps it is made of.
struct RoundTrip {
    float expressDistance = 0;  // m; the travel below the lowest served floor when no zone is set
    double fullSpeedDistance = 0;  // m, the shortest run that reaches the rated speed
    double fullSpeedTime = 0;      // s, its duration
    double expressTime = 0;     // s
    double upFlight = 0;        // s, each journey with its express run when it makes one
    double downFlight = 0;
    float flightTime = 0;       // s, up and down journeys
    double baseDoorTime = 0;  // from the door table
    double advanceOpeningReduction = 0;
    double fastOfficeReduction = 0;
    double doorTimePerStop = 0;
    double transferTimePerPassenger = 0;
    double doorTimeTotal = 0;
    double transferTime = 0;
    double lossTime = 0;
    double roundTripTime = 0;
    double handlingCapacity = 0;  // persons per car in five minutes
    double handlingPercent = 0;   // of the population
};

// The distance from the main floor to the lowest served floor: the express distance as
// entered when the zone is set, else the travel less the served floors' span, in single
// precision either way.
float expressDistanceOf(const Installation& installation);

// The door time of one stop after its reductions, and the transfer time of one passenger.
struct DoorTimes {
    double base = 0;  // from the door table
    double advanceOpeningReduction = 0;
    double fastOfficeReduction = 0;
    double perStop = 0;
    double transferPerPassenger = 0;
};

DoorTimes doorTimesOf(const Installation& installation);

// Empty when a run of the journey has no duration: the travel, express distance and
// floor data are inconsistent (a negative run length).
std::optional<RoundTrip> roundTrip(const Installation& installation, const TrafficLoad& load);

// The worked quantities of one evaluated load (kg), gathered from the figures above.
CalculationSteps calculationSteps(const Installation& installation, double load,
                                  const TrafficLoad& traffic, const RoundTrip& trip);

}  // namespace trevalo::engine
