#pragma once

#include "engine/analysis.h"
#include "engine/design_targets.h"
#include "results/single_result_form.h"

#include <optional>

namespace trevalo {

// The targets a result is judged against and where they come from.
struct ChosenTargets {
    engine::DesignTargets targets;
    engine::TargetSources sources;
};

// The one place the targets are chosen, for the single result form and the workbook alike:
// those of the sizing entries (the sizing form's, or the opened project's) when they read
// as valid, otherwise the presets of the building type. Empty without a building type.
std::optional<ChosenTargets> chosenTargets(const engine::AnalysisInputs& inputs,
                                           const std::optional<engine::SizingEntries>& sizing);

// The single result's group figures checked against the chosen targets.
std::optional<TargetVerdict> targetVerdict(const engine::AnalysisInputs& inputs,
                                           const std::optional<engine::SizingEntries>& sizing,
                                           const engine::SingleResult& result);

}  // namespace trevalo
