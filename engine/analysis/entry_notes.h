#pragma once

#include "engine/analysis/round_trip.h"

#include <string>
#include <vector>

namespace trevalo::engine {

// Notes on entries that the analysis accepts but that look mistyped; they stand beside the
// figures and never refuse them. Without an express zone the run from the main floor to the
// first served floor is what the travel leaves below the served floors: more than three floor
// heights of it usually means a travel, floor height or floor count typed wrong.
std::vector<std::string> entryNotes(const Installation& installation);

}  // namespace trevalo::engine
