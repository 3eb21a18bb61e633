#pragma once

#include <optional>

namespace trevalo::engine {

// The rated speed selects the coefficients of the car's motion: Low up to and
// including 2 m/s, High from 5 m/s, Middle between.
enum class SpeedClass { Low, Middle, High };

// The motion law of one speed class. A and B give the run distance from the peak
// speed (A x^2 + B x), C and D the run time (C + D x); K, E, G and F the inverse, the
// peak speed from the run distance ((sqrt(K d + E) - G) / F). The constants are used
// exactly as published, not derived from each other: High's F differs from its D in
// the last digit.
struct MotionLaw {
    double a, b, c, d, k, e, g, f;
};

// Passengers, probable stops and highest reversal floor for one rated load.
struct TrafficLoad {
    double persons = 0;  // rated persons of the load, 75 kg each
    double upPassengers = 0;
    double downPassengers = 0;
    double upStops = 0;
    double downStops = 0;
    double totalStops = 0;       // taken before the round trip adjusts anything
    double totalPassengers = 0;
    double highestReversal = 0;  // counted in served floors
    double floorsAboveReversal = 0;
};

// The figures of one configuration: rated load and number of cars decided.
struct CaseResult {
    double roundTripTime = 0;
    double interval = 0;           // round trip time / cars: the longest waiting time
    double handlingCapacity = 0;   // persons per car per five minutes
    double groupCapacity = 0;
    double handlingPercent = 0;    // of the population
    double groupPercent = 0;
    double cars = 0;               // the number of cars the group figures count
};

struct MachineRoomFigures {
    double structuralLoad = 0;          // kg on the machine-room floor
    double structuralForce = 0;         // kN, the same load under standard gravity
    int ropeCount = 4;
    std::optional<double> pitDepth;     // m; only for the rated speeds of the table
    std::optional<float> headroom;      // m, single precision like the table it comes from
    // The terms of the structural load, as the calculation used them (kg).
    double ratedLoad = 0;        // as entered, not rounded down to whole persons
    double finishingWeight = 0;
    double carWeight = 0;        // twice the rated load plus the finishing
    double counterweight = 0;    // the car and half the rated load
    double ropeWeight = 0;       // every rope twice the travel at 50 kg per 100 m
};

// One row of the load table.
struct LoadTableRow {
    double load = 0;  // kg
    double upPassengers = 0;
    double downPassengers = 0;
    double roundTripTime = 0;
    double handlingPercent = 0;
    double handlingCapacity = 0;
    double upStops = 0;
    float highestReversal = 0;  // held in single precision
};

// The worked quantities of one evaluated load, in the order the calculation reaches them.
struct CalculationSteps {
    // inputs as the calculation read them
    double floorsServed = 0;     // N
    double population = 0;       // U
    double travel = 0;           // H, m
    double floorHeight = 0;      // df, m
    double ratedSpeed = 0;       // v, m/s
    SpeedClass speedClass = SpeedClass::Low;
    MotionLaw motionLaw{};       // the coefficients of that class
    float expressDistance = 0;   // Ze, m (entered, or derived from H, df, N)
    double doorWidth = 0;        // W normalised, mm
    double load = 0;             // evaluated load, kg
    double persons = 0;          // load / 75
    // population model
    double upPassengers = 0, downPassengers = 0, totalPassengers = 0;
    double upStops = 0, downStops = 0, totalStops = 0;
    double highestReversal = 0, floorsAboveReversal = 0;
    // run model and flight
    double fullSpeedDistance = 0;  // da
    double fullSpeedTime = 0;      // ta
    double expressTime = 0;        // t_x
    double upFlight = 0, downFlight = 0;
    float flightTime = 0;
    // door, transfer and losses
    double baseDoorTime = 0;             // t_d as the door table gives it
    double advanceOpeningReduction = 0;  // s taken off t_d for opening while levelling
    double fastOfficeReduction = 0;      // s taken off t_d for a fast office or hotel car
    double doorTimePerStop = 0;          // t_d after its reductions
    double transferTimePerPassenger = 0; // t_p
    double doorTimeTotal = 0, transferTime = 0, lossTime = 0, roundTripTime = 0;
    double handlingCapacity = 0, handlingPercent = 0;
};

}  // namespace trevalo::engine
