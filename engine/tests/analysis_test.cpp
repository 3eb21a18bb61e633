#include "engine/analysis.h"

#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace trevalo::engine {
namespace {

// The worked case as a user enters it, load and number decided.
AnalysisInputs workedCase()
{
    AnalysisInputs inputs;
    inputs.project = {"", BuildingType::Residential, "10", "500", PopulationSpread::Even};
    ElevatorParameters& e = inputs.elevator;
    e.travel = "30";
    e.floorHeight = "3";
    e.doorType = DoorType::TwoPanelCentre;
    e.doorWidth = "900";
    e.lossPercent = "5";
    e.upPercent = "30";
    e.downPercent = "20";
    e.ratedSpeed = "1.75";
    e.fixedConfiguration = true;
    e.ratedLoad = "1000";
    e.carCount = "2";
    return inputs;
}

AnalysisInputs workedSweep()
{
    AnalysisInputs inputs = workedCase();
    inputs.elevator.fixedConfiguration = false;
    return inputs;
}

std::optional<Notice> noticeOf(const AnalysisOutcome& outcome)
{
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return refusal->notice;
    return std::nullopt;
}

TEST(Analysis, WorkedCaseShowsItsFigures)
{
    const auto outcome = runAnalysis(workedCase());
    const auto* single = std::get_if<SingleResult>(&outcome);
    ASSERT_NE(single, nullptr);
    const std::array<std::string, 9> expected{"93.57", "46.785", "20.84", "41.68", "4.168", "8.336", "", "1.7", "4.9"};
    EXPECT_EQ(single->valueTexts, expected);
    EXPECT_FALSE(single->structuralLoadShown);
    EXPECT_TRUE(single->pitAndHeadroomShown);
}

TEST(Analysis, WorkedSweepRowsZeroAndFifteen)
{
    const auto outcome = runAnalysis(workedSweep());
    const auto* table = std::get_if<LoadTable>(&outcome);
    ASSERT_NE(table, nullptr);
    using Row = std::array<std::string, kLoadTableFigureColumns>;
    EXPECT_EQ(table->cellTexts[0], (Row{"2.7", "1.8", "72.641", "3.717", "18.585", "2.476", "7.775"}));
    EXPECT_EQ(table->cellTexts[15], (Row{"7.2", "4.8", "142.167", "5.064", "25.322", "5.317", "9.221"}));
    EXPECT_TRUE(table->rowZeroShown);
    EXPECT_FALSE(table->directionRelabelled);
    for (int r = 0; r < kLoadTableRows; ++r) {
        ASSERT_TRUE(table->rows[static_cast<std::size_t>(r)]) << "row " << r;
        EXPECT_EQ(table->rows[static_cast<std::size_t>(r)]->load, 675 + 75 * r);
    }
}

struct SweepCase {
    const char* name;
    BuildingType type;
    const char* up;
    const char* down;
    bool rowZeroShown;
    std::array<std::string, 3> headers;
};

class LoadSweepLayout : public testing::TestWithParam<SweepCase> {};

TEST_P(LoadSweepLayout, RowsAndHeaders)
{
    const SweepCase& c = GetParam();
    AnalysisInputs inputs = workedSweep();
    inputs.project.buildingType = c.type;
    inputs.elevator.upPercent = c.up;
    inputs.elevator.downPercent = c.down;
    const auto outcome = runAnalysis(inputs);
    const auto* table = std::get_if<LoadTable>(&outcome);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowZeroShown, c.rowZeroShown);
    EXPECT_EQ(table->rows[0].has_value(), c.rowZeroShown);
    EXPECT_EQ(table->cellTexts[0][0].empty(), !c.rowZeroShown);
    for (std::size_t r = 1; r < table->rows.size(); ++r)
        EXPECT_TRUE(table->rows[r]) << "row " << r;
    EXPECT_EQ(table->relabelledHeaders(), c.headers);
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, LoadSweepLayout,
    testing::Values(SweepCase{"residential", BuildingType::Residential, "30", "20", true, {"UP", "DN", "PS(UP)"}},
                    SweepCase{"office", BuildingType::OfficeAndHotel, "50", "50", false, {"UP", "DN", "PS(UP)"}},
                    SweepCase{"ownerOccupied", BuildingType::OwnerOccupiedOffice, "80", "0", false,
                              {"UP", "DN", "PS(UP)"}},
                    SweepCase{"moreDown", BuildingType::Residential, "30", "70", true, {"DN", "UP", "PS(DN)"}},
                    SweepCase{"equalShares", BuildingType::Residential, "50", "50", true, {"UP", "DN", "PS(UP)"}}),
    CaseName());

struct RefusalCase {
    const char* name;
    std::function<void(AnalysisInputs&)> change;
    std::optional<Notice> notice;  // empty: figures
};

class AnalysisChecks : public testing::TestWithParam<RefusalCase> {};

TEST_P(AnalysisChecks, RaisesTheFirstFailingNotice)
{
    AnalysisInputs inputs = workedCase();
    GetParam().change(inputs);
    EXPECT_EQ(noticeOf(runAnalysis(inputs)), GetParam().notice);
}

