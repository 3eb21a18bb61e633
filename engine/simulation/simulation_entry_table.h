#pragma once

#include "engine/entry_ids.h"
#include "engine/simulation/simulation_entries.h"

#include <array>
#include <optional>
#include <string>

namespace trevalo::engine {

// The simulation's entries in the order they are checked and shown.
enum class SimulationEntry { Demand, Minutes, LoadingLimit, Dwell, Replications, Seed };

// One entry of the simulation: where it is typed, what an empty one takes and what it accepts.
struct SimulationEntryRow {
    std::string SimulationEntries::*text;
    EntryId id;
    const char* caption;  // on Form8
    const char* unit;     // after the entry on Form8
    // What an empty entry takes; empty for the demand, which takes the project's handling
    // capacity target.
    std::optional<double> fallback;
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    bool whole;
    const char* reason;  // the refusal of a value outside the range
};

inline constexpr std::size_t kSimulationEntryCount = 6;

const std::array<SimulationEntryRow, kSimulationEntryCount>& simulationEntryRows();
const SimulationEntryRow& simulationEntryRow(SimulationEntry entry);

// Whether a value read from an entry is one the entry accepts.
bool accepts(const SimulationEntryRow& row, double value);

}  // namespace trevalo::engine
