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

std::optional<bool> simulatedAwtMet(const SimulationSummary& summary, std::optional<double> target)
{
    if (!target || !summary.awt)
        return std::nullopt;
    return *summary.awt <= *target;
}

}  // namespace trevalo::engine
