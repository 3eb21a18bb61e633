#pragma once

#include <optional>

namespace trevalo::engine {

// The fewest cars (at least one) whose group handling capacity, as a share of the
// population, reaches the target; empty when one car carries nobody or more cars than
// any group has would be needed.
std::optional<int> carsForHandlingTarget(double handlingPercent, double targetPercent);

}  // namespace trevalo::engine
