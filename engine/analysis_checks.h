#pragma once

#include "engine/analysis.h"
#include "engine/population_model.h"
#include "engine/round_trip.h"

#include <variant>

namespace trevalo::engine {

// The entries of one run after its checks, read as the traffic model takes them.
struct CheckedEntries {
    Installation installation;
    Population population;
    double ratedLoad = 0;  // as entered; only when the load and number of cars are decided
    double cars = 0;
};

// The checks of an analysis run in their fixed order, with their notices. With `decided`
// the rated load and number of cars are checked as well; a search that chooses them
// leaves them out.
std::variant<Refusal, CheckedEntries> checkEntries(const AnalysisInputs& inputs, bool decided);

}  // namespace trevalo::engine
