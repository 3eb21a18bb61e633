#pragma once

#include "engine/analysis/single_result.h"
#include "engine/analysis_inputs.h"
#include "engine/refusal.h"
#include "engine/simulation/simulation_entries.h"
#include "engine/simulation/simulation_types.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace trevalo::engine {

// A traffic pattern's entries as a template fills them.
struct TrafficTemplate {
    std::string_view name;   // as the project file keeps it
    std::string_view title;  // as the forms show it
    double incomingPercent, outgoingPercent, interfloorPercent;
    std::optional<double> demandPercent;  // empty: the project's handling capacity target
    bool projectAwtTarget;                // the project's waiting time target, else awtTarget
    std::optional<double> awtTarget;      // s; empty (and not the project's): none
    std::string_view source;              // empty: the project's targets' own source
};

// The templates, the default first; "custom" names entries edited from one of them.
std::span<const TrafficTemplate> trafficTemplates();
inline constexpr std::string_view kCustomTraffic = "custom";
const TrafficTemplate* trafficTemplate(std::string_view name);

// The loading limit an empty entry takes: the up share the round trip calculation assumes,
// when it lies in (0, 100], else 80 %.
double defaultLoadingLimit(const AnalysisInputs& inputs);

// The traffic entries (mix, pattern name, waiting time target), checked into the setup.
// The setup holds the building's floors already: an interfloor trip needs two with people.
std::optional<Refusal> readTrafficEntries(const SimulationEntries& entries, SimulationSetup& setup);

// The handling capacity of the up passengers, 300 P_up L / RTT, as % of the population.
double upPeakCapacityPercent(const SingleResult& calculation);

// Said before the figures when the incoming demand exceeds what the group carries up: the
// lobby queue then grows without end and the figures describe no steady state. Empty
// otherwise, and for a passenger list.
std::optional<std::string> overloadNote(const SimulationSetup& setup, const SingleResult& calculation);

}  // namespace trevalo::engine
