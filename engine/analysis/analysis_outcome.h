#pragma once

#include "engine/analysis/load_table.h"
#include "engine/analysis/single_result.h"
#include "engine/refusal.h"

#include <variant>

namespace trevalo::engine {

// What one analysis run gives: a refusal, the figures of one configuration, or the table of
// every standard rated load.
using AnalysisOutcome = std::variant<Refusal, SingleResult, LoadTable>;

}  // namespace trevalo::engine
