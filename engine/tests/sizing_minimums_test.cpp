#include "engine/sizing/sizing_minimums.h"

#include "engine/sizing/sizing_search.h"
#include "engine/sizing/sizing_text.h"
#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

// The codes' thresholds, read off the clauses: twelve storeys (served floors and the main
// floor) for two residential lifts; travel strictly above 33 m (residential) or 32 m (office
// types) for a fire lift of 800 kg.
struct MinimumCase {
    const char* name;
    BuildingType type;
    double floorsServed, travel;
    std::optional<int> cars;
    std::optional<double> load;
};

class Minimums : public testing::TestWithParam<MinimumCase> {};

TEST_P(Minimums, FollowTheCodes)
{
    const MinimumCase& c = GetParam();
    const SizingMinimums m = presetMinimums(c.type, c.floorsServed, c.travel);
    EXPECT_EQ(m.cars, c.cars);
    EXPECT_EQ(m.load, c.load);
    EXPECT_EQ(m.fireLiftRunTime.has_value(), c.load.has_value());
    EXPECT_EQ(m.carsSource.find("GB 50096-2011") == 0, c.cars.has_value());
    EXPECT_EQ(m.loadSource.find("GB 50016-2014") == 0, c.load.has_value());
}

constexpr auto R = BuildingType::Residential;
constexpr auto O = BuildingType::OfficeAndHotel;
constexpr auto S = BuildingType::OwnerOccupiedOffice;
INSTANTIATE_TEST_SUITE_P(Sizing, Minimums,
                         testing::Values(MinimumCase{"elevenStoreys", R, 10, 30, std::nullopt, std::nullopt},
                                         MinimumCase{"twelveStoreys", R, 11, 33, 2, std::nullopt},
                                         MinimumCase{"residentialJustAbove33m", R, 11, 33.01, 2, 800},
                                         MinimumCase{"eighteenFloors", R, 17, 54, 2, 800},
                                         MinimumCase{"office32m", O, 30, 32, std::nullopt, std::nullopt},
                                         MinimumCase{"office32AndAHalf", O, 8, 32.5, std::nullopt, 800},
                                         MinimumCase{"ownerOccupiedTall", S, 20, 80, std::nullopt, 800}),
                         CaseName());

// Thirty storeys over 90 m: two cars, and a fire lift.
Entries fireLiftBuilding()
{
    Entries building;
    building.floors = "29";
    building.population = "1500";
    building.travel = "90";
    return building;
}

// The search tries nothing below the least entries, and says so rather than that one car would
// do, nor at a speed whose run over the whole
// travel takes more than 60 s when a fire lift is needed: 1 m/s over 90 m takes at least 90 s,
// 2.5 m/s about 39 s.
TEST(SizingMinimums, LimitWhatIsTried)
{
    const Entries building = fireLiftBuilding();
    SizingEntries entries = presetSizingEntries(inputsOf(building));
    EXPECT_EQ(entries.leastCars, "2");
    EXPECT_EQ(entries.leastLoad, "800");
    // Without a building type nothing is asked of the lifts.
    AnalysisInputs untyped = inputsOf(building);
    untyped.project.buildingType.reset();
    const SizingMinimums none = presetMinimums(untyped);
    EXPECT_FALSE(none.cars || none.load || none.fireLiftRunTime);
    entries.speeds = {"1", "2.5"};
    entries.leastCars = "6";
    const SizingResult result = runSizingSearch(inputsOf(building), entries);
    const auto* outcome = std::get_if<SizingOutcome>(&result);
    ASSERT_NE(outcome, nullptr);
    ASSERT_FALSE(outcome->evaluated.empty());
    for (const SizingCandidate& c : outcome->evaluated) {
        EXPECT_GE(c.cars, 6);
        EXPECT_GE(c.load, 800);
        EXPECT_EQ(c.speed, 2.5);
    }
    EXPECT_EQ(outcome->tooSlowSpeeds, std::vector<double>{1});
    EXPECT_NE(fireLiftSpeedNote(*outcome).find("1 m/s 不能满足"), std::string::npos);
    EXPECT_FALSE(outcome->oneCarFewer.has_value());
    // Five cars of 800 kg and more serve this building already; six is where the search starts.
    ASSERT_TRUE(outcome->met);
    EXPECT_EQ(outcome->listed.front().cars, 6);
    EXPECT_NE(firstRowExplanation(*outcome).find("最少台数为 6 台"), std::string::npos);
}

// When no chosen speed runs the 90 m within 60 s the search is refused on the speeds: an empty
// list would read as a search that found nothing.
TEST(SizingMinimums, EverySpeedTooSlowIsRefused)
{
    const Entries building = fireLiftBuilding();
    SizingEntries entries = presetSizingEntries(inputsOf(building));
    entries.speeds = {"1", "1.5"};
    const SizingResult result = runSizingSearch(inputsOf(building), entries);
    const auto* refusal = std::get_if<Refusal>(&result);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->entry.path(), "sizing.speeds");
    EXPECT_NE(refusal->reason.find("60 秒"), std::string::npos);
}

TEST(SizingMinimums, MarginsSaySign)
{
    EXPECT_EQ(marginText(0.375, "%"), "余量 +0.375 %");
    EXPECT_EQ(marginText(-0.839, "%"), "不足 \u22120.839 %");
    EXPECT_EQ(marginText(0, "秒"), "余量 +0 秒");
}

}  // namespace
}  // namespace trevalo::engine
