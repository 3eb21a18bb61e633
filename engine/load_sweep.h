#pragma once

#include "engine/analysis.h"
#include "engine/population_model.h"
#include "engine/round_trip.h"


namespace trevalo::engine {

// Fills the table (all but its up/down relabelling) with every standard rated load
// from 675 kg (750 kg for office buildings) to 1800 kg in steps of 75 kg. False when a load's round trip has no
// duration or a figure that would be shown is not a number.
bool loadSweep(const Installation& installation, const Population& population, LoadTable& table);

}  // namespace trevalo::engine