using E = ElevatorParameters;
const auto incomplete = std::optional<Notice>(Notice::IncompleteInput);
const auto inputError = std::optional<Notice>(Notice::InputError);
const auto doorWidth = std::optional<Notice>(Notice::DoorWidthNonStandard);
const auto figures = std::optional<Notice>();

INSTANTIATE_TEST_SUITE_P(
    Analysis, AnalysisChecks,
    testing::Values(
        RefusalCase{"emptyTravel", [](AnalysisInputs& i) { i.elevator.travel.clear(); }, incomplete},
        RefusalCase{"emptySpeed", [](AnalysisInputs& i) { i.elevator.ratedSpeed.clear(); }, incomplete},
        RefusalCase{"noDoorType", [](AnalysisInputs& i) { i.elevator.doorType.reset(); }, incomplete},
        RefusalCase{"expressZoneWithoutDistance", [](AnalysisInputs& i) { i.elevator.expressZoneSet = true; },
                    incomplete},
        RefusalCase{"blankExpressDistanceReadsZero",
                    [](AnalysisInputs& i) {
                        i.elevator.expressZoneSet = true;
                        i.elevator.expressDistance = "  ";
                    },
                    figures},
        RefusalCase{"decidedWithoutCars", [](AnalysisInputs& i) { i.elevator.carCount.clear(); }, incomplete},
        RefusalCase{"sweepIgnoresEmptyCars",
                    [](AnalysisInputs& i) {
                        i.elevator.fixedConfiguration = false;
                        i.elevator.carCount.clear();
                        i.elevator.ratedLoad.clear();
                    },
                    figures},
        RefusalCase{"machineRoomWithoutFinishingWeight",
                    [](AnalysisInputs& i) { i.elevator.machineRoomRequested = true; }, incomplete},
        RefusalCase{"incompleteBeforeZeroSpeed",
                    [](AnalysisInputs& i) {
                        i.elevator.ratedSpeed = "0";
                        i.elevator.travel.clear();
                    },
                    incomplete},
        RefusalCase{"speedOfLetters", [](AnalysisInputs& i) { i.elevator.ratedSpeed = "abc"; }, inputError},
        RefusalCase{"zeroPopulation", [](AnalysisInputs& i) { i.project.totalPopulation = "0"; }, inputError},
        RefusalCase{"noSpread", [](AnalysisInputs& i) { i.project.spread.reset(); }, inputError},
        RefusalCase{"zeroPopulationBeforeDoorWidth",
                    [](AnalysisInputs& i) {
                        i.project.totalPopulation = "-5";
                        i.elevator.doorWidth = "100";
                    },
                    inputError},
        RefusalCase{"width799", [](AnalysisInputs& i) { i.elevator.doorWidth = "799"; }, doorWidth},
        RefusalCase{"width1501", [](AnalysisInputs& i) { i.elevator.doorWidth = "1501"; }, doorWidth},
        RefusalCase{"fourPanel1100", [](AnalysisInputs& i) {
                        i.elevator.doorType = DoorType::FourPanelCentre;
                        i.elevator.doorWidth = "1100";
                    }, doorWidth},
        RefusalCase{"fourPanel2000", [](AnalysisInputs& i) {
                        i.elevator.doorType = DoorType::FourPanelCentre;
                        i.elevator.doorWidth = "2000";
                    }, figures},
        RefusalCase{"doorWidthBeforeCars",
                    [](AnalysisInputs& i) {
                        i.elevator.doorWidth = "10";
                        i.elevator.carCount = "0";
                    },
                    doorWidth},
        RefusalCase{"zeroCars", [](AnalysisInputs& i) { i.elevator.carCount = "0"; }, inputError},
        RefusalCase{"noFloors", [](AnalysisInputs& i) { i.project.floorsServed = "0"; }, inputError},
        RefusalCase{"halfAFloor", [](AnalysisInputs& i) { i.project.floorsServed = "0.5"; }, inputError},
        RefusalCase{"oneFloor", [](AnalysisInputs& i) { i.project.floorsServed = "1"; }, figures},
        RefusalCase{"negativeUpShare", [](AnalysisInputs& i) { i.elevator.upPercent = "-1"; }, inputError},
        RefusalCase{"negativeDownShare", [](AnalysisInputs& i) { i.elevator.downPercent = "-1"; }, inputError},
        RefusalCase{"negativeRatedLoad", [](AnalysisInputs& i) { i.elevator.ratedLoad = "-75"; }, inputError},
        RefusalCase{"expressLongerThanTravel",
                    [](AnalysisInputs& i) {
                        i.elevator.expressZoneSet = true;
                        i.elevator.expressDistance = "100";
                    },
                    inputError},
        RefusalCase{"tinyUpShareGivesLessThanOneStop", [](AnalysisInputs& i) { i.elevator.upPercent = "0.5"; },
                    inputError},
        RefusalCase{"percentOfAVanishingPopulation",
                    [](AnalysisInputs& i) { i.project.totalPopulation = "1e-320"; }, inputError},
        RefusalCase{"nobodyTravels",
                    [](AnalysisInputs& i) {
                        i.elevator.upPercent = "0";
                        i.elevator.downPercent = "0";
                    },
                    figures}),
    CaseName());

