#pragma once

#include "engine/simulation/simulation_replication.h"
#include "engine/simulation/simulation_types.h"

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
    std::array<std::size_t, kPassengerKinds> kindCount{};
    std::array<double, kPassengerKinds> kindWaitSum{}, kindDestinationSum{};
    std::vector<std::size_t> floorCount;  // by origin floor 0 ... N
    std::vector<double> floorWaitSum;
};

ReplicationTally tallyReplication(const SimulationSetup& setup, const ReplicationRun& run);

// The figures over all replications, taken in replication order.
SimulationSummary summarise(std::vector<ReplicationTally>& tallies);

}  // namespace trevalo::engine
