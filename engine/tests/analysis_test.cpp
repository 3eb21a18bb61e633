#include "engine/analysis/analysis.h"

#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::engine {
namespace {

struct SingleCase {
    const char* name;
    Entries entries;
    std::array<std::string, 9> texts;  // an empty text: its row is hidden
    double roundTripTime;
    std::string firstRun = "";  // m, the first run noted as long; empty: no note
};

class SingleResults : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleResults, ShowTheFiguresOfOneConfiguration)
{
    const auto outcome = runAnalysis(inputsOf(GetParam().entries));
    const auto* single = std::get_if<SingleResult>(&outcome);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->valueTexts, GetParam().texts);
    EXPECT_EQ(single->structuralLoadShown, !GetParam().texts[6].empty());
    EXPECT_EQ(single->pitAndHeadroomShown, !GetParam().texts[7].empty());
    EXPECT_NEAR(single->figures.roundTripTime, GetParam().roundTripTime, 1e-8);
    // A first run longer than three floor heights without an express zone is noted beside the
    // figures, in the load table as well.
    std::vector<std::string> notes;
    if (!GetParam().firstRun.empty())
        notes.push_back("首层至第一服务层的距离按 " + GetParam().firstRun + " m 计，请核对行程、层高和层数");
    EXPECT_EQ(single->notes, notes);
    Entries sweep = GetParam().entries;
    sweep.fixed = false;
    const auto table = runAnalysis(inputsOf(sweep));
    ASSERT_TRUE(std::holds_alternative<LoadTable>(table));
    EXPECT_EQ(std::get<LoadTable>(table).notes, notes);
}

