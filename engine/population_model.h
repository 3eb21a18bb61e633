#pragma once

#include "engine/analysis_inputs.h"
#include "engine/figures.h"

#include <vector>

namespace trevalo::engine {

// The building's population as the traffic model sees it.
struct Population {
    double floorsServed = 0;  // N, as entered: not rounded
    PopulationSpread spread = PopulationSpread::Even;
    double total = 0;                   // U
    std::vector<double> floorValues;    // U_i for i = 0 .. N - 1 (per-floor spread only)
    double upPercent = 0;
    double downPercent = 0;
};

// The floor indices i = 0, 1, ... with i <= N - 1, N being a double as entered.
inline int floorCount(double floorsServed)
{
    int count = 0;
    while (count <= floorsServed - 1)
        ++count;
    return count;
}

// Passengers per trip, probable stops and highest reversal floor for one rated load (kg).
TrafficLoad trafficLoad(const Population& population, double load);

}  // namespace trevalo::engine
