#include "export/column_widths.h"
#include "export/sizing_sheet.h"
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

// Two configurations of 750 kg at 2.5 m/s, one car and two, the second with `hcTwo` % and
// the first always 7.5 %; both with a waiting time of 20 s.
SizingRecord record(BuildingType type, engine::SizingEntries entries, engine::DesignTargets targets, double hcTwo)
{
    SizingRecord r;
    r.entered.inputs.project = {"选型项目", type, "12", "800", engine::PopulationSpread::Even};
    r.entered.inputs.elevator.ratedSpeed = "2.5";
    r.entered.inputs.elevator.fixedConfiguration = true;  // load and number are the search's
    r.entered.inputs.elevator.ratedLoad = "1000";
    r.entries = std::move(entries);
    r.analysis.targets = {targets, 2, {2.5}};
    r.analysis.evaluated = {candidate(1, 750, 2.5, 100, 7.5, 20, targets),
                            candidate(2, 750, 2.5, 100, hcTwo, 20, targets)};
    r.analysis.met = r.analysis.evaluated[1].check.allMet();
    if (r.analysis.met) {
        r.analysis.listed = {r.analysis.evaluated[1]};
        r.analysis.oneCarFewer = r.analysis.evaluated[0];
    } else {
        r.analysis.listed = {r.analysis.evaluated[1], r.analysis.evaluated[0]};
    }
    return r;
}

// Twelve floors given one by one, a 2CO door that does not open in advance, a building that
// needs a fire lift, searched from two cars up.
SizingRecord perFloorFireLift(SizingRecord r)
{
    r.entered.inputs.project.spread = engine::PopulationSpread::PerFloor;
    r.entered.inputs.floors.storedTotal = "600";
    r.entered.inputs.elevator = {"36", "3", false, "", engine::DoorType::TwoPanelCentre, "900", false, "5", "30", "20",
                                 "2.5", true, "1000", "", false, ""};
    for (int i = 1; i <= 12; ++i)
        r.entered.floorList.push_back({"第 " + std::to_string(i) + " 层人数", "50"});
    r.analysis.minimums = {2, "两台来源", 800, "载重来源", 60, "运行时间来源"};
    r.analysis.tooSlowSpeeds = {1, 1.5};
    r.analysis.targets.leastCars = 2;
    r.analysis.targets.leastLoad = 1000;
    r.analysis.evaluated.erase(r.analysis.evaluated.begin());
    r.analysis.oneCarFewer.reset();
    return r;
}

struct SheetCase {
    const char* name;
    SizingRecord record;
    std::vector<std::pair<const char*, const char*>> cells;  // address, text ("" : empty)
    int lastColumn;   // of the table
    int signOffRow;   // the row of "签署"
    int basisRow;     // the first statement of the basis
    std::vector<std::pair<const char*, const char*>> trials;  // cells of the sheet 全部试算
};

class SizingSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(SizingSheet, LeadsWithTheAnswerThenTheConfigurationsAndSignOff)
{
    const WorkbookLayout layout = sizingLayout(GetParam().record);
    const SheetModel& sheet = layout.sheet;
    for (const auto& [address, text] : GetParam().cells)
        EXPECT_EQ(sheet.text(address), text) << address;
    EXPECT_EQ(sheet.cell({4, 4})->headingSize, 14);
    // The rated load and number of cars are the search's, not entries of the block.
    EXPECT_EQ(sheet.text("A17"), "");
    EXPECT_EQ(sheet.text("B17"), "");
    // The summary and each statement of the basis wrap over the table's whole width.
    const int basis = GetParam().basisRow;
    for (int row : {3, basis, basis + 1, basis + 2, basis + 3, basis + 4, basis + 5, basis + 6})
        EXPECT_EQ(sheet.cell({row, 4})->mergedThrough, GetParam().lastColumn) << row;
    EXPECT_GT(sheet.rowHeights().at(basis + 1), 16);  // the search's method needs more than one line
    // The block to sign ends the sheet; its lines, the centred table and the page setup are
    // read back from the written workbook.
    EXPECT_EQ(sheet.text("D" + std::to_string(GetParam().signOffRow)), "签署");
    EXPECT_EQ(sheet.cells().rbegin()->first.row, GetParam().signOffRow + 4);
    ASSERT_TRUE(layout.trials.has_value());
    for (const auto& [address, text] : GetParam().trials)
        EXPECT_EQ(layout.trials->text(address), text) << address;
    // The count of configurations tried wraps over the width of their table.
    int lastHeading = 0;
    for (const auto& [at, cell] : layout.trials->cells())
        lastHeading = at.row == 4 && !cell.text.empty() ? at.column : lastHeading;
    ASSERT_NE(layout.trials->cell({2, 1}), nullptr);
    EXPECT_TRUE(layout.trials->cell({2, 1})->wrapped);
    EXPECT_EQ(layout.trials->cell({2, 1})->mergedThrough, lastHeading);
}

