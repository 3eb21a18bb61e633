#include "engine/simulation/simulation_targets.h"

#include "engine/target_verdict.h"

namespace trevalo::engine {

double defaultDemandPercent(const AnalysisInputs& inputs, const std::optional<SizingEntries>& sizing)
{
    const auto chosen = chosenTargets(inputs.project.buildingType, sizing);
    return chosen ? chosen->targets.hcPercent : 0;
}

std::optional<double> simulationAwtTarget(const AnalysisInputs& inputs, const std::optional<SizingEntries>& sizing)
{
    const auto chosen = chosenTargets(inputs.project.buildingType, sizing);
    return chosen ? chosen->targets.awt : std::nullopt;
}

}  // namespace trevalo::engine
