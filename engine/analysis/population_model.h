#pragma once

#include "engine/analysis/figures.h"
#include "engine/analysis_inputs.h"

#include <vector>

namespace trevalo::engine {

// One passenger counts as 75 kg: a rated load carries load / 75 persons.
constexpr double kPersonMass = 75;

// The building's population as the traffic model sees it.
struct Population {
    double floorsServed = 0;  // N, as entered: not rounded
    PopulationSpread spread = PopulationSpread::Even;
    double total = 0;                   // U
    std::vector<double> floorValues;    // U_i for i = 0 .. N - 1 (per-floor spread only)
    double upPercent = 0;
    double downPercent = 0;
};

// The per-floor shares that the probable stops raise to a power, with floors of equal
// population sharing one base: the power is then taken once per distinct base and the
// terms are still added floor by floor, so the sums stay exactly those of the formula.
struct StopBases {
    std::vector<double> distinctBases;       // 1 - U_i / U
    std::vector<std::size_t> baseOfFloor;    // index into distinctBases, floor by floor
};

StopBases stopBases(const Population& population);

// How many served floors every floor loop visits: the count of the indices
// i = 0, 1, ... with i <= N - 1, N unrounded as entered (N = 2.5 visits 2 floors,
// N = 1 one). The one rule for every layer that walks the served floors.
inline int floorCount(double floorsServed)
{
    int count = 0;
    while (count <= floorsServed - 1)
        ++count;
    return count;
}

// Passengers per trip, probable stops and highest reversal floor for one rated load (kg).
// The bases are those of stopBases(population); without them they are derived here.
TrafficLoad trafficLoad(const Population& population, double load, const StopBases* bases = nullptr);

}  // namespace trevalo::engine