// Expected figures from an independent model of the published formulas (a throwaway
// script, not part of the project), checked first against the worked examples; the
// first row is the worked case itself. Rows cover the three building types, every speed
// class and pit table row, the rope-count limits and traffic in one direction only. The
// first run is exactly three floor heights in officeNobodyDownAdvance, longer in the two
// unlisted offices, and longer but after an express zone in ownerHighExpress.
INSTANTIATE_TEST_SUITE_P(
    Analysis, SingleResults,
    testing::Values(
        SingleCase{"residentialWorked", {}, {"93.57", "46.785", "20.84", "41.68", "4.168", "8.336", "", "1.7", "4.9"},
                   93.570057974},
        SingleCase{"residentialSlowSixRopesUnlisted", {.door = kSide, .width = "1000", .speed = "1.5", .load = "1350", .finishing = "0"},
                   {"133.166", "66.583", "20.275", "40.551", "4.055", "8.11", "20887.5", "", ""}, 133.166415946},
        SingleCase{"residentialLowLimitNobodyUpAdvance",
                   {.advance = true, .up = "0", .down = "40", .speed = "2", .finishing = "300"},
                   {"51.597", "25.798", "30.234", "60.469", "6.047", "12.094", "17425", "2.2", "4.9"}, 51.596813272},
        SingleCase{"officeFourRopesAtLimits",
                   {.type = kOffice, .floors = "15", .population = "1200", .travel = "48", .up = "45", .down = "15",
                    .speed = "2.5", .load = "1300", .finishing = "300"},
                   {"126", "63", "24.286", "48.572", "2.024", "4.048", "21730", "2.5", "5.2"}, 125.999589775},
        SingleCase{"ownerSixRopesNobodyDown",
                   {.type = kOwner, .floors = "12", .population = "900", .travel = "39", .up = "80", .down = "0",
                    .speed = "3", .load = "1300", .finishing = "300"},
                   {"144.648", "72.324", "28.206", "56.413", "3.134", "6.268", "21835", "2.8", "5.5"}, 144.647928595},
        SingleCase{"officeNobodyDownAdvance",
                   {.type = kOffice, .floors = "20", .population = "1600", .travel = "66", .advance = true, .up = "80",
                    .down = "0", .speed = "3.5", .load = "1600", .finishing = "200"},
                   {"173.838", "86.919", "28.993", "57.985", "1.812", "3.624", "25865", "3.2", "6"}, 173.837919725},
        SingleCase{"ownerNobodyUpExpress",
                   {.type = kOwner, .floors = "20", .population = "1600", .travel = "96", .express = "36", .up = "0",
                    .down = "50", .speed = "4", .load = "1350", .cars = "3", .finishing = "100"},
                   {"112.365", "37.455", "24.029", "72.087", "1.502", "4.505", "22377.5", "4", "6.5"}, 112.36470674},
        SingleCase{"officeMiddleUnlisted",
                   {.type = kOffice, .floors = "25", .population = "2000", .travel = "90", .speed = "4.5",
                    .load = "1600", .cars = "4", .finishing = "400"},
                   {"155.358", "38.84", "20.276", "81.103", "1.014", "4.055", "27225", "", ""}, 155.358028639, "18"},
        SingleCase{"residentialHighNobodyDown",
                   {.floors = "30", .population = "1500", .travel = "93", .up = "80", .down = "0", .speed = "5",
                    .load = "1600", .cars = "3", .finishing = "500"},
                   {"223.332", "74.444", "22.567", "67.702", "1.504", "4.513", "27770", "5.3", "7.2"}, 223.332307375},
        SingleCase{"officeHighUnlisted",
                   {.type = kOffice, .floors = "30", .population = "2400", .travel = "120", .up = "50", .down = "30",
                    .speed = "5.5", .load = "1800", .cars = "4", .finishing = "300"},
                   {"242.155", "60.539", "23.786", "95.146", "0.991", "3.964", "29925", "", ""}, 242.155001699, "33"},
        SingleCase{"ownerHighExpress",
                   {.type = kOwner, .floors = "30", .population = "2400", .travel = "160", .floorHeight = "4",
                    .express = "40.5", .up = "60", .down = "25", .speed = "6", .load = "1600", .cars = "6"},
                   {"262.752", "43.792", "20.38", "122.282", "0.849", "5.095", "", "", ""}, 262.752418251},
        SingleCase{"residentialPerFloor",
                   {.spread = PopulationSpread::PerFloor, .floors = "4", .perFloor = {"100", "0", "250", "150"},
                    .travel = "15", .speed = "2.5", .load = "800", .cars = "1"},
                   {"53.72", "53.72", "27.923", "27.923", "5.585", "5.585", "", "2.5", "5.2"}, 53.719650811},
        SingleCase{"residentialOneFloorNoTransfer", {.floors = "1", .travel = "4", .speed = "1", .load = "630", .cars = "1"},
                   {"23.39", "23.39", "51.305", "51.305", "10.261", "10.261", "", "", ""}, 23.389680099},
        SingleCase{"nobodyTravels", {.up = "0", .down = "0"}, {"20.782", "10.391", "0", "0", "0", "0", "", "1.7", "4.9"},
                   20.781728935}),
    CaseName());

struct DoorCase {
    const char* name;
    DoorType door;
    const char* width;
    bool advance;
    const char* roundTripTime;
};

class DoorTimes : public testing::TestWithParam<DoorCase> {};

TEST_P(DoorTimes, EnterTheRoundTripTime)
{
    const DoorCase& c = GetParam();
    const auto outcome = runAnalysis(inputsOf({.door = c.door, .width = c.width, .advance = c.advance}));
    const auto* single = std::get_if<SingleResult>(&outcome);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->valueTexts[0], c.roundTripTime);
}

