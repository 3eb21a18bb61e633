#pragma once

#include "engine/analysis/population_model.h"
#include "engine/analysis/round_trip.h"
#include "engine/analysis_inputs.h"
#include "engine/refusal.h"

#include <variant>

namespace trevalo::engine {

// The entries of one run after its checks, read as the traffic model takes them.
struct CheckedEntries {
    Installation installation;
    Population population;
    double ratedLoad = 0;  // as entered; only when the load and number of cars are decided
    double cars = 0;
};

// The checks of an analysis run in the order the wizard makes them: the building data form's
// OK, the floor population form's OK on the per-floor road (its stored total is the total of
// the floor rows, recomputed here), then the elevator parameters form's 确定. With `decided`
// the rated load and number of cars are checked as well; a search that chooses them leaves
// them out. A refusal names the entry at fault.
std::variant<Refusal, CheckedEntries> checkEntries(const AnalysisInputs& inputs, bool decided);

// A run of the journey has no duration: the travel does not hold the served floors above the
// express distance. Raised by the figures, after the entries passed their checks.
Refusal runDistanceRefusal();

}  // namespace trevalo::engine
