#pragma once

#include "engine/analysis/analysis_outcome.h"
#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/refusal.h"
#include "engine/sizing/sizing_search.h"

#include <QByteArray>

#include <optional>

namespace trevalo {

// What the command line prints, one JSON object each, in the keys' fixed order: first the
// format, then the result form's captions as the forms show them, the unrounded figures, the
// verdict on the design targets and the notes. The sizing entries choose the targets.
QByteArray outcomeJson(const engine::AnalysisInputs& inputs, const engine::AnalysisOutcome& outcome,
                       const std::optional<engine::SizingEntries>& sizing);
// A refused run: the notice the forms show and the entry at fault with what is wrong with it.
QByteArray refusalJson(const engine::Refusal& refusal);

}  // namespace trevalo