TEST(Analysis, DoorWidthRefusalEmptiesTheWidth)
{
    AnalysisInputs inputs = workedCase();
    inputs.elevator.doorWidth = "1600";
    const auto outcome = runAnalysis(inputs);
    const auto* refusal = std::get_if<Refusal>(&outcome);
    ASSERT_NE(refusal, nullptr);
    EXPECT_TRUE(refusal->clearDoorWidth);
    inputs.elevator.doorWidth = "1400";
    inputs.elevator.carCount = "-1";
    EXPECT_FALSE(std::get<Refusal>(runAnalysis(inputs)).clearDoorWidth);
}

AnalysisInputs perFloor(std::vector<std::string> floors, std::string total)
{
    AnalysisInputs inputs = workedCase();
    inputs.project.spread = PopulationSpread::PerFloor;
    inputs.project.floorsServed = std::to_string(floors.size());
    inputs.floors.floorPopulations = std::move(floors);
    inputs.floors.storedTotal = std::move(total);
    return inputs;
}

TEST(Analysis, PerFloorPopulationsMustLieWithinTheTotal)
{
    EXPECT_EQ(noticeOf(runAnalysis(perFloor({"50", "-10", "60"}, "100"))), inputError);
    EXPECT_EQ(noticeOf(runAnalysis(perFloor({"150", "-50"}, "100"))), inputError);
    EXPECT_EQ(noticeOf(runAnalysis(perFloor({"50", "50"}, "100"))), figures);
    // Floors past the entries read as empty, that is 0.
    AnalysisInputs shortList = perFloor({"100"}, "100");
    shortList.project.floorsServed = "3";
    EXPECT_EQ(noticeOf(runAnalysis(shortList)), figures);
}

TEST(Analysis, EvenlySpreadPerFloorEntriesMatchTheEvenSpread)
{
    const auto even = std::get<SingleResult>(runAnalysis(workedCase()));
    const auto floors = std::get<SingleResult>(
        runAnalysis(perFloor(std::vector<std::string>(10, "50"), "500")));
    EXPECT_EQ(floors.valueTexts, even.valueTexts);
}

struct MachineRoomCase {
    const char* name;
    const char* speed;
    const char* ratedLoad;
    bool requested;
    std::array<std::string, 3> texts;  // structural load, pit depth, headroom; empty: row hidden
};

class MachineRoomRows : public testing::TestWithParam<MachineRoomCase> {};

TEST_P(MachineRoomRows, ShowsWhatIsRequestedAndDetermined)
{
    const MachineRoomCase& c = GetParam();
    AnalysisInputs inputs = workedCase();
    inputs.elevator.ratedSpeed = c.speed;
    inputs.elevator.ratedLoad = c.ratedLoad;
    inputs.elevator.machineRoomRequested = c.requested;
    inputs.elevator.finishingWeight = "300";
    inputs.elevator.travel = "50";
    const auto result = std::get<SingleResult>(runAnalysis(inputs));
    EXPECT_EQ(result.structuralLoadShown, !c.texts[0].empty());
    EXPECT_EQ(result.pitAndHeadroomShown, !c.texts[1].empty());
    EXPECT_EQ((std::array<std::string, 3>{result.valueTexts[6], result.valueTexts[7], result.valueTexts[8]}),
              c.texts);
}

// Four ropes up to 2.5 m/s and 1300 kg, six beyond; the rated load counts as entered.
INSTANTIATE_TEST_SUITE_P(
    Analysis, MachineRoomRows,
    testing::Values(MachineRoomCase{"slowNotRequested", "1.5", "1000", false, {"", "", ""}},
                    MachineRoomCase{"lowestTabulated", "1.75", "1000", true, {"17625", "1.7", "4.9"}},
                    MachineRoomCase{"twoNotRequested", "2", "1000", false, {"", "2.2", "4.9"}},
                    MachineRoomCase{"fourRopes", "2", "1000", true, {"17625", "2.2", "4.9"}},
                    MachineRoomCase{"heavySixRopes", "2", "1350", true, {"22687.5", "2.2", "4.9"}},
                    MachineRoomCase{"limitsStillFourRopes", "2.5", "1300", true, {"21750", "2.5", "5.2"}},
                    MachineRoomCase{"fastSixRopes", "3", "1300", true, {"22000", "2.8", "5.5"}},
                    MachineRoomCase{"untabulatedSpeed", "4.5", "1000", true, {"17875", "", ""}},
                    MachineRoomCase{"fastest", "5", "1000", false, {"", "5.3", "7.2"}},
                    MachineRoomCase{"beyondTable", "6", "1000", true, {"17875", "", ""}}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine
