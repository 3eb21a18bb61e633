#pragma once

#include "engine/simulation/simulation_route.h"
#include "engine/simulation/simulation_types.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace trevalo::engine {

// One passenger's way: from the floor it arrives at into a car and to its destination floor.
struct Passage {
    double arrival = 0;
    int floor = 0;  // the destination
    int car = 0;  // from 0
    double boardingStart = 0;
    double destinationTime = 0;
    int origin = 0;
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
// each passenger's kind drawn by the mix and its floors by the floors' populations.
std::vector<Arrival> randomArrivals(const SimulationSetup& setup, int replication);

// The group serving these arrivals (in order of time) until every passenger is delivered;
// runs, when given, are the building's run durations, else worked out here.
ReplicationRun runReplication(const SimulationSetup& setup, const std::vector<Arrival>& arrivals,
                              const std::atomic<bool>* cancel, const RunTimes* runs = nullptr);

}  // namespace trevalo::engine