// The worked case with every door width of the timing table, from the same throwaway
// model. A width between rows takes the row below it; a four-panel door is refused below
// 1600 mm and takes the two-panel centre-opening door time of its halved width.
INSTANTIATE_TEST_SUITE_P(
    Analysis, DoorTimes,
    testing::Values(
        DoorCase{"centre800", kCentre, "800", false, "92.243"}, DoorCase{"centre850", kCentre, "850", false, "93.454"},
        DoorCase{"centre900", kCentre, "900", false, "93.57"}, DoorCase{"centre950", kCentre, "950", false, "94.781"},
        DoorCase{"centre1000", kCentre, "1000", false, "94.897"}, DoorCase{"centre1100", kCentre, "1100", false, "95.012"},
        DoorCase{"centre1200", kCentre, "1200", false, "95.734"}, DoorCase{"centre1300", kCentre, "1300", false, "96.455"},
        DoorCase{"centre1400", kCentre, "1400", false, "96.571"}, DoorCase{"centre1500", kCentre, "1500", false, "103.809"},
        DoorCase{"side800", kSide, "800", false, "98.903"}, DoorCase{"side850", kSide, "850", false, "100.719"},
        DoorCase{"side900", kSide, "900", false, "102.046"}, DoorCase{"side950", kSide, "950", false, "103.256"},
        DoorCase{"side1000", kSide, "1000", false, "103.978"}, DoorCase{"side1100", kSide, "1100", false, "105.304"},
        DoorCase{"side1200", kSide, "1200", false, "106.025"}, DoorCase{"side1300", kSide, "1300", false, "106.747"},
        DoorCase{"side1400", kSide, "1400", false, "106.862"}, DoorCase{"side1500", kSide, "1500", false, "104.414"},
        DoorCase{"centre1099", kCentre, "1099", false, "94.897"}, DoorCase{"side1499", kSide, "1499", false, "106.862"},
        DoorCase{"fourPanel1600", kFour, "1600", false, "86.858"}, DoorCase{"fourPanel3000", kFour, "3000", false, "103.809"},
        DoorCase{"fourPanel2000Advance", kFour, "2000", true, "84.436"}),
    CaseName());

using Cells = std::array<std::string, kLoadTableFigureColumns>;

struct SweepCase {
    const char* name;
    Entries entries;
    std::size_t first;  // the first filled row: 1 for the office types, whose row 0 is hidden
    bool relabelled;
    Cells firstCells, lastCells;
    double firstRoundTrip, lastRoundTrip;
};

class LoadTables : public testing::TestWithParam<SweepCase> {};

TEST_P(LoadTables, FillEveryStandardLoad)
{
    const SweepCase& c = GetParam();
    Entries entries = c.entries;
    entries.fixed = false;
    const auto outcome = runAnalysis(inputsOf(entries));
    const auto* table = std::get_if<LoadTable>(&outcome);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowZeroShown, c.first == 0);
    EXPECT_EQ(table->rows[0].has_value(), c.first == 0);
    for (std::size_t r = c.first; r < kLoadTableRows; ++r)
        ASSERT_TRUE(table->rows[r] && table->rows[r]->load == static_cast<double>(675 + 75 * r)) << r;
    EXPECT_EQ(table->cellTexts[c.first], c.firstCells);
    EXPECT_EQ(table->cellTexts[15], c.lastCells);
    EXPECT_NEAR(table->rows[c.first]->roundTripTime, c.firstRoundTrip, 1e-8);
    EXPECT_NEAR(table->rows[15]->roundTripTime, c.lastRoundTrip, 1e-8);
    const std::array<std::string, 3> headers = {"UP", "DN", "PS(UP)"}, swapped = {"DN", "UP", "PS(DN)"};
    EXPECT_EQ(table->relabelledHeaders(), c.relabelled ? swapped : headers);
}

// From the same throwaway model; the first row is the worked sweep.
INSTANTIATE_TEST_SUITE_P(
    Analysis, LoadTables,
    testing::Values(
        SweepCase{"residentialWorked", {}, 0, false, {"2.7", "1.8", "72.641", "3.717", "18.585", "2.476", "7.775"},
                  {"7.2", "4.8", "142.167", "5.064", "25.322", "5.317", "9.221"}, 72.640614782, 142.167069862},
        SweepCase{"officeHighEqualShares",
                  {.type = kOffice, .floors = "20", .population = "1200", .travel = "63", .up = "40", .down = "40", .speed = "5"},
                  1, false, {"4", "4", "106.212", "1.883", "22.596", "3.71", "16.483"},
                  {"9.6", "9.6", "202.472", "2.371", "28.448", "7.777", "18.573"}, 106.211615884, 202.471507681},
        SweepCase{"residentialNobodyUp", {.up = "0", .down = "40", .speed = "2"}, 0, true,
                  {"0", "3.6", "44.945", "4.806", "24.029", "1", "1"}, {"0", "9.6", "85.686", "6.722", "33.611", "1", "1"},
                  44.944893219, 85.686429954},
        SweepCase{"officeMoreDownNoFasterThanOfficeLimit",
                  {.type = kOffice, .floors = "18", .population = "1500", .travel = "57", .door = kSide, .width = "1100",
                   .up = "30", .down = "45", .speed = "1.75"},
                  1, true, {"3", "4.5", "142.594", "1.052", "15.779", "2.836", "13.986"},
                  {"7.2", "10.8", "257.169", "1.4", "20.998", "6.073", "16.272"}, 142.594067146, 257.169281021}),
    CaseName());

