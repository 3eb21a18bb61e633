#pragma once

#include "engine/simulation.h"

#include <string>
#include <vector>

namespace trevalo::engine {

// The summary as one JSON object, for the command line and the project's results: times in s,
// shares in %, null for a figure that cannot be formed; numbers in their shortest exact form.
std::string simulationJson(const SimulationSummary& summary);

// The passengers' ways as CSV, one row each, the times with six decimals.
std::string traceCsv(const std::vector<TraceRow>& rows);

}  // namespace trevalo::engine
