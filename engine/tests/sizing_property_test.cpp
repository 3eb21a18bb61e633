#include "engine/sizing/sizing_search.h"

#include "engine/analysis/analysis.h"
#include "engine/analysis/load_table.h"
#include "engine/analysis/run_model.h"
#include "engine/analysis/waiting_time.h"
#include "engine/display_text.h"
#include "engine/leading_number.h"
#include "engine/tests/random_building.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace trevalo::engine {
namespace {

SizingEntries randomEntries(RandomBuildings& random)
{
    SizingEntries e{figureText(random.real(1, 30)), figureText(random.real(10, 120)), "", "", {}};
    if (random.whole(0, 2) == 0)
        e.awt = figureText(random.real(5, 60));
    e.maxCars = std::to_string(random.whole(1, kMostSizingCars));
    for (int i = random.whole(1, 3); i > 0; --i)
        e.speeds.push_back(random.speed());
    return e;
}

// Judged on the figures, apart from the search's own check of the targets.
bool meets(const SizingCandidate& c, const DesignTargets& t)
{
    return c.groupPercent >= t.hcPercent && c.interval <= t.interval && (!t.awt || (c.awt && *c.awt <= *t.awt));
}

auto rank(const SizingCandidate& c) { return std::make_tuple(c.cars, c.load, c.speed); }

// The same configuration through the single result: Check3 ticked, that load, that number of
// cars and that speed.
void expectSameAsSingleResult(const AnalysisInputs& building, const SizingCandidate& c)
{
    AnalysisInputs inputs = building;
    inputs.elevator.fixedConfiguration = true;
    inputs.elevator.ratedLoad = figureText(c.load);
    inputs.elevator.carCount = std::to_string(c.cars);
    inputs.elevator.ratedSpeed = figureText(c.speed);
    const AnalysisOutcome outcome = runAnalysis(inputs);
    const auto* single = std::get_if<SingleResult>(&outcome);
    ASSERT_NE(single, nullptr);
    const CaseResult& f = single->figures;
    EXPECT_EQ(std::tuple(f.roundTripTime, f.interval, f.groupPercent, single->steps.persons),
              std::tuple(c.roundTripTime, c.interval, c.groupPercent, c.persons));
    EXPECT_EQ(averageWaitingTime(single->steps.upPassengers, single->steps.persons, f.interval), c.awt);
}

// Every listed configuration meets every target, nothing with fewer cars does, the order is
// fewest cars, smallest load, lowest speed, and the figures are those of the single result.
// The first twenty listed and three drawn from all evaluated are run through the single
// result, to keep the ten thousand searches quick.
TEST(SizingProperties, HoldForTenThousandRandomSearches)
{
    RandomBuildings random(20261207);
    int searched = 0;
    int metSearches = 0;
    constexpr int kSearches = 10000;
    for (int n = 0; n < kSearches; ++n) {
        const AnalysisInputs building = inputsOf(random.building());
        const SizingEntries entries = randomEntries(random);
        const SizingResult result = runSizingSearch(building, entries);
        const auto* outcome = std::get_if<SizingOutcome>(&result);
        if (outcome == nullptr)
            continue;
        ++searched;
        SCOPED_TRACE(n);
        const DesignTargets& t = outcome->targets.targets;
        const int loads = *building.project.buildingType == BuildingType::Residential ? kLoadTableRows : kLoadTableRows - 1;
        const auto& all = outcome->evaluated;
        // Above the fire-lift height (33 m residential, 32 m otherwise) a speed is tried only
        // when it runs the whole travel within 60 s.
        const double travel = leadingNumber(building.elevator.travel);
        const bool fireLift = travel > (loads == kLoadTableRows ? 33 : 32);
        const auto tried = std::count_if(outcome->targets.speeds.begin(), outcome->targets.speeds.end(),
                                         [&](double v) { return !fireLift || runDuration(v, travel).value_or(61) <= 60; });
        ASSERT_EQ(all.size(), static_cast<std::size_t>(outcome->targets.maxCars * loads) * static_cast<std::size_t>(tried));
        ASSERT_TRUE(std::is_sorted(all.begin(), all.end(),
                                   [](const auto& a, const auto& b) { return rank(a) < rank(b); }));
        ASSERT_TRUE(std::adjacent_find(all.begin(), all.end(), [](const auto& a, const auto& b) {
                        return rank(a) == rank(b);
                    }) == all.end());
        std::vector<SizingCandidate> meeting;
        std::copy_if(all.begin(), all.end(), std::back_inserter(meeting),
                     [&t](const SizingCandidate& c) { return meets(c, t); });
        EXPECT_EQ(outcome->met, !meeting.empty());
        if (outcome->met) {
            ++metSearches;
            // Exactly those that meet the targets, in rank order: none with fewer cars than the first meets them.
            ASSERT_EQ(outcome->listed.size(), meeting.size());
            for (std::size_t i = 0; i < meeting.size(); ++i)
                EXPECT_EQ(rank(outcome->listed[i]), rank(meeting[i]));
        } else {
            EXPECT_EQ(outcome->listed.size(), std::min<std::size_t>(5, all.size()));
        }
        for (std::size_t i = 0; i < outcome->listed.size() && i < 20; ++i)
            expectSameAsSingleResult(building, outcome->listed[i]);
        for (int k = 0; k < 3 && !all.empty(); ++k)
            expectSameAsSingleResult(building, all[static_cast<std::size_t>(random.whole(0, static_cast<int>(all.size()) - 1))]);
        if (testing::Test::HasFailure())
            return;
    }
    // The draws are meant to reach both outcomes, and rarely an impossible building.
    EXPECT_GE(searched, kSearches * 9 / 10);
    EXPECT_GE(metSearches, searched / 4);
    EXPECT_GE(searched - metSearches, searched / 10);
}

}  // namespace
}  // namespace trevalo::engine
