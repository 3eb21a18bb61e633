#pragma once

#include "engine/analysis_inputs.h"
#include "engine/design_targets.h"
#include "engine/simulation/simulation_entries.h"

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

    bool operator==(const ProjectEntries&) const = default;
};

// The elevator parameters the analysis reads: the entered ones, or the form's defaults.
ElevatorParameters elevatorInEffect(const ProjectEntries& entries);

// The analysis inputs the entries give: elevator parameters never entered are the form's
// defaults for the building type; the floor rows as the project lists them.
AnalysisInputs inputsInEffect(const ProjectEntries& entries);

// The entries with those that merely repeat what a form shows untouched left out: elevator
// parameters equal to the building type's defaults, sizing entries equal to the building's
// presets, simulation entries all empty, and empty floor rows after the last one typed. Two
// projects that give equal results here differ only by forms looked at, not by anything typed.
ProjectEntries withoutUntouchedEntries(const ProjectEntries& entries);

// The project holds something typed: it differs from a project nobody has touched.
bool holdsTypedEntries(const ProjectEntries& entries);

}  // namespace trevalo::engine
