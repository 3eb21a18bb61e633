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

struct SheetCase {
    const char* name;
    SizingRecord record;
    std::vector<std::pair<const char*, const char*>> cells;  // address, text ("" : empty)
};

class SizingSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(SizingSheet, LaysOutTargetsAndEveryConfiguration)
{
    const WorkbookLayout layout = sizingLayout(GetParam().record);
    EXPECT_STREQ(layout.sheetName, "选型");
    EXPECT_FALSE(layout.calculation.has_value());
    for (const auto& [address, text] : GetParam().cells)
        EXPECT_EQ(layout.sheet.text(address), text) << address;
    EXPECT_EQ(layout.sheet.cell({4, 4})->headingSize, 14);
    // The rated load and number of cars are the search's, not entries of the block.
    EXPECT_EQ(layout.sheet.text("A17"), "");
    EXPECT_EQ(layout.sheet.text("B17"), "");
    // The summary, the target names and sources run on over their neighbours: the table's
    // own texts decide the widths of its columns (here "载重/人数" and "RTT (秒)").
    const auto widths = fittedColumnWidths(layout.sheet);
    EXPECT_LT(widths.at(4), 8);
    EXPECT_LT(widths.at(9), 12);
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
                   {"D5", "设计目标"}, {"H5", "目标值"}, {"I5", "来源"},
                   {"D6", "5分钟总运载能力 HC (%) ≥"}, {"H6", "12"},
                   {"I6", "ISO 8100-32:2020：办公楼上行高峰5分钟运载能力不低于12%"},
                   {"D7", "间隔 (秒) ≤"}, {"H7", "60"}, {"I7", "用户设定"},
                   {"D8", "平均候梯时间 AWT (秒) ≤"}, {"H8", "25"},
                   {"D9", "最多台数"}, {"H9", "2"}, {"D10", "试算速度 (米/秒)"}, {"H10", "2.5"},
                   {"D13", "台数"}, {"E13", "载重/人数"}, {"F13", "速度 (米/秒)"}, {"G13", "RTT (秒)"},
                   {"H13", "间隔 (秒)"}, {"I13", "HC (%)"}, {"J13", "AWT 估算 (秒)"}, {"K13", "间隔评级"},
                   {"L13", "HC 目标"}, {"M13", "间隔目标"}, {"N13", "AWT 目标"}, {"O13", "结论"},
                   {"D14", "1"}, {"E14", "750/10"}, {"F14", "2.5"}, {"G14", "100"}, {"H14", "100"}, {"I14", "7.5"},
                   {"J14", "20"}, {"K14", "不满意"}, {"L14", "不满足"}, {"M14", "不满足"}, {"N14", "满足"},
                   {"O14", "不满足"},
                   {"D15", "2"}, {"H15", "50"}, {"I15", "15.062"}, {"J15", "不适用"}, {"K15", "不满意"},
                   {"L15", "满足"}, {"M15", "满足"}, {"N15", "不满足"}, {"O15", "不满足"}, {"D16", ""}}},
        SheetCase{"residentialPresets",
                  record(BuildingType::Residential, {"6", "60", "", "2", {"2.5"}}, {6, 60, std::nullopt}),
                  {{"B5", "住宅"},
                   {"H6", "6"}, {"I6", "CIBSE Guide D：住宅楼5分钟运载能力宜为5%～8%"},
                   {"I7", "CIBSE Guide D：住宅楼平均间隔宜为40～80秒"},
                   {"H8", "不检查"}, {"I8", ""},
                   {"J13", "AWT 估算 (秒)"}, {"K13", "HC 目标"}, {"L13", "间隔目标"}, {"M13", "结论"}, {"N13", ""},
                   {"K14", "满足"}, {"L14", "不满足"}, {"M14", "不满足"},
                   {"K15", "满足"}, {"L15", "满足"}, {"M15", "满足全部目标"}}}),
    [](const testing::TestParamInfo<SheetCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace trevalo::workbook
