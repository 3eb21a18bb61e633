#pragma once

#include "engine/simulation.h"
#include "engine/simulation_replication.h"

#include <array>
#include <vector>

namespace trevalo::engine {

// What one replication adds to the summary.
struct ReplicationTally {
    ReplicationFigures figures;
    std::vector<double> waits;  // of the counted passengers
    double waitSum = 0;
    double destinationSum = 0;  // of the times to destination
    std::array<std::size_t, kWaitBins> histogram{};
};

ReplicationTally tallyReplication(const SimulationSetup& setup, const ReplicationRun& run);

// The figures over all replications, taken in replication order.
SimulationSummary summarise(std::vector<ReplicationTally>& tallies);

}  // namespace trevalo::engine
