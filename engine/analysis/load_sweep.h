#pragma once

#include "engine/analysis/load_table.h"
#include "engine/analysis/population_model.h"
#include "engine/analysis/round_trip.h"

#include <optional>

namespace trevalo::engine {

// Why a sweep leaves its table unfilled: a load's round trip has no duration (the travel does
// not hold the floors), or a figure that would be shown is not a number.
enum class SweepFailure { RunImpossible, FigureNotShowable };

// Fills the table (all but its up/down relabelling) with every standard rated load
// from 675 kg (750 kg for office buildings) to 1800 kg in steps of 75 kg. Empty when filled.
std::optional<SweepFailure> loadSweep(const Installation& installation, const Population& population,
                                      LoadTable& table);

}  // namespace trevalo::engine
