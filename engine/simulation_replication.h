#pragma once

#include "engine/simulation.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace trevalo::engine {

// One passenger's way: from the main floor into a car and to its floor.
struct Passage {
    double arrival = 0;
    int floor = 0;
    int car = 0;  // from 0
    double boardingStart = 0;
    double destinationTime = 0;
};

// A car leaving the main floor.
struct Departure {
    int car = 0;  // from 0
    double doorsClose = 0;
    double leaves = 0;
    std::int64_t passengers = 0;
};

struct ReplicationRun {
    std::vector<Passage> passages;  // in arrival order
    std::vector<Departure> departures;  // in time order
    bool cancelled = false;
};

// The random arrivals of replication r (from 0): a Poisson process over the arrival period,
// destinations drawn by the floors' populations.
std::vector<Arrival> randomArrivals(const SimulationSetup& setup, int replication);

// The cars serving these arrivals (in order of time) until every passenger is delivered.
ReplicationRun runReplication(const SimulationSetup& setup, const std::vector<Arrival>& arrivals,
                              const std::atomic<bool>* cancel);

}  // namespace trevalo::engine
