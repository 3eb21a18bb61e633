#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/simulation_entries.h"

#include <optional>

namespace trevalo::engine {

// A project: every entry of the wizard and of the later forms, as typed. The forms fill it
// from their controls and their controls from it; the project file keeps it; the checks and
// the analysis read it. The floor population form's stored total is not an entry: its OK
// recomputes it from the floor rows.
struct ProjectEntries {
    AnalysisInputs inputs;
    // False when the elevator parameters were never entered: the form then opens with its
    // defaults for the building type (defaultElevatorParameters) rather than empty boxes.
    bool elevatorEntered = true;
    std::optional<SizingEntries> sizing;  // empty: no sizing entries were kept
    std::optional<SimulationEntries> simulation;  // empty: the simulation form was never used
};

// The elevator parameters the analysis reads: the entered ones, or the form's defaults.
ElevatorParameters elevatorInEffect(const ProjectEntries& entries);

}  // namespace trevalo::engine
