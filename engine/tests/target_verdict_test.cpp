#include "engine/analysis/analysis.h"
#include "engine/simulation/simulation_targets.h"
#include "engine/target_verdict.h"

#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::engine {
namespace {

struct VerdictCase {
    const char* name;
    std::optional<SizingEntries> sizing;
    DesignTargets targets;  // those the result is judged against
    bool ownTargets;        // both sources "用户设定"; otherwise both the guide's
    bool hcMet, intervalMet;
    std::optional<bool> awtMet;
};

class Verdicts : public testing::TestWithParam<VerdictCase> {};

SingleResult workedResult(const AnalysisInputs& inputs)
{
    const auto outcome = runAnalysis(inputs);
    EXPECT_TRUE(std::holds_alternative<SingleResult>(outcome));
    return std::holds_alternative<SingleResult>(outcome) ? std::get<SingleResult>(outcome) : SingleResult{};
}

// The worked residential case: two cars carry 2 x 4.168 = 8.336 % at an interval of
// 93.570058 / 2 = 46.785 s; 30 % of 13 persons up is a load factor of 0.3, below a half, so
// the waiting time is 0.4 x 46.785029 = 18.714012 s.
TEST_P(Verdicts, JudgeTheWorkedCaseAgainstTheChosenTargets)
{
    const VerdictCase& c = GetParam();
    const AnalysisInputs inputs = inputsOf({});
    const auto verdict = targetVerdict(inputs, c.sizing, workedResult(inputs));
    ASSERT_TRUE(verdict.has_value());
    EXPECT_EQ(std::tie(verdict->targets.hcPercent, verdict->targets.interval, verdict->targets.awt),
              std::tie(c.targets.hcPercent, c.targets.interval, c.targets.awt));
    EXPECT_EQ(std::tuple(verdict->sources.hcPercent == "用户设定", verdict->sources.interval == "用户设定"),
              std::tuple(c.ownTargets, c.ownTargets));
    EXPECT_EQ(std::tuple(verdict->check.hcMet, verdict->check.intervalMet, verdict->check.awtMet),
              std::tuple(c.hcMet, c.intervalMet, c.awtMet));
    EXPECT_NEAR(verdict->awt.value_or(0), 18.714011595, 1e-8);
    // The simulation's default demand and waiting time target are the same choice.
    EXPECT_EQ(defaultDemandPercent(inputs, c.sizing), c.targets.hcPercent);
    EXPECT_EQ(simulationAwtTarget(inputs, c.sizing), c.targets.awt);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, Verdicts,
    testing::Values(VerdictCase{"residentialPresets", std::nullopt, {6, 60, std::nullopt}, false, true, true, {}},
                    VerdictCase{"ownTargetsMet", SizingEntries{"8", "50", "19", "8", {"1.75"}}, {8, 50, 19.0}, true,
                                true, true, true},
                    VerdictCase{"ownTargetsMissed", SizingEntries{"8.5", "45", "18", "8", {"1.75"}}, {8.5, 45, 18.0},
                                true, false, false, false},
                    VerdictCase{"refusedEntriesTakeThePresets", SizingEntries{"0", "45", "18", "8", {"1.75"}},
                                {6, 60, std::nullopt}, false, true, true, {}}),
    CaseName());

TEST(Verdicts, NeedABuildingType)
{
    AnalysisInputs inputs = inputsOf({});
    const SingleResult result = workedResult(inputs);
    inputs.project.buildingType.reset();
    EXPECT_FALSE(targetVerdict(inputs, std::nullopt, result).has_value());
    EXPECT_EQ(defaultDemandPercent(inputs, std::nullopt), 0);
    EXPECT_EQ(simulationAwtTarget(inputs, SizingEntries{"8", "50", "19", "8", {"1.75"}}), std::nullopt);
}

}  // namespace
}  // namespace trevalo::engine
