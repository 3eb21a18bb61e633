#pragma once

#include "engine/sizing/sizing_search.h"

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

// The fire lift's run from the main floor to the top, when the building needs one, with the
// chosen speeds too slow for it: "消防电梯首层至顶层运行时间不大于 60 秒（…）；1、1.5 m/s 不能满足，未试算".
// Empty when no fire lift is needed.
std::string fireLiftSpeedNote(const SizingOutcome& outcome);

// A margin against a target with its unit and a sign the reader need not decode:
// "余量 +0.375 %" when the target is met with room to spare, "不足 −0.839 %" when it is missed.
std::string marginText(double margin, const std::string& unit);

}  // namespace trevalo::engine
