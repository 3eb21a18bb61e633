#include "engine/entry_checks.h"

#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace trevalo::engine {
namespace {

constexpr auto kResidential = BuildingType::Residential;
constexpr auto kEven = PopulationSpread::Even;

// The building data form's OK. Accepted, it gives the served floors that the floor population
// form lays out; refused, the first missing entry in the form's order, then the floor bounds.
struct BuildingCase {
    const char* name;
    ProjectData project;
    std::optional<Notice> notice;  // empty: accepted
    const char* entry = "";
    int floors = 0;                // when accepted
};

class BuildingData : public testing::TestWithParam<BuildingCase> {};

TEST_P(BuildingData, AcceptsWhatTheFormAccepts)
{
    const BuildingCase& c = GetParam();
    const auto checked = checkBuildingData(c.project);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        ASSERT_EQ(std::optional(refusal->notice), c.notice);
        EXPECT_EQ(refusal->entry.path(), c.entry);
        EXPECT_FALSE(refusal->reason.empty());
        EXPECT_FALSE(refusal->clearDoorWidth);
        return;
    }
    ASSERT_EQ(c.notice, std::nullopt);
    const auto& accepted = std::get<BuildingChecks>(checked);
    EXPECT_EQ(accepted.floors, c.floors);
    EXPECT_EQ(accepted.spread, c.project.spread);
}

ProjectData building(const char* floors, PopulationSpread spread = kEven, const char* population = "500")
{
    return {"", kResidential, floors, population, spread};
}

constexpr auto kIncomplete = Notice::IncompleteInput;
constexpr auto kOutOfRange = Notice::FloorsOutOfRange;
constexpr const char* kFloors = "building.floorsServed";

INSTANTIATE_TEST_SUITE_P(
    Entries, BuildingData,
    testing::Values(
        BuildingCase{"noBuildingType", {"", std::nullopt, "10", "500", kEven}, kIncomplete, "building.buildingType"},
        BuildingCase{"noFloors", building(""), kIncomplete, kFloors},
        BuildingCase{"noPopulation", building("10", kEven, ""), kIncomplete, "building.totalPopulation"},
        BuildingCase{"noSpread", {"", kResidential, "10", "500", std::nullopt}, kIncomplete, "building.spread"},
        BuildingCase{"typeBeforeFloors", {"大楼", std::nullopt, "", "", std::nullopt}, kIncomplete, "building.buildingType"},
        BuildingCase{"floorsBeforePopulation", building("", kEven, ""), kIncomplete, kFloors},
        BuildingCase{"populationBeforeSpread", {"", kResidential, "10", "", std::nullopt}, kIncomplete,
                     "building.totalPopulation"},
        BuildingCase{"incompleteBeforeOutOfRange", building("500", kEven, ""), kIncomplete, "building.totalPopulation"},
        BuildingCase{"blankPopulationIsFilled", building("10", kEven, " "), {}, "", 10},
        BuildingCase{"blankFloorsAreFilled", building(" ", kPerFloor), {}, "", 0},
        BuildingCase{"twoHundred", building("200"), {}, "", 200},
        BuildingCase{"twoHundredAndOne", building("201"), kOutOfRange, kFloors},
        BuildingCase{"twoHundredAndAHalfToEven", building("200.5"), {}, "", 200},
        BuildingCase{"perFloor129", building("129", kPerFloor), {}, "", 129},
        BuildingCase{"perFloor130", building("130", kPerFloor), kOutOfRange, kFloors},
        BuildingCase{"perFloor129AndAHalfToEven", building("129.5", kPerFloor), kOutOfRange, kFloors},
        BuildingCase{"even130", building("130"), {}, "", 130},
        BuildingCase{"beyondSixteenBits", building("32768"), kOutOfRange, kFloors},
        BuildingCase{"lowestSixteenBits", {"", kOwner, "-32768", "500", kEven}, {}, "", -32768},
        BuildingCase{"belowSixteenBits", building("-32769"), kOutOfRange, kFloors},
        BuildingCase{"aBillion", building("1e9", kPerFloor), kOutOfRange, kFloors}),
    CaseName());