// Each table column as wide as its widest figure plus half a character, at least five.
TEST(SizingSheet, TableColumnsAsNarrowAsTheirFigures)
{
    const WorkbookLayout layout =
        sizingLayout(record(BuildingType::OfficeAndHotel, {"12", "60", "25", "2", {"2.5"}}, {12, 60, 25.0}, 15.0625));
    // 台数 "2"; "750/10"; "2.5"; "100"; "50"; "15.062"; "20"; "不满意"; "满足" x 3; "满足全部目标"
    const double widths[] = {5, 6.5, 5, 5, 5, 6.5, 5, 6.5, 5, 5, 5, 12.5};
    for (int i = 0; i < 12; ++i)
        EXPECT_DOUBLE_EQ(layout.sheet.columnWidths().at(4 + i), widths[i]) << i;
    // "速度 (米/秒)" is 12 wide in a column of 5: three lines.
    EXPECT_DOUBLE_EQ(layout.sheet.rowHeights().at(32), 48);
}

// The texts below are worked by hand from the records' figures: intervals 100 s and 50 s,
// HC 7.5 % and 15.0625 % (shown 15.062, ties to even); an interval of 50 s is no longer
// below 50 s, so it grades 不满意. Rows: targets from 5, the recommendation two rows below
// them, the basis two below that (seven statements), the table's title two below the basis.
INSTANTIATE_TEST_SUITE_P(
    Export, SizingSheet,
    testing::Values(
        SheetCase{"officeMetOneCarFewerMisses",
                  record(BuildingType::OfficeAndHotel, {"12", "60", "25", "2", {"2.5"}}, {12, 60, 25.0}, 15.0625),
                  {{"D3", "满足全部目标的配置共 1 种（最多 2 台），按台数、载重、速度从少到多排列。"},
                   {"D4", "Trevalo——电梯选型"},
                   {"B5", "办公楼及酒店"},
                   {"D5", "设计目标"}, {"H5", "目标值"}, {"I5", "来源"},
                   {"D6", "5分钟总运载能力 HC (%) ≥"}, {"H6", "12"},
                   {"I6", "ISO 8100-32:2020：办公楼上行高峰5分钟运载能力不低于12%"},
                   {"D7", "间隔 (秒) ≤"}, {"H7", "60"}, {"I7", "用户设定"},
                   {"D8", "平均候梯时间 AWT (秒) ≤"}, {"H8", "25"},
                   {"D9", "最多台数"}, {"H9", "2"},
                   {"D10", "最少台数"}, {"H10", "不限"}, {"I10", ""},
                   {"D11", "最小额定载重 (kg)"}, {"H11", "不限"}, {"I11", ""},
                   {"D12", "试算速度 (米/秒)"}, {"H12", "2.5"}, {"D13", ""},
                   {"D14", "推荐配置"}, {"H14", "数值"}, {"I14", "判定"}, {"J14", "与目标"},
                   {"D15", "配置"}, {"H15", "2 台 750 kg/10 人，2.5 米/秒"},
                   {"D16", "总行程时间 RTT (秒)"}, {"H16", "100"}, {"I16", ""},
                   {"D17", "5分钟总运载能力 HC (%) ≥ 12"}, {"H17", "15.062"}, {"I17", "满足"},
                   {"J17", "余量 +3.062 %"},
                   {"D18", "间隔 (秒) ≤ 60"}, {"H18", "50"}, {"I18", "满足"}, {"J18", "余量 +10 秒"},
                   {"D19", "平均候梯时间 AWT (秒) ≤ 25"}, {"H19", "20"}, {"I19", "满足"}, {"J19", "余量 +5 秒"},
                   {"D20", "少一台（1 台 750 kg/10 人，2.5 米/秒）不满足目标：HC 7.5 %，不足 \u22124.5 %；"
                           "间隔 100 秒，不足 \u221240 秒。"},
                   {"D22", "计算依据"},
                   {"D23", "计算方法：上行高峰总行程时间计算：由概率停站数与最高返回层求上下行运行时间，加开关门、"
                           "乘客出入及损耗时间得总行程时间 RTT，再求5分钟运载能力 HC"},
                   {"D25", "人数分布模型：各层人数平均分配：S = N × (1 − ((N − 1) / N)^P)，HR = N − Σ(i / N)^P"},
                   {"D26", "平均候梯时间来源：CIBSE Guide D (Barney)：由上行载客率 P_up / CC 与间隔 INT 估算"},
                   {"D31", "满足全部目标的配置（按台数、载重、速度排列）"}, {"A32", ""},
                   {"D32", "台数"}, {"E32", "载重/人数"}, {"F32", "速度 (米/秒)"}, {"G32", "RTT (秒)"},
                   {"H32", "间隔 (秒)"}, {"I32", "HC (%)"}, {"J32", "AWT 估算 (秒)"}, {"K32", "间隔评级"},
                   {"L32", "HC 目标"}, {"M32", "间隔目标"}, {"N32", "AWT 目标"}, {"O32", "结论"},
                   {"D33", "2"}, {"E33", "750/10"}, {"F33", "2.5"}, {"G33", "100"}, {"H33", "50"}, {"I33", "15.062"},
                   {"J33", "20"}, {"K33", "不满意"}, {"L33", "满足"}, {"M33", "满足"}, {"N33", "满足"},
                   {"O33", "满足全部目标"}, {"D34", ""}},
                  15, 35, 23,
                  {{"A1", "全部试算配置"}, {"A2", "共试算 2 种配置，按台数、载重、速度排列；满足全部目标者见“选型”表。"},
                   {"A4", "台数"}, {"L4", "结论"}, {"A5", "1"}, {"E5", "100"}, {"I5", "不满足"}, {"J5", "不满足"},
                   {"K5", "满足"}, {"L5", "不满足"}, {"A6", "2"}, {"L6", "满足全部目标"}, {"A7", ""}}},
        // Nothing meets the targets: the block says so, the closest follow with their margins.
        SheetCase{"residentialNothingMet",
                  record(BuildingType::Residential, {"20", "20", "", "2", {"2.5"}}, {20, 20, std::nullopt}, 15.5),
                  {{"B5", "住宅"},
                   {"D3", "在最多 2 台以内，没有满足全部目标的配置。下表列出最接近的 2 种配置及其与各目标的差距。"},
                   {"I6", "用户设定"}, {"H8", "不检查"}, {"I8", ""},
                   {"D14", "推荐配置"},
                   {"D15", "无：在最多 2 台以内，没有满足全部目标的配置。最接近的配置及其与各目标的差距如下，"
                           "其余最接近的配置列于下表。"},
                   {"D16", "最接近的配置"}, {"H16", "2 台 750 kg/10 人，2.5 米/秒"},
                   {"D18", "5分钟总运载能力 HC (%) ≥ 20"}, {"H18", "15.5"}, {"I18", "不满足"}, {"J18", "不足 \u22124.5 %"},
                   {"D19", "间隔 (秒) ≤ 20"}, {"I19", "不满足"}, {"J19", "不足 \u221230 秒"},
                   {"D20", "平均候梯时间 AWT 估算 (秒)"}, {"H20", "20"}, {"I20", "不检查"}, {"J20", ""},
                   {"D28", "修正：至少停一站：每次行程至少停靠一站：S_up、S_dn 不足 1 时按 1 计"
                           "（原式在停站数不足 1 时得出负的站间距离）"},
                   {"D31", "最接近的配置（按与目标的差距排列）"},
                   {"J32", "AWT 估算 (秒)"}, {"K32", "HC 与目标"}, {"L32", "间隔与目标"}, {"M32", ""},
                   {"D33", "2"}, {"K33", "不足 \u22124.5 %"}, {"L33", "不足 \u221230 秒"},
                   {"D34", "1"}, {"I34", "7.5"}, {"K34", "不足 \u221212.5 %"}, {"L34", "不足 \u221280 秒"}},
                  12, 36, 23,
                  {{"A5", "1"}, {"A6", "2"}, {"H6", "不满足"}, {"I6", "不满足"}, {"J6", "不满足"}, {"K6", ""}}},
        // The codes' least cars and load with their clauses, the fire lift's run; the per-floor
        // list's heading shares the table's heading row, and the block to sign follows the list.
        SheetCase{"perFloorFireLiftFromTwoCars",
                  perFloorFireLift(record(BuildingType::Residential, {"6", "60", "", "2", {"2.5"}, "2", "1000"},
                                          {6, 60, std::nullopt}, 15.0625)),
                  {{"D1", "输入数据：住宅，停留 12 层，各层人数合计 600 人（逐层见 A～C 列）；行程 36 m，层高 3 m；"
                          "2CO 900 mm；折耗率 5 %，上行 30 %，下行 20 %"},
                   {"D10", "最少台数"}, {"H10", "2"}, {"I10", "两台来源"},
                   {"D11", "最小额定载重 (kg)"}, {"H11", "1000"}, {"I11", "用户设定"},
                   {"D13", "消防电梯运行时间 (秒) ≤"}, {"H13", "60"},
                   {"I13", "消防电梯首层至顶层运行时间不大于 60 秒（运行时间来源）；1、1.5 m/s 不能满足，未试算"},
                   {"D15", "推荐配置"}, {"H16", "2 台 750 kg/10 人，2.5 米/秒"},
                   {"D21", "少一台：1 台少于最少台数 2 台，未试算。"},
                   {"D23", "计算依据"},
                   {"D26", "人数分布模型：各层人数按输入分配：S = N − Σ(1 − U_i / U)^P，HR 由各层累计人数比例求得"},
                   {"A33", "每层人数资料"}, {"D33", "台数"}, {"A34", "第 1 层人数"}, {"D34", "2"}, {"B45", "50"},
                   {"A46", ""}},
                  13, 47, 24, {{"A5", "2"}, {"A6", ""}}}),
    [](const testing::TestParamInfo<SheetCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace trevalo::workbook
