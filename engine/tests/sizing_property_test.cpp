#include "engine/sizing_search.h"

#include "engine/display_text.h"
#include "engine/load_table.h"
#include "engine/tests/sizing_inputs.h"
#include "engine/waiting_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace trevalo::engine {
namespace {

const std::vector<std::string> kStandardSpeeds{"1", "1.5", "1.75", "2", "2.5", "3", "3.5", "4",
                                               "5", "6", "7", "8", "9", "10", "11"};

class RandomSearches {
public:
    explicit RandomSearches(std::uint64_t seed) : m_random(seed) {}

    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    std::string text(double value) { return figureText(value); }

    AnalysisInputs building()
    {
        SizingBuilding b;
        b.type = static_cast<BuildingType>(whole(0, 2));
        const int floors = whole(1, 40);
        const double floorHeight = real(2.5, 4.5);
        // The travel covers the served floors and a stretch below them, so no run is negative.
        const double travel = floorHeight * (floors - 1) + real(0, 12);
        m_texts = {text(floors), text(whole(50, 4000)), text(travel), text(floorHeight), text(whole(0, 15)),
                   text(whole(0, 1) == 0 ? 0 : whole(20, 90)), text(whole(0, 1) == 0 ? 0 : whole(20, 80))};
        b.floors = m_texts[0].c_str();
        b.population = m_texts[1].c_str();
        b.travel = m_texts[2].c_str();
        b.floorHeight = m_texts[3].c_str();
        b.loss = m_texts[4].c_str();
        b.up = m_texts[5].c_str();
        b.down = m_texts[6].c_str();
        b.door = static_cast<DoorType>(whole(0, 2));
        static const char* const kWidths[] = {"800", "900", "1000", "1100", "1250", "1500"};
        static const char* const kFourPanelWidths[] = {"1600", "1800", "2000", "2200"};
        b.width = b.door == DoorType::FourPanelCentre ? kFourPanelWidths[whole(0, 3)] : kWidths[whole(0, 5)];
        b.speed = kStandardSpeeds[static_cast<std::size_t>(whole(0, 14))].c_str();
        if (whole(0, 3) == 0) {
            // Per floor: whole persons on each floor, the stored total their sum.
            int total = 0;
            for (int floor = 0; floor < floors; ++floor) {
                const int persons = whole(0, 120);
                b.perFloor.push_back(std::to_string(persons));
                total += persons;
            }
            m_texts.push_back(std::to_string(std::max(total, 1)));
            b.population = m_texts.back().c_str();
        }
        return sizingInputs(b);
    }

    SizingEntries entries()
    {
        SizingEntries e;
        e.hcPercent = text(real(1, 30));
        e.interval = text(real(10, 120));
        if (whole(0, 2) == 0)
            e.awt = text(real(5, 60));
        e.maxCars = std::to_string(whole(1, kMostSizingCars));
        const int speeds = whole(1, 3);
        for (int i = 0; i < speeds; ++i)
            e.speeds.push_back(kStandardSpeeds[static_cast<std::size_t>(whole(0, 14))]);
        return e;
    }

private:
    std::mt19937_64 m_random;
    std::vector<std::string> m_texts;
};

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
    EXPECT_EQ(single->figures.roundTripTime, c.roundTripTime);
    EXPECT_EQ(single->figures.interval, c.interval);
    EXPECT_EQ(single->figures.groupPercent, c.groupPercent);
    EXPECT_EQ(single->steps.persons, c.persons);
    EXPECT_EQ(averageWaitingTime(single->steps.upPassengers, single->steps.persons, single->figures.interval), c.awt);
}

// Every listed configuration meets every target, nothing with fewer cars does, the order is
// fewest cars, smallest load, lowest speed, and the figures are those of the single result.
// The first twenty listed and three drawn from all evaluated are run through the single
// result, to keep the ten thousand searches quick.
TEST(SizingProperties, HoldForTenThousandRandomSearches)
{
    RandomSearches random(20261207);
    int searched = 0;
    int metSearches = 0;
    constexpr int kSearches = 10000;
    for (int n = 0; n < kSearches; ++n) {
        const AnalysisInputs building = random.building();
        const SizingEntries entries = random.entries();
        const SizingResult result = runSizingSearch(building, entries);
        const auto* outcome = std::get_if<SizingOutcome>(&result);
        if (outcome == nullptr)
            continue;
        ++searched;
        SCOPED_TRACE(n);
        const DesignTargets& t = outcome->targets.targets;
        const int loads = *building.project.buildingType == BuildingType::Residential ? kLoadTableRows : kLoadTableRows - 1;
        const auto& all = outcome->evaluated;
        ASSERT_EQ(all.size(), static_cast<std::size_t>(outcome->targets.maxCars * loads) * outcome->targets.speeds.size());
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
            ASSERT_EQ(outcome->listed.size(), meeting.size());
            for (std::size_t i = 0; i < meeting.size(); ++i) {
                EXPECT_EQ(rank(outcome->listed[i]), rank(meeting[i]));
                EXPECT_TRUE(meets(outcome->listed[i], t));
            }
            const int fewest = outcome->listed.front().cars;
            for (const SizingCandidate& c : all) {
                if (c.cars < fewest) {
                    EXPECT_FALSE(meets(c, t));
                }
            }
        } else {
            EXPECT_EQ(outcome->listed.size(), std::min<std::size_t>(5, all.size()));
        }
        for (std::size_t i = 0; i < outcome->listed.size() && i < 20; ++i)
            expectSameAsSingleResult(building, outcome->listed[i]);
        for (int k = 0; k < 3; ++k)
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
