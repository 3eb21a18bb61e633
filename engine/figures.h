#pragma once

#include <optional>

namespace trevalo::engine {

// Passengers, probable stops and highest reversal floor for one rated load.
struct TrafficLoad {
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
};

struct MachineRoomFigures {
    double structuralLoad = 0;          // kg on the machine-room floor
    int ropeCount = 4;
    std::optional<double> pitDepth;     // m; only for the rated speeds of the table
    std::optional<float> headroom;      // m, single precision like the table it comes from
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

}  // namespace trevalo::engine
