#pragma once

#include "engine/analysis/analysis_outcome.h"
#include "engine/analysis_inputs.h"
#include "engine/refusal.h"
#include "engine/simulation/simulation_entries.h"
#include "engine/simulation/simulation_types.h"

#include <variant>

namespace trevalo::engine {

// The entries of the calculation (with the rated load and number of cars decided) and of the
// simulation, checked. An empty demand takes defaultDemandPercent, the project's target.
std::variant<Refusal, SimulationSetup> checkSimulation(const AnalysisInputs& inputs,
                                                       const SimulationEntries& entries,
                                                       double defaultDemandPercent);
// The same with the calculation's outcome for these inputs already at hand.
std::variant<Refusal, SimulationSetup> checkSimulation(const AnalysisInputs& inputs,
                                                       const SimulationEntries& entries,
                                                       double defaultDemandPercent, const AnalysisOutcome& analysis);

}  // namespace trevalo::engine