struct CheckCase {
    const char* name;
    Entries entries;
    std::optional<Notice> notice;  // empty: the figures are shown
    std::string entry = "";        // the entry the refusal names; empty for a refusal of the figures
};

class Checks : public testing::TestWithParam<CheckCase> {};

TEST_P(Checks, TheFirstFailingCheckGivesItsNoticeAndNamesItsEntry)
{
    const auto outcome = runAnalysis(inputsOf(GetParam().entries));
    const auto* refusal = std::get_if<Refusal>(&outcome);
    EXPECT_EQ(refusal ? std::optional(refusal->notice) : std::nullopt, GetParam().notice);
    EXPECT_EQ(refusal ? refusal->entry.path() : "", GetParam().entry);
    // A refusal that names an entry says what is wrong with it.
    EXPECT_EQ(refusal && refusal->reason.empty(), refusal && refusal->entry.empty());
    // Only the door width refusal empties the width entry.
    EXPECT_EQ(refusal && refusal->clearDoorWidth, GetParam().notice == Notice::DoorWidthNonStandard);
}

constexpr auto kIncomplete = Notice::IncompleteInput;
constexpr auto kInputError = Notice::InputError;
constexpr auto kDoorWidth = Notice::DoorWidthNonStandard;
constexpr std::optional<Notice> kFigures;

