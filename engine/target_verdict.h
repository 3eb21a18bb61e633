#pragma once

#include "engine/analysis/single_result.h"
#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"

#include <optional>

namespace trevalo::engine {

// The targets a result is judged against and where they come from.
struct ChosenTargets {
    DesignTargets targets;
    TargetSources sources;
};

// The one choice of targets, for the result forms, the command line and the workbooks alike:
// those of the sizing entries when they read as valid, otherwise the building type's presets.
// Empty without a building type.
std::optional<ChosenTargets> chosenTargets(std::optional<BuildingType> type,
                                           const std::optional<SizingEntries>& sizing);

// A configuration's group figures against the chosen targets, with the waiting time estimate
// the waiting time target is checked on (empty where the estimate does not apply).
struct TargetVerdict {
    DesignTargets targets;
    TargetSources sources;
    TargetCheck check;
    std::optional<double> awt;
};

std::optional<TargetVerdict> targetVerdict(const AnalysisInputs& inputs,
                                           const std::optional<SizingEntries>& sizing, const SingleResult& result);

// "满足" or "不满足".
const char* verdictText(bool met);

}  // namespace trevalo::engine
