#include "app/target_choice.h"

#include "engine/waiting_time.h"

namespace trevalo {

std::optional<ChosenTargets> chosenTargets(const engine::AnalysisInputs& inputs)
{
    if (!inputs.project.buildingType)
        return std::nullopt;
    return ChosenTargets{engine::presetTargets(*inputs.project.buildingType),
                         engine::presetSources(*inputs.project.buildingType)};
}

std::optional<TargetVerdict> targetVerdict(const engine::AnalysisInputs& inputs, const engine::SingleResult& result)
{
    const auto chosen = chosenTargets(inputs);
    if (!chosen)
        return std::nullopt;
    const auto waiting =
        engine::averageWaitingTime(result.steps.upPassengers, result.steps.persons, result.figures.interval);
    return TargetVerdict{chosen->targets, chosen->sources,
                         engine::checkTargets(chosen->targets, result.figures.groupPercent, result.figures.interval,
                                              waiting)};
}

}  // namespace trevalo
