#include "export/column_widths.h"
#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::workbook {
namespace {

using engine::BuildingType;

engine::SizingCandidate candidate(int cars, double load, double speed, double rtt, double groupPercent,
                                  std::optional<double> awt, const engine::DesignTargets& targets)
{
    engine::SizingCandidate c;
    c.cars = cars;
    c.load = load;
    c.persons = load / 75;
    c.speed = speed;
    c.roundTripTime = rtt;
    c.interval = rtt / cars;
    c.groupPercent = groupPercent;
    c.awt = awt;
    c.check = engine::checkTargets(targets, groupPercent, c.interval, awt);
    return c;
}

SizingRecord record(BuildingType type, engine::SizingEntries entries, engine::DesignTargets targets)
{
    SizingRecord r;
    r.entered.inputs.project = {"选型项目", type, "12", "800", engine::PopulationSpread::Even};
    r.entered.inputs.elevator.ratedSpeed = "2.5";
    r.entered.inputs.elevator.fixedConfiguration = true;  // load and number are the search's
    r.entered.inputs.elevator.ratedLoad = "1000";
    r.entries = std::move(entries);
    r.analysis.targets = {targets, 2, {2.5}};
    r.analysis.evaluated = {candidate(1, 750, 2.5, 100, 7.5, 20, targets),
                            candidate(2, 750, 2.5, 100, 15.0625, std::nullopt, targets)};
    r.analysis.met = true;
    r.analysis.listed = {r.analysis.evaluated[1]};
    return r;
}

SizingRecord perFloor(SizingRecord r, int floors)
{
    r.entered.inputs.project.spread = engine::PopulationSpread::PerFloor;
    for (int i = 1; i <= floors; ++i)
        r.entered.floorList.push_back({"第 " + std::to_string(i) + " 层人数", "50"});
    return r;
}

struct SheetCase {
    const char* name;
    SizingRecord record;
    std::vector<std::pair<const char*, const char*>> cells;  // address, text ("" : empty)
    int lastColumn;   // of the table
    int signOffRow;   // the row of "签署"
};

class SizingSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(SizingSheet, LaysOutBasisTargetsEveryConfigurationAndSignOff)
{
    const SheetModel sheet = sizingLayout(GetParam().record).sheet;
    for (const auto& [address, text] : GetParam().cells)
        EXPECT_EQ(sheet.text(address), text) << address;
    EXPECT_EQ(sheet.cell({4, 4})->headingSize, 14);
    // The rated load and number of cars are the search's, not entries of the block.
    EXPECT_EQ(sheet.text("A17"), "");
    EXPECT_EQ(sheet.text("B17"), "");
    // The summary and each statement of the basis wrap over the table's whole width.
    for (int row : {3, 6, 7, 8, 9, 10, 17, 18})
        EXPECT_EQ(sheet.cell({row, 4})->mergedThrough, GetParam().lastColumn) << row;
    EXPECT_TRUE(sheet.cell({6, 4})->wrapped);
    EXPECT_GT(sheet.rowHeights().at(6), 16);  // the method needs more than one line
    // The block to sign ends the sheet; its lines, the centred table and the page setup are
    // read back from the written workbook.
    EXPECT_EQ(sheet.text("D" + std::to_string(GetParam().signOffRow)), "签署");
    EXPECT_EQ(sheet.cells().rbegin()->first.row, GetParam().signOffRow + 4);
}

// Each table column as wide as its widest figure plus half a character, at least five.
TEST(SizingSheet, TableColumnsAsNarrowAsTheirFigures)
{
    const WorkbookLayout layout =
        sizingLayout(record(BuildingType::OfficeAndHotel, {"12", "60", "25", "2", {"2.5"}}, {12, 60, 25.0}));
    // 台数 "1"; "750/10"; "2.5"; "100"; "100"; "15.062"; "不适用"; "不满意"; "不满足" x 3; "满足全部目标"
    // does not occur here, so 结论 is "不满足" too.
    const double widths[] = {5, 6.5, 5, 5, 5, 6.5, 6.5, 6.5, 6.5, 6.5, 6.5, 6.5};
    for (int i = 0; i < 12; ++i)
        EXPECT_DOUBLE_EQ(layout.sheet.columnWidths().at(4 + i), widths[i]) << i;
    // "速度 (米/秒)" is 12 wide in a column of 5: three lines.
    EXPECT_DOUBLE_EQ(layout.sheet.rowHeights().at(21), 48);
}

// The texts below are worked by hand from the records' figures: intervals 100 s and 50 s,
// HC 7.5 % and 15.0625 % (shown 15.062, ties to even); an interval of 50 s is no longer
// below 50 s, so it grades 不满意.
INSTANTIATE_TEST_SUITE_P(
    Export, SizingSheet,
    testing::Values(
        SheetCase{"officeWithWaitingTimeTarget",
                  record(BuildingType::OfficeAndHotel, {"12", "60", "25", "2", {"2.5"}}, {12, 60, 25.0}),
                  {{"D3", "满足全部目标的配置共 1 种（最多 2 台），按台数、载重、速度从少到多排列。"},
                   {"D4", "Trevalo——电梯选型"},
                   {"B5", "办公楼及酒店"},
                   {"D5", "计算依据"},
                   {"D6", "计算方法：上行高峰总行程时间计算：由概率停站数与最高返回层求上下行运行时间，加开关门、"
                          "乘客出入及损耗时间得总行程时间 RTT，再求5分钟运载能力 HC"},
                   {"D8", "人数分布模型：各层人数平均分配：S = N × (1 − ((N − 1) / N)^P)，HR = N − Σ(i / N)^P"},
                   {"D9", "平均候梯时间来源：CIBSE Guide D (Barney)：由上行载客率 P_up / CC 与间隔 INT 估算"},
                   {"D11", "设计目标"}, {"H11", "目标值"}, {"I11", "来源"},
                   {"D12", "5分钟总运载能力 HC (%) ≥"}, {"H12", "12"},
                   {"I12", "ISO 8100-32:2020：办公楼上行高峰5分钟运载能力不低于12%"},
                   {"D13", "间隔 (秒) ≤"}, {"H13", "60"}, {"I13", "用户设定"},
                   {"D14", "平均候梯时间 AWT (秒) ≤"}, {"H14", "25"},
                   {"D15", "最多台数"}, {"H15", "2"}, {"D16", "试算速度 (米/秒)"}, {"H16", "2.5"},
                   {"D20", "全部试算配置（按台数、载重、速度排列）"}, {"A21", ""},
                   {"D21", "台数"}, {"E21", "载重/人数"}, {"F21", "速度 (米/秒)"}, {"G21", "RTT (秒)"},
                   {"H21", "间隔 (秒)"}, {"I21", "HC (%)"}, {"J21", "AWT 估算 (秒)"}, {"K21", "间隔评级"},
                   {"L21", "HC 目标"}, {"M21", "间隔目标"}, {"N21", "AWT 目标"}, {"O21", "结论"},
                   {"D22", "1"}, {"E22", "750/10"}, {"F22", "2.5"}, {"G22", "100"}, {"H22", "100"}, {"I22", "7.5"},
                   {"J22", "20"}, {"K22", "不满意"}, {"L22", "不满足"}, {"M22", "不满足"}, {"N22", "满足"},
                   {"O22", "不满足"},
                   {"D23", "2"}, {"H23", "50"}, {"I23", "15.062"}, {"J23", "不适用"}, {"K23", "不满意"},
                   {"L23", "满足"}, {"M23", "满足"}, {"N23", "不满足"}, {"O23", "不满足"}, {"D24", ""}},
                  15, 25},
        SheetCase{"residentialPresets",
                  record(BuildingType::Residential, {"6", "60", "", "2", {"2.5"}}, {6, 60, std::nullopt}),
                  {{"B5", "住宅"},
                   {"D17", "修正：至少停一站：每次行程至少停靠一站：S_up、S_dn 不足 1 时按 1 计"
                           "（原式在停站数不足 1 时得出负的站间距离）"},
                   {"H12", "6"}, {"I12", "CIBSE Guide D：住宅楼5分钟运载能力宜为5%～8%"},
                   {"I13", "CIBSE Guide D：住宅楼平均间隔宜为40～80秒"},
                   {"H14", "不检查"}, {"I14", ""},
                   {"J21", "AWT 估算 (秒)"}, {"K21", "HC 目标"}, {"L21", "间隔目标"}, {"M21", "结论"}, {"N21", ""},
                   {"K22", "满足"}, {"L22", "不满足"}, {"M22", "不满足"},
                   {"K23", "满足"}, {"L23", "满足"}, {"M23", "满足全部目标"}},
                  13, 25},
        // The per-floor list's heading shares the table's heading row, which repeats on every
        // page; the block to sign follows the list, which ends below the table.
        SheetCase{"perFloorListLongerThanTable",
                  perFloor(record(BuildingType::Residential, {"6", "60", "", "2", {"2.5"}}, {6, 60, std::nullopt}),
                           12),
                  {{"D8", "人数分布模型：各层人数按输入分配：S = N − Σ(1 − U_i / U)^P，HR 由各层累计人数比例求得"},
                   {"A21", "每层人数资料"}, {"A22", "第 1 层人数"}, {"B33", "50"}, {"A34", ""}},
                  13, 35}),
    [](const testing::TestParamInfo<SheetCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace trevalo::workbook