// One row per required entry, then pairs of failures that must give the notice of the
// check made first (the building data, the floor rows' total, then the elevator
// parameters), then single refusals and entries that still give figures.
INSTANTIATE_TEST_SUITE_P(
    Analysis, Checks,
    testing::Values(
        CheckCase{"noPopulation", {.population = ""}, kIncomplete, "building.totalPopulation"},
        CheckCase{"noTravel", {.travel = ""}, kIncomplete, "elevator.travel"},
        CheckCase{"noFloorHeight", {.floorHeight = ""}, kIncomplete, "elevator.floorHeight"},
        CheckCase{"noDoorWidth", {.width = ""}, kIncomplete, "elevator.doorWidth"},
        CheckCase{"noLoss", {.loss = ""}, kIncomplete, "elevator.lossPercent"},
        CheckCase{"noUpShare", {.up = ""}, kIncomplete, "elevator.upPercent"},
        CheckCase{"noSpeed", {.speed = ""}, kIncomplete, "elevator.ratedSpeed"},
        CheckCase{"noDownShare", {.down = ""}, kIncomplete, "elevator.downPercent"},
        CheckCase{"noDoorType", {.door = std::nullopt}, kIncomplete, "elevator.doorType"},
        CheckCase{"zoneWithoutDistance", {.express = ""}, kIncomplete, "elevator.expressDistance"},
        CheckCase{"noCars", {.cars = ""}, kIncomplete, "elevator.carCount"},
        CheckCase{"noLoad", {.load = ""}, kIncomplete, "elevator.ratedLoad"},
        CheckCase{"noFinishingWeight", {.finishing = ""}, kIncomplete, "elevator.finishingWeight"},
        CheckCase{"buildingDataBeforeElevator", {.spread = std::nullopt, .travel = ""}, kIncomplete, "building.spread"},
        CheckCase{"tooManyFloorsBeforeElevator", {.floors = "300", .travel = ""},
                  Notice::FloorsOutOfRange, "building.floorsServed"},
        CheckCase{"rowsTotalBeforeElevator", {.spread = kPerFloor, .perFloor = {"2147483647", "1"}, .travel = ""},
                  kInputError, "floorPopulations"},
        CheckCase{"incompleteBeforeSpeed", {.down = "", .speed = "0"}, kIncomplete, "elevator.downPercent"},
        CheckCase{"incompleteBeforeDoorWidth", {.width = "10", .finishing = ""},
                  kIncomplete, "elevator.finishingWeight"},
        CheckCase{"speedBeforeDoorWidth", {.width = "10", .speed = "0"}, kInputError, "elevator.ratedSpeed"},
        CheckCase{"populationBeforeDoorWidth", {.population = "-5", .width = "10"},
                  kInputError, "building.totalPopulation"},
        CheckCase{"populationBeyondANumber", {.population = "1e400"}, kInputError, "building.totalPopulation"},
        CheckCase{"aMillionMillionPersons", {.population = "1e12"}, kFigures},
        CheckCase{"doorWidthBeforeCars", {.width = "10", .cars = "0"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"doorWidthBeforeFloors", {.floors = "0", .width = "1600"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"doorWidthBeforeShares", {.width = "799", .up = "-1"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"doorWidthBeforeRunLength", {.express = "100", .width = "1501"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"fourPanelHalfTooNarrow", {.door = kFour, .width = "1599"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"fourPanelHalfTooWide", {.door = kFour, .width = "3001"}, kDoorWidth, "elevator.doorWidth"},
        CheckCase{"zeroCars", {.cars = "0"}, kInputError, "elevator.carCount"},
        CheckCase{"halfAFloor", {.floors = "0.5"}, kInputError, "building.floorsServed"},
        CheckCase{"upAtTheWholeCar", {.up = "100"}, kFigures},
        CheckCase{"upJustAboveTheWholeCar", {.up = "100.0001"}, kInputError, "elevator.upPercent"},
        CheckCase{"upFarAboveTheWholeCar", {.up = "800"}, kInputError, "elevator.upPercent"},
        CheckCase{"downAtTheWholeCar", {.down = "100"}, kFigures},
        CheckCase{"downJustAboveTheWholeCar", {.down = "100.0001"}, kInputError, "elevator.downPercent"},
        CheckCase{"downFarAboveTheWholeCar", {.down = "800"}, kInputError, "elevator.downPercent"},
        CheckCase{"upBeforeDown", {.up = "101", .down = "-1"}, kInputError, "elevator.upPercent"},
        CheckCase{"downBeforeLoss", {.loss = "-5", .down = "101"}, kInputError, "elevator.downPercent"},
        CheckCase{"negativeDown", {.down = "-1"}, kInputError, "elevator.downPercent"},
        CheckCase{"negativeLoad", {.load = "-75"}, kInputError, "elevator.ratedLoad"},
        CheckCase{"negativeLoss", {.loss = "-5"}, kInputError, "elevator.lossPercent"},
        CheckCase{"upBelowOneStopMakesOne", {.up = "0.5"}, kFigures},
        CheckCase{"expressLongerThanTravel", {.express = "100"}, kInputError, "elevator.travel"},
        CheckCase{"vanishingPopulation", {.population = "1e-320"}, kInputError},
        // The load table refuses as the single result does.
        CheckCase{"expressLongerThanTravelInTheTable", {.express = "100", .fixed = false}, kInputError, "elevator.travel"},
        CheckCase{"vanishingPopulationInTheTable", {.population = "1e-320", .fixed = false}, kInputError},
        CheckCase{"nobodyOnAnyFloor", {.spread = kPerFloor, .perFloor = {"0"}}, kInputError, "floorPopulations"},
        CheckCase{"floorBelowNothing", {.spread = kPerFloor, .perFloor = {"250", "260", "-10"}},
                  kInputError, "floorPopulations[2]"},
        CheckCase{"floorAboveTotal", {.spread = kPerFloor, .perFloor = {"0", "600", "-100"}},
                  kInputError, "floorPopulations[1]"},
        // The building data form's total stands aside: a floor is held against the rows' total.
        CheckCase{"rowsTotalNotBuildingTotal", {.spread = kPerFloor, .population = "5", .perFloor = {"500"}}, kFigures},
        CheckCase{"missingFloorsReadAsNobody", {.spread = kPerFloor, .perFloor = {"500"}}, kFigures},
        CheckCase{"blankExpressDistanceReadsZero", {.express = "  "}, kFigures},
        CheckCase{"noLossAllowance", {.loss = "0"}, kFigures},
        CheckCase{"sweepNeedsNoLoadOrCars", {.fixed = false, .load = "", .cars = ""}, kFigures}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine
