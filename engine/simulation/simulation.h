#pragma once

#include "engine/simulation/simulation_types.h"

#include <atomic>
#include <functional>

namespace trevalo::engine {

// Runs the replications on the machine's cores; the figures do not depend on how many.
// progress, when given, is called on the calling thread as replications finish.
SimulationSummary simulate(const SimulationSetup& setup, bool keepTrace = false,
                           const std::atomic<bool>* cancel = nullptr,
                           const std::function<void(int done, int total)>& progress = {});

}  // namespace trevalo::engine
