#include "export/column_widths.h"
#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace trevalo::workbook {
namespace {

using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;

// The residential case of the typical road: 10 floors, 500 persons spread evenly.
WizardState residentialState()
{
    WizardState state;
    auto& project = state.inputs.project;
    project.projectName = "办公楼A座";
    project.buildingType = BuildingType::Residential;
    project.floorsServed = "10";
    project.totalPopulation = "500";
    project.spread = PopulationSpread::Even;
    auto& elevator = state.inputs.elevator;
    elevator.travel = "30";
    elevator.floorHeight = "3";
    elevator.expressDistance = "12";
    elevator.doorType = DoorType::TwoPanelCentre;
    elevator.doorWidth = "900";
    elevator.lossPercent = "5";
    elevator.upPercent = "30";
    elevator.downPercent = "20";
    elevator.ratedSpeed = "1.75";
    elevator.fixedConfiguration = true;
    elevator.ratedLoad = "1000";
    elevator.carCount = "2";
    state.dateCaption = "2026/12/6";
    state.timeCaption = "18:30:05";
    return state;
}

WizardState perFloorState(const std::string& floors, int entries)
{
    WizardState state = residentialState();
    state.inputs.project.floorsServed = floors;
    state.inputs.project.spread = PopulationSpread::PerFloor;
    state.inputs.floors.storedTotal = "150";
    for (int i = 0; i < entries; ++i) {
        state.floorLabels.push_back("第 " + std::to_string(i + 1) + " 层人数");
        state.inputs.floors.floorPopulations.push_back(std::to_string(10 + i));
    }
    return state;
}

SingleResultCaptions workedCaptions(bool structuralLoad, bool pitDepth)
{
    SingleResultCaptions form;
    form.valueTexts = {"93.57", "46.785", "20.84", "41.68", "4.168", "8.336", "3200", "1.7", "4.9"};
    form.structuralLoadVisible = structuralLoad;
    form.pitDepthVisible = pitDepth;
    return form;
}

LoadTableCaptions filledTable(int firstFilledRow)
{
    LoadTableCaptions form;
    for (int row = 0; row < kTableRows; ++row) {
        form.cellTexts[0][static_cast<std::size_t>(row)] =
            std::to_string(675 + 75 * row) + "/" + std::to_string(9 + row);
        for (int array = 2; array <= kTableArrays && row >= firstFilledRow; ++array) {
            form.cellTexts[static_cast<std::size_t>(array - 1)][static_cast<std::size_t>(row)] =
                std::to_string(array) + "." + std::to_string(row);
        }
    }
    return form;
}

using Cells = std::map<std::string, std::string>;

void expectCells(const SheetModel& sheet, const Cells& expected)
{
    for (const auto& [address, text] : expected)
        EXPECT_EQ(sheet.text(address), text) << "cell " << address;
}

// Every text cell of the sheet, for tests that check what is left empty.
std::vector<std::string> filledAddresses(const SheetModel& sheet)
{
    std::vector<std::string> addresses;
    for (const auto& [position, cell] : sheet.cells()) {
        if (!cell.text.empty())
            addresses.push_back(columnName(position.column) + std::to_string(position.row));
    }
    return addresses;
}

struct BlockCase {
    const char* name;
    std::function<void(WizardState&)> change;
    bool includeLoadAndNumber;
    Cells expected;
};

class InputDataBlock : public testing::TestWithParam<BlockCase> {};

TEST_P(InputDataBlock, WritesTheEntriesAsTheFormsHoldThem)
{
    WizardState state = residentialState();
    GetParam().change(state);
    SheetModel sheet;
    writeInputDataBlock(sheet, state, GetParam().includeLoadAndNumber, 20);
    expectCells(sheet, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputDataBlock,
    testing::Values(
        BlockCase{"evenSpreadWithLoadAndNumber", [](WizardState&) {}, true,
                  {{"A1", "项目名称："}, {"B1", "办公楼A座"}, {"A2", "日期： 2026/12/6"},
                   {"D2", "时间： 18:30:05"}, {"A4", "Trevalo——数据"}, {"A5", "建筑类型"},
                   {"B5", "住宅"}, {"A6", "电梯停留层数"}, {"B6", "10"}, {"A7", "楼宇总人数"},
                   {"B7", "500"}, {"A8", "电梯总行程 (米)"}, {"B8", "30"},
                   {"A9", "平均每层高度 (米)"}, {"B9", "3"}, {"A10", "快速通行区 (米)"},
                   {"B10", "无"}, {"A11", "电梯门类型及开启宽度 (毫米)"}, {"B11", "2CO……900"},
                   {"A12", "电梯预先开门"}, {"B12", "无"}, {"A13", "折耗率 (%)"}, {"B13", "5"},
                   {"A14", "上行百分比 (%)"}, {"B14", "30"}, {"A15", "下行百分比 (%)"},
                   {"B15", "20"}, {"A16", "电梯速度 (米/秒)"}, {"B16", "1.75"},
                   {"A17", "单电梯载重 (KG)"}, {"B17", "1000"}, {"A18", "电梯数量"},
                   {"B18", "2"}, {"A20", ""}, {"A21", ""}}},
        BlockCase{"withoutLoadAndNumberRows17And18StayEmpty", [](WizardState&) {}, false,
                  {{"A17", ""}, {"B17", ""}, {"A18", ""}, {"B18", ""}, {"B16", "1.75"}}},
        BlockCase{"expressZoneSetShowsItsDistance",
                  [](WizardState& s) { s.inputs.elevator.expressZoneSet = true; }, true,
                  {{"B10", "12"}}},
        BlockCase{"advanceOpeningSet",
                  [](WizardState& s) { s.inputs.elevator.advanceOpening = true; }, true,
                  {{"B12", "有"}}},
        BlockCase{"officeAndHotelWithSideOpeningDoor",
                  [](WizardState& s) {
                      s.inputs.project.buildingType = BuildingType::OfficeAndHotel;
                      s.inputs.elevator.doorType = DoorType::TwoPanelSide;
                      s.inputs.elevator.doorWidth = "1000 ";
                  },
                  true, {{"B5", "办公楼及酒店"}, {"B11", "2SO……1000 "}}},
        BlockCase{"ownerOccupiedOfficeWithFourPanelDoor",
                  [](WizardState& s) {
                      s.inputs.project.buildingType = BuildingType::OwnerOccupiedOffice;
                      s.inputs.elevator.doorType = DoorType::FourPanelCentre;
                  },
                  true, {{"B5", "自用办公楼"}, {"B11", "4CO……900"}}},
        BlockCase{"noBuildingTypeNoDoorTypeNoSpreadLeaveTheirCellsEmpty",
                  [](WizardState& s) {
                      s.inputs.project.buildingType.reset();
                      s.inputs.elevator.doorType.reset();
                      s.inputs.project.spread.reset();
                  },
                  true, {{"A5", "建筑类型"}, {"B5", ""}, {"B11", ""}, {"A7", "楼宇总人数"}, {"B7", ""}}},
        BlockCase{"emptyProjectNameAndEntriesAsTyped",
                  [](WizardState& s) {
                      s.inputs.project.projectName.clear();
                      s.inputs.project.floorsServed = " 10abc";
                  },
                  true, {{"A1", "项目名称："}, {"B1", ""}, {"B6", " 10abc"}}},
        BlockCase{"perFloorTotalPointsAtTheList",
                  [](WizardState& s) { s = perFloorState("3", 223); }, true,
                  {{"B7", "150 (详见下示)"}, {"A20", "每层人数资料"}, {"A21", "第 1 层人数"},
                   {"B21", "10"}, {"A23", "第 3 层人数"}, {"B23", "12"}, {"A24", ""}, {"B24", ""}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct FloorListCase {
    const char* name;
    std::string floorsServed;
    int entries;  // elements the floor population form holds
    int expectedRows;
};

class FloorList : public testing::TestWithParam<FloorListCase> {};

TEST_P(FloorList, RunsWhileTheIndexIsAtMostTheFloorCountLessOne)
{
    const FloorListCase& param = GetParam();
    SheetModel sheet;
    writeInputDataBlock(sheet, perFloorState(param.floorsServed, param.entries), false, 18);
    int rows = 0;
    for (const auto& [position, cell] : sheet.cells()) {
        if (position.row > 18 && position.column == 1 && !cell.text.empty())
            ++rows;
    }
    EXPECT_EQ(rows, param.expectedRows);
    EXPECT_EQ(sheet.text("A18"), "每层人数资料");
    if (param.expectedRows > 0 && param.entries >= param.expectedRows) {
        const std::string last = std::to_string(18 + param.expectedRows);
        EXPECT_EQ(sheet.text("A" + last), "第 " + std::to_string(param.expectedRows) + " 层人数");
        EXPECT_EQ(sheet.text("B" + last), std::to_string(9 + param.expectedRows));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloorList,
    testing::Values(FloorListCase{"wholeCount", "3", 223, 3},
                    FloorListCase{"fractionIsNotRounded", "2.5", 223, 2},
                    FloorListCase{"fractionJustBelowNextWhole", "3.99", 223, 3},
                    FloorListCase{"belowOneListsNothing", "0.5", 223, 0},
                    FloorListCase{"negativeListsNothing", "-3", 223, 0},
                    FloorListCase{"textWithoutNumberListsNothing", "abc", 223, 0},
                    FloorListCase{"leadingNumberOfText", "4 floors", 223, 4},
                    FloorListCase{"mostFloorsByFloor", "129", 223, 129},
                    FloorListCase{"cappedAtTheRowsOfTheForm", "500", 223, 223},
                    FloorListCase{"hugeCountCapped", "1e300", 223, 223},
                    FloorListCase{"formNotLoadedWritesNoRows", "3", 0, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct SingleCase {
    const char* name;
    bool structuralLoad;
    bool pitDepth;
    Cells expected;
};

class SingleResultBlock : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleResultBlock, OptionalRowsKeepTheirPlaces)
{
    const SingleCase& param = GetParam();
    const WorkbookLayout layout =
        singleResultLayout(residentialState(), workedCaptions(param.structuralLoad, param.pitDepth));
    Cells always = {{"D4", "Trevalo——结果"}, {"D5", "总行程时间 (秒)"}, {"E5", "93.57"},
                    {"D6", "最长侯机时间 (秒)"}, {"E6", "46.785"}, {"D7", "5分钟内单机运载人数"},
                    {"E7", "20.84"}, {"D8", "5分钟内总运载人数"}, {"E8", "41.68"},
                    {"D9", "5分钟内单机运载人数百分比"}, {"E9", "4.168"},
                    {"D10", "5分钟内总运载人数百分比"}, {"E10", "8.336"}, {"C5", ""}};
    expectCells(layout.sheet, always);
    expectCells(layout.sheet, param.expected);
    EXPECT_EQ(layout.sheet.cell({4, 4})->headingSize, 14);
    EXPECT_FALSE(layout.chart.has_value());
    for (const std::string& address : filledAddresses(layout.sheet))
        EXPECT_LE(parseCellAddress(address)->row, 18) << address;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleResultBlock,
    testing::Values(
        SingleCase{"neitherOptionalGroup", false, false,
                   {{"D11", ""}, {"E11", ""}, {"D12", ""}, {"E12", ""}, {"D13", ""}, {"E13", ""}}},
        SingleCase{"structuralLoadOnly", true, false,
                   {{"D11", "电梯机房的结构荷载 kg"}, {"E11", "3200"}, {"D12", ""}, {"E13", ""}}},
        SingleCase{"pitDepthOnly", false, true,
                   {{"D11", ""}, {"E11", ""}, {"D12", "井深 m"}, {"E12", "1.7"},
                    {"D13", "井顶缓冲高度 m"}, {"E13", "4.9"}}},
        SingleCase{"both", true, true,
                   {{"E11", "3200"}, {"E12", "1.7"}, {"E13", "4.9"}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct DirectionCase {
    const char* name;
    std::string up;
    std::string down;
    Cells expected;
};

class LoadTableHeaders : public testing::TestWithParam<DirectionCase> {};

TEST_P(LoadTableHeaders, FollowTheDirectionTestOnTheEnteredShares)
{
    WizardState state = residentialState();
    state.inputs.elevator.upPercent = GetParam().up;
    state.inputs.elevator.downPercent = GetParam().down;
    const WorkbookLayout layout = loadTableLayout(state, filledTable(0));
    expectCells(layout.sheet, {{"D5", "载重/人数"}, {"G5", "RTT (SEC)"}, {"H5", "HC (%)"},
                               {"I5", "HC (PERSONS)"}, {"K5", "HR"},
                               {"L5", "轿箱最大有效面积(平方米)"}, {"M5", "轿箱最小有效面积(平方米)"}});
    expectCells(layout.sheet, GetParam().expected);
    // Only the headers change: the cells below keep their columns.
    expectCells(layout.sheet, {{"E6", "2.0"}, {"F6", "3.0"}, {"J6", "7.0"}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadTableHeaders,
    testing::Values(
        DirectionCase{"upLarger", "70", "30", {{"E5", "UP"}, {"F5", "DN"}, {"J5", "PS (UP)"}}},
        DirectionCase{"downLarger", "30", "70", {{"E5", "DN"}, {"F5", "UP"}, {"J5", "PS (DN)"}}},
        DirectionCase{"equalDoesNotRelabel", "50", "50", {{"E5", "UP"}, {"F5", "DN"}, {"J5", "PS (UP)"}}},
        DirectionCase{"comparedAsLeadingNumbers", "9", "10%", {{"E5", "DN"}, {"F5", "UP"}, {"J5", "PS (DN)"}}},
        DirectionCase{"notAsTexts", "10", "9", {{"E5", "UP"}, {"F5", "DN"}, {"J5", "PS (UP)"}}},
        DirectionCase{"emptyUpReadsZero", "", "0.5", {{"E5", "DN"}, {"F5", "UP"}, {"J5", "PS (DN)"}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LoadTableArea, CarAreaTableAndBodyByColumn)
{
    const WorkbookLayout layout = loadTableLayout(residentialState(), filledTable(0));
    const std::vector<std::string> maximum = {"1.75", "1.90", "2.05", "2.20", "2.35", "2.50",
                                              "2.65", "2.80", "2.95", "3.10", "3.25", "3.40",
                                              "3.55", "3.64", "3.76", "3.88"};
    const std::vector<std::string> minimum = {"1.59", "1.73", "1.87", "2.01", "2.15", "2.29",
                                              "2.43", "2.57", "2.71", "2.85", "2.99", "3.13",
                                              "3.25", "3.36", "3.48", "3.59"};
    for (int i = 0; i < kTableRows; ++i) {
        const std::string row = std::to_string(6 + i);
        EXPECT_EQ(layout.sheet.text("L" + row), maximum[static_cast<std::size_t>(i)]) << row;
        EXPECT_EQ(layout.sheet.text("M" + row), minimum[static_cast<std::size_t>(i)]) << row;
        EXPECT_EQ(layout.sheet.text("D" + row), std::to_string(675 + 75 * i) + "/" + std::to_string(9 + i));
        EXPECT_EQ(layout.sheet.text("K" + row), "8." + std::to_string(i));
    }
    EXPECT_EQ(layout.sheet.text("D4"), "Trevalo——结果");
    EXPECT_EQ(layout.sheet.cell({4, 4})->headingSize, 14);
    EXPECT_EQ(layout.sheet.text("N6"), "");
    EXPECT_EQ(layout.sheet.text("D22"), "");
    ASSERT_TRUE(layout.chart.has_value());
    EXPECT_EQ(layout.chart->firstRow, 6);
    EXPECT_EQ(layout.chart->lastRow, 21);
}

struct RowZeroCase {
    const char* name;
    bool hidden;
    std::string leftOverFigure;  // what Label2(0) holds
    std::string expectedE6;
    int expectedChartFirstRow;
};

class LoadTableRowZero : public testing::TestWithParam<RowZeroCase> {};

TEST_P(LoadTableRowZero, HiddenRowExportsItsKeyOnly)
{
    const RowZeroCase& param = GetParam();
    LoadTableCaptions form = filledTable(1);
    form.rowZeroHidden = param.hidden;
    for (int array = 2; array <= kTableArrays; ++array)
        form.cellTexts[static_cast<std::size_t>(array - 1)][0] = param.leftOverFigure;
    const WorkbookLayout layout = loadTableLayout(residentialState(), form);
    EXPECT_EQ(layout.sheet.text("D6"), "675/9");
    for (const char* address : {"E6", "F6", "G6", "H6", "I6", "J6", "K6"})
        EXPECT_EQ(layout.sheet.text(address), param.expectedE6) << address;
    EXPECT_EQ(layout.sheet.text("L6"), "1.75");
    EXPECT_EQ(layout.sheet.text("M6"), "1.59");
    EXPECT_EQ(layout.sheet.text("G7"), "4.1");
    ASSERT_TRUE(layout.chart.has_value());
    EXPECT_EQ(layout.chart->firstRow, param.expectedChartFirstRow);
    EXPECT_EQ(layout.chart->lastRow, 21);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadTableRowZero,
    testing::Values(RowZeroCase{"freshFormOfficeSweep", true, "", "", 7},
                    RowZeroCase{"leftOverFromEarlierResidentialRun", true, "72.641", "", 7},
                    RowZeroCase{"residentialRowShown", false, "72.641", "72.641", 6}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ColumnFitting, CountsOnlyTheFitRange)
{
    SheetModel sheet;
    sheet.write("A1", "abc");
    sheet.write("A19", std::string(40, 'x'));  // below the range
    sheet.write("B2", "住宅");
    sheet.write("F1", "outside");             // right of the range
    sheet.write("C3", "");
    sheet.setFitRange({{1, 1}, {18, 5}});
    const std::map<int, double> widths = fittedColumnWidths(sheet);
    EXPECT_EQ(widths.size(), 2u);
    EXPECT_DOUBLE_EQ(widths.at(1), 4.0);
    EXPECT_DOUBLE_EQ(widths.at(2), 5.0);  // two CJK characters count four
}

TEST(ColumnFitting, HeadingsNeedMoreRoomThanPlainText)
{
    SheetModel plain;
    plain.write("A1", "Trevalo——数据");
    plain.setFitRange({{1, 1}, {18, 5}});
    SheetModel heading = plain;
    heading.setHeading("A1", 14);
    EXPECT_GT(fittedColumnWidths(heading).at(1), fittedColumnWidths(plain).at(1) + 4);
}

}  // namespace
}  // namespace trevalo::workbook
