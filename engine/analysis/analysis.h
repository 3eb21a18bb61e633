#pragma once

#include "engine/analysis/analysis_outcome.h"
#include "engine/analysis_inputs.h"

namespace trevalo::engine {

// One analysis run: the checks in their fixed order, then the figures of one
// configuration or of the whole load sweep.
AnalysisOutcome runAnalysis(const AnalysisInputs& inputs);

}  // namespace trevalo::engine
