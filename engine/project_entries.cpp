#include "engine/project_entries.h"

#include "engine/sizing/sizing_minimums.h"
#include "engine/standard_tables.h"

namespace trevalo::engine {

ElevatorParameters elevatorInEffect(const ProjectEntries& entries)
{
    if (entries.elevatorEntered)
        return entries.inputs.elevator;
    return defaultElevatorParameters(entries.inputs.project.buildingType);
}

AnalysisInputs inputsInEffect(const ProjectEntries& entries)
{
    AnalysisInputs inputs = entries.inputs;
    inputs.elevator = elevatorInEffect(entries);
    return inputs;
}

ProjectEntries withoutUntouchedEntries(const ProjectEntries& entries)
{
    ProjectEntries kept = entries;
    std::vector<std::string>& floors = kept.inputs.floors.floorPopulations;
    while (!floors.empty() && floors.back().empty())
        floors.pop_back();
    if (kept.elevatorEntered && kept.inputs.elevator == defaultElevatorParameters(kept.inputs.project.buildingType)) {
        kept.elevatorEntered = false;
        kept.inputs.elevator = {};
    }
    if (kept.sizing) {
        // The presets follow the building and the elevator parameters in effect.
        if (*kept.sizing == presetSizingEntries(inputsInEffect(entries)))
            kept.sizing.reset();
    }
    if (kept.simulation && *kept.simulation == SimulationEntries{})
        kept.simulation.reset();
    return kept;
}

bool holdsTypedEntries(const ProjectEntries& entries)
{
    ProjectEntries untouched;
    untouched.elevatorEntered = false;
    return withoutUntouchedEntries(entries) != untouched;
}

}  // namespace trevalo::engine
