#pragma once

#include "engine/sizing_search.h"
#include "engine/waiting_time.h"

#include <string>

namespace trevalo::engine {

// One configuration against each target, e.g.
// "HC 13.2% ≥ 12%（余 1.2 个百分点）；间隔 28.5 秒 ≤ 30 秒（余 1.5 秒）".
std::string candidateExplanation(const SizingCandidate& candidate, const DesignTargets& targets);

// Why the first listed configuration is the fewest cars that serve: what one car fewer of the
// same load and speed misses, and by how much. Empty when nothing meets the targets.
std::string firstRowExplanation(const SizingOutcome& outcome);

// One line above the list: how many configurations meet the targets, or, plainly, that none
// within the maximum does and that the closest ones follow.
std::string sizingSummary(const SizingOutcome& outcome);

}  // namespace trevalo::engine
