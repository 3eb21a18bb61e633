#pragma once

#include "engine/analysis/figures.h"

#include <optional>

namespace trevalo::engine {

// A group of identical cars: the interval (the longest waiting time) is one car's round trip
// time shared among the cars, and the group carries the cars' handling capacities together.
CaseResult groupFigures(double roundTripTime, double handlingCapacity, double handlingPercent, double cars);

// The fewest cars (at least one) whose group handling capacity, as a share of the
// population, reaches the target; empty when one car carries nobody or more cars than
// any group has would be needed.
std::optional<int> carsForHandlingTarget(double handlingPercent, double targetPercent);

}  // namespace trevalo::engine