// The floor population form's OK: the rows the rounded floor count covers (at most the
// form's 223), added one by one, each sum rounded to a whole person, ties to even.
struct FloorTotalCase {
    const char* name;
    const char* floors;
    std::vector<std::string> rows;
    std::optional<std::int32_t> total;  // empty: refused
};

class FloorTotals : public testing::TestWithParam<FloorTotalCase> {};

TEST_P(FloorTotals, AddTheRowsTheFloorsCover)
{
    const FloorTotalCase& c = GetParam();
    const auto checked = checkFloorPopulation(building(c.floors, kPerFloor), c.rows);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        EXPECT_EQ(c.total, std::nullopt);
        EXPECT_EQ(refusal->notice, Notice::InputError);
        EXPECT_EQ(refusal->entry.path(), "floorPopulations");
        EXPECT_FALSE(refusal->reason.empty());
        return;
    }
    EXPECT_EQ(std::optional(std::get<std::int32_t>(checked)), c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FloorTotals,
    testing::Values(
        FloorTotalCase{"halvesToEvenNobody", "2", {"0.5", "0.5"}, 0},
        FloorTotalCase{"oneAndAHalfTwice", "2", {"1.5", "1.5"}, 4},
        FloorTotalCase{"roundedBeforeTheNextRow", "2", {"2.5", "0.5"}, 2},
        FloorTotalCase{"negativeHalvesToEven", "2", {"-2.5", "-0.5"}, -2},
        FloorTotalCase{"emptyLettersAndBlanks", "4", {"", "abc", " 1 2", "7"}, 19},
        FloorTotalCase{"missingRowsReadAsNobody", "4", {"3"}, 3},
        FloorTotalCase{"rowsBeyondTheFloorsLeftOut", "2.5", {"1", "2", "1e999"}, 3},
        FloorTotalCase{"negativeFloors", "-3", {"5"}, 0},
        FloorTotalCase{"atMostTheFormsRows", "300", std::vector<std::string>(224, "1"), 223},
        FloorTotalCase{"largest", "1", {"2147483647"}, 2147483647},
        FloorTotalCase{"oneAboveTheLargest", "2", {"2147483647", "1"}, std::nullopt},
        FloorTotalCase{"halfAboveTheLargestToEven", "1", {"2147483647.5"}, std::nullopt},
        FloorTotalCase{"smallest", "1", {"-2147483648"}, std::numeric_limits<std::int32_t>::min()},
        FloorTotalCase{"oneBelowTheSmallest", "2", {"-2147483648", "-1"}, std::nullopt},
        FloorTotalCase{"beyondADouble", "1", {"1e999"}, std::nullopt}),
    CaseName());

// Below the rows the form says their total, and when it differs from the building data's,
// that the rows' total is the one used; a refused total says why instead. Row 2 is floor 3.
TEST(FloorTotals, AreSaidBelowTheRows)
{
    const ProjectData project = building("3", kPerFloor, "250");
    EXPECT_EQ(floorTotalLines(project, {"100", "150"}), std::vector<std::string>{"合计 250 人"});
    EXPECT_EQ(floorTotalLines(project, {"100", "0", "152.4"}),
              (std::vector<std::string>{"合计 252 人", "与楼宇资料的 250 人不同，按 252 人计算"}));
    const std::vector<std::string> tooMany{"2147483647", "1"};
    EXPECT_EQ(floorTotalLines(project, tooMany),
              std::vector<std::string>{std::get<Refusal>(checkFloorPopulation(project, tooMany)).reason});
    EXPECT_EQ(floorRowCaption(2), "第 3 层人数");
}

}  // namespace
}  // namespace trevalo::engine
