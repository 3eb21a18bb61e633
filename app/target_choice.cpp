#include "app/target_choice.h"

#include "engine/sizing_search.h"
#include "engine/waiting_time.h"

namespace trevalo {

std::optional<ChosenTargets> chosenTargets(const engine::AnalysisInputs& inputs,
                                           const std::optional<engine::SizingEntries>& sizing)
{
    if (!inputs.project.buildingType)
        return std::nullopt;
    const engine::BuildingType type = *inputs.project.buildingType;
    const auto read = sizing ? engine::readSizingEntries(*sizing) : std::nullopt;
    const engine::DesignTargets targets = read ? read->targets : engine::presetTargets(type);
    return ChosenTargets{targets, engine::targetSources(type, targets)};
}

std::optional<TargetVerdict> targetVerdict(const engine::AnalysisInputs& inputs,
                                           const std::optional<engine::SizingEntries>& sizing,
                                           const engine::SingleResult& result)
{
    const auto chosen = chosenTargets(inputs, sizing);
    if (!chosen)
        return std::nullopt;
    const auto waiting =
        engine::averageWaitingTime(result.steps.upPassengers, result.steps.persons, result.figures.interval);
    return TargetVerdict{chosen->targets, chosen->sources,
                         engine::checkTargets(chosen->targets, result.figures.groupPercent, result.figures.interval,
                                              waiting)};
}

}  // namespace trevalo
