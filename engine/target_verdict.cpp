#include "engine/target_verdict.h"

#include "engine/sizing/sizing_search.h"

namespace trevalo::engine {

std::optional<ChosenTargets> chosenTargets(std::optional<BuildingType> type,
                                           const std::optional<SizingEntries>& sizing)
{
    if (!type)
        return std::nullopt;
    const auto read = sizing ? readSizingEntries(*sizing) : std::nullopt;
    const DesignTargets targets = read ? read->targets : presetTargets(*type);
    return ChosenTargets{targets, targetSources(*type, targets)};
}

std::optional<TargetVerdict> targetVerdict(const AnalysisInputs& inputs,
                                           const std::optional<SizingEntries>& sizing, const SingleResult& result)
{
    const auto chosen = chosenTargets(inputs.project.buildingType, sizing);
    if (!chosen)
        return std::nullopt;
    return TargetVerdict{chosen->targets, chosen->sources,
                         checkTargets(chosen->targets, result.figures.groupPercent, result.figures.interval, result.awt),
                         result.awt};
}

const char* verdictText(bool met) { return met ? "满足" : "不满足"; }

}  // namespace trevalo::engine
