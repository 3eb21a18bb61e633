#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/simulation/simulation_types.h"

#include <optional>

namespace trevalo::engine {

// The demand an empty entry takes: the handling capacity target the result forms judge the
// project against (chosenTargets); 0 without a building type, which the checks refuse anyway.
double defaultDemandPercent(const AnalysisInputs& inputs, const std::optional<SizingEntries>& sizing);

// The waiting time target the simulated waits are judged against; empty when none is set.
std::optional<double> simulationAwtTarget(const AnalysisInputs& inputs, const std::optional<SizingEntries>& sizing);

}  // namespace trevalo::engine
