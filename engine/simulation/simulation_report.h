#pragma once

#include "engine/analysis/single_result.h"
#include "engine/simulation/simulation_entries.h"
#include "engine/simulation/simulation_types.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo::engine {

// What a report says beside the simulated figures: the traffic simulated, the waiting time
// target they are judged against, and the notes to read first.
struct SimulationTerms {
    std::string traffic{"upPeak"};  // the template's name, or "custom"
    double incomingPercent = 100, outgoingPercent = 0, interfloorPercent = 0;
    std::optional<double> awtTarget;  // s
    std::string awtSource;            // where the target comes from
    std::vector<std::string> notes;   // the overload note first, then the calculation's
};

// The terms of a checked simulation: the target typed for it, else projectAwtTarget.
SimulationTerms simulationTerms(const SimulationSetup& setup, const SimulationEntries& entries,
                                std::optional<double> projectAwtTarget, const SingleResult& calculation);

// The summary as one JSON object, for the command line and the project's results: times in s,
// shares in %, null for a figure that cannot be formed; numbers in their shortest exact form.
std::string simulationJson(const SimulationSummary& summary, const SimulationTerms& terms = {});

// The passengers' ways as CSV, one row each, the times with six decimals.
std::string traceCsv(const std::vector<TraceRow>& rows);

}  // namespace trevalo::engine
