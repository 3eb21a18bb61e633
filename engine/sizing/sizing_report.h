#pragma once

#include "engine/sizing/sizing_search.h"

#include <string>

namespace trevalo::engine {

// The search as JSON, for the command line: its format and version, whether the targets are met, the targets as
// read, and the listed configurations in their order, each figure written as the result
// forms write it ("awt" null where the estimate does not apply). When nothing meets the
// targets each listed configuration also carries its margin of every target (positive:
// met with room to spare; "awt" only with a waiting time target, null where it does not apply).
// Each configuration then gives the same figures (and margins) unrounded as numbers under
// "figures".
std::string sizingReportJson(const SizingOutcome& outcome);

}  // namespace trevalo::engine
