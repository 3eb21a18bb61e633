#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace trevalo::workbook {
namespace {

using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;

// Every cell the sheet shows: its text, and "@size" after a heading.
using Cells = std::map<std::string, std::string>;

Cells shownCells(const SheetModel& sheet)
{
    Cells cells;
    for (const auto& [position, cell] : sheet.cells()) {
        if (!cell.text.empty() || cell.headingSize != 0)
            cells[std::string(1, static_cast<char>('A' + position.column - 1)) + std::to_string(position.row)] =
                cell.text + (cell.headingSize != 0 ? "@" + std::to_string(cell.headingSize) : "");
    }
    return cells;
}

EnteredData officePerFloor()
{
    EnteredData entered;
    entered.inputs.project = {"测试项目", BuildingType::OfficeAndHotel, "3", "500", PopulationSpread::PerFloor};
    entered.inputs.floors.storedTotal = "330";
    entered.inputs.elevator = {"30.0", "3", true, "12", DoorType::TwoPanelSide, "1000", true, "5", "30", "70",
                               "1.75", false, "1000", "2", true, "300"};
    entered.dateCaption = "2026-12-07";
    entered.timeCaption = "10:30:05";
    entered.floorList = {{"第 1 层人数", "100"}, {"第 2 层人数", "110"}, {"第 3 层人数", "120"}};
    return entered;
}

// The input-data block of officePerFloor with its per-floor list at listRow, typed from the
// block's table of cells.
Cells inputBlock(int listRow)
{
    Cells cells{{"A1", "项目名称：@16"}, {"B1", "测试项目@16"}, {"A2", "日期： 2026-12-07"},
                {"D2", "时间： 10:30:05"}, {"A4", "Trevalo——数据@14"}, {"D4", "Trevalo——结果@14"},
                {"A5", "建筑类型"}, {"B5", "办公楼及酒店"}, {"A6", "电梯停留层数"}, {"B6", "3"},
                {"A7", "楼宇总人数"}, {"B7", "330 (详见下示)"}, {"A8", "电梯总行程 (米)"}, {"B8", "30.0"},
                {"A9", "平均每层高度 (米)"}, {"B9", "3"}, {"A10", "快速通行区 (米)"}, {"B10", "12"},
                {"A11", "电梯门类型及开启宽度 (毫米)"}, {"B11", "2SO……1000"}, {"A12", "电梯预先开门"},
                {"B12", "有"}, {"A13", "折耗率 (%)"}, {"B13", "5"}, {"A14", "上行百分比 (%)"}, {"B14", "30"},
                {"A15", "下行百分比 (%)"}, {"B15", "70"}, {"A16", "电梯速度 (米/秒)"}, {"B16", "1.75"}};
    const std::string row = std::to_string(listRow);
    cells["A" + row] = "每层人数资料@12";
    for (int i = 1; i <= 3; ++i) {
        cells["A" + std::to_string(listRow + i)] = "第 " + std::to_string(i) + " 层人数";
        cells["B" + std::to_string(listRow + i)] = std::to_string(90 + 10 * i);
    }
    return cells;
}

// A change to the base record and the cells it changes; an empty text: the cell stays empty.
struct LayoutCase {
    const char* name;
    std::function<void(EnteredData&, bool& first, bool& second)> change;
    Cells changed;
};

Cells applied(Cells cells, const Cells& changed)
{
    for (const auto& [address, text] : changed) {
        if (text.empty())
            cells.erase(address);
        else
            cells[address] = text;
    }
    return cells;
}

Cells operator+(Cells cells, const Cells& more)
{
    for (const auto& [address, text] : more)
        cells[address] = text;
    return cells;
}

// Without the per-floor list at listRow.
Cells noList(int listRow)
{
    Cells cells{{"A" + std::to_string(listRow), ""}};
    for (int row = listRow + 1; row <= listRow + 3; ++row)
        cells.insert({{"A" + std::to_string(row), ""}, {"B" + std::to_string(row), ""}});
    return cells;
}

const auto evenResidential = [](EnteredData& e, bool&, bool&) {
    e.inputs.project.buildingType = BuildingType::Residential;
    e.inputs.project.spread = PopulationSpread::Even;
    e.floorList.clear();
    e.inputs.elevator.expressZoneSet = false;
    e.inputs.elevator.doorType = DoorType::TwoPanelCentre;
    e.inputs.elevator.doorWidth = "900";
    e.inputs.elevator.advanceOpening = false;
};
const Cells evenResidentialCells{{"B5", "住宅"}, {"B7", "500"}, {"B10", "无"}, {"B11", "2CO……900"}, {"B12", "无"}};

class SingleResultSheet : public testing::TestWithParam<LayoutCase> {};

// The result block's texts typed from its table; the load decision stands in D15:E16 always.
TEST_P(SingleResultSheet, HoldsEveryCellOfItsLayout)
{
    SingleResultRecord record;
    record.entered = officePerFloor();
    record.form = {{"v0", "v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8"}, true, true};
    GetParam().change(record.entered, record.form.structuralLoadVisible, record.form.pitDepthVisible);
    Cells base = inputBlock(20);
    base.insert({{"A17", "单电梯载重 (KG)"}, {"B17", "1000"}, {"A18", "电梯数量"}, {"B18", "2"},
                 {"D5", "总行程时间 (秒)"}, {"E5", "v0"}, {"D6", "最长侯机时间 (秒)"}, {"E6", "v1"},
                 {"D7", "5分钟内单机运载人数"}, {"E7", "v2"}, {"D8", "5分钟内总运载人数"}, {"E8", "v3"},
                 {"D9", "5分钟内单机运载人数百分比"}, {"E9", "v4"}, {"D10", "5分钟内总运载人数百分比"},
                 {"E10", "v5"}, {"D11", "电梯机房的结构荷载 kg"}, {"E11", "v6"}, {"D12", "井深 m"},
                 {"E12", "v7"}, {"D13", "井顶缓冲高度 m"}, {"E13", "v8"}, {"D15", "计算电梯机房结构荷载"},
                 {"E15", "是"}, {"D16", "装修重量 (kg)"}, {"E16", "300"}});
    EXPECT_EQ(shownCells(singleResultLayout(record).sheet), applied(base, GetParam().changed));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleResultSheet,
    testing::Values(
        LayoutCase{"officePerFloorBothGroups", [](EnteredData&, bool&, bool&) {}, {}},
        LayoutCase{"evenNoGroupsWeightTypedButNotAsked",
                   [](EnteredData& e, bool& load, bool& pit) {
                       evenResidential(e, load, pit);
                       e.inputs.elevator.machineRoomRequested = false;
                       e.inputs.elevator.finishingWeight = "12.5kg";
                       load = pit = false;
                   },
                   evenResidentialCells + noList(20) +
                       Cells{{"D11", ""}, {"E11", ""}, {"D12", ""}, {"E12", ""}, {"D13", ""}, {"E13", ""},
                             {"E15", "否"}, {"E16", "12.5kg"}}},
        LayoutCase{"ownerOfficeFourPanelLoadOnly",
                   [](EnteredData& e, bool&, bool& pit) {
                       e.inputs.project.buildingType = BuildingType::OwnerOccupiedOffice;
                       e.inputs.elevator.doorType = DoorType::FourPanelCentre;
                       pit = false;
                   },
                   {{"B5", "自用办公楼"}, {"B11", "4CO……1000"}, {"D12", ""}, {"E12", ""}, {"D13", ""}, {"E13", ""}}},
        LayoutCase{"nothingChosenPitOnly",
                   [](EnteredData& e, bool& load, bool&) {
                       e.inputs.project.buildingType.reset();
                       e.inputs.project.spread.reset();
                       e.inputs.elevator.doorType.reset();
                       load = false;
                   },
                   noList(20) + Cells{{"B5", ""}, {"B7", ""}, {"B11", ""}, {"D11", ""}, {"E11", ""}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class LoadTableSheet : public testing::TestWithParam<LayoutCase> {};

// Headers and the car-area columns typed from the load table workbook's tables; the body is
// column k of the form in column D + k, row i in row 6 + i.
TEST_P(LoadTableSheet, HoldsEveryCellOfItsLayout)
{
    LoadTableRecord record;
    record.entered = officePerFloor();
    record.analysis.directionRelabelled = true;
    bool relabelled = true;
    bool rowZeroHidden = false;
    GetParam().change(record.entered, relabelled, rowZeroHidden);
    record.analysis.directionRelabelled = relabelled;
    record.form.rowZeroHidden = rowZeroHidden;
    Cells base = inputBlock(18);
    base.insert({{"D5", "载重/人数"}, {"E5", "DN"}, {"F5", "UP"}, {"G5", "RTT (SEC)"}, {"H5", "HC (%)"},
                 {"I5", "HC (PERSONS)"}, {"J5", "PS (DN)"}, {"K5", "HR"}, {"L5", "轿箱最大有效面积(平方米)"},
                 {"M5", "轿箱最小有效面积(平方米)"}});
    const char* maximum[] = {"1.75", "1.90", "2.05", "2.20", "2.35", "2.50", "2.65", "2.80",
                             "2.95", "3.10", "3.25", "3.40", "3.55", "3.64", "3.76", "3.88"};
    const char* minimum[] = {"1.59", "1.73", "1.87", "2.01", "2.15", "2.29", "2.43", "2.57",
                             "2.71", "2.85", "2.99", "3.13", "3.25", "3.36", "3.48", "3.59"};
    for (std::size_t i = 0; i < 16; ++i) {
        const std::string row = std::to_string(6 + i);
        base["L" + row] = maximum[i];
        base["M" + row] = minimum[i];
        for (std::size_t k = 0; k < kTableArrays; ++k) {
            record.form.cellTexts[k][i] = std::to_string(k) + ":" + std::to_string(i);
            base[std::string(1, static_cast<char>('D' + k)) + row] = record.form.cellTexts[k][i];
        }
    }
    EXPECT_EQ(shownCells(loadTableLayout(record).sheet), applied(base, GetParam().changed));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadTableSheet,
    testing::Values(
        LayoutCase{"relabelledPerFloor", [](EnteredData&, bool&, bool&) {}, {}},
        LayoutCase{"evenNotRelabelledRowZeroHidden",
                   [](EnteredData& e, bool& relabelled, bool& hidden) {
                       evenResidential(e, relabelled, hidden);
                       relabelled = false;
                       hidden = true;
                   },
                   evenResidentialCells + noList(18) +
                       Cells{{"E5", "UP"}, {"F5", "DN"}, {"J5", "PS (UP)"}, {"E6", ""}, {"F6", ""}, {"G6", ""},
                             {"H6", ""}, {"I6", ""}, {"J6", ""}, {"K6", ""}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
