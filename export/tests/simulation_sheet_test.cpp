#include "export/cell_value.h"
#include "export/simulation_sheet.h"
#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace trevalo::workbook {
namespace {

// Random arrivals for an hour, two replications in which no passenger was counted, beside a
// calculation of 3 up passengers of 10 persons at an interval of 40 s: its waiting time
// estimate is 0.4 x 40 = 16 s. Two cars carry 300 x 3 x 2 / 160 = 11.25 up passengers in five
// minutes, 12.5 % of 90 persons.
SimulationRecord randomArrivals()
{
    SimulationRecord r;
    r.analysis.steps.upPassengers = 3;
    r.analysis.steps.persons = 10;
    r.analysis.figures.interval = 40;
    r.analysis.awt = 16;
    r.analysis.figures.roundTripTime = 160;
    r.analysis.figures.cars = 2;
    r.analysis.steps.population = 90;
    r.entries.demandPercent = "12";
    r.entries.dwell = "4";
    r.setup.demandPercent = 12;
    r.setup.duration = 3600;
    r.setup.boardingLimit = 8;
    r.setup.loadingLimit = 80;
    r.setup.dwell = 4;
    r.setup.replications = 2;
    r.setup.seed = 7;
    r.summary.replications = 2;
    r.summary.perReplication.resize(2);
    return r;
}

TEST(SimulationSheet, EntriesFiguresReplicationsAndWaitingTimes)
{
    const WorkbookLayout layout = simulationLayout(randomArrivals());
    ASSERT_TRUE(layout.simulation.has_value());
    const SheetModel& sheet = layout.simulation->sheet;
    std::map<std::string, int> rows;  // of the texts in column A
    for (const auto& [at, cell] : sheet.cells())
        if (at.column == 1 && !cell.text.empty())
            rows.emplace(cell.text, at.row);
    const auto text = [&sheet](int row, int column) {
        const SheetCell* cell = sheet.cell({row, column});
        return cell == nullptr ? std::string() : cell->text;
    };

    // Each block under its heading in column A, with its column heads in the row below; bold.
    for (const char* heading : {"仿真参数", "仿真结果", "各次仿真", "候梯时间分布"}) {
        ASSERT_EQ(rows.count(heading), 1u) << heading;
        EXPECT_TRUE(sheet.cell({rows.at(heading), 1})->bold) << heading;
        for (int column = 1; column <= 3; ++column)
            EXPECT_TRUE(sheet.cell({rows.at(heading) + 1, column})->bold) << heading << " " << column;
    }

    // The entries as typed, the default where nothing was typed, and the values taken.
    const std::tuple<const char*, int, const char*> texts[] = {
        {"客流需求", 2, "12"}, {"装载上限", 2, "（默认）"}, {"装载上限", 4, "%（每趟最多上车 8 人）"},
        {"随机种子", 3, "7"}, {"客流", 2, "按客流需求随机到达"}, {"客流", 4, "前 300 秒不计入统计"}};
    for (const auto& [caption, column, shown] : texts)
        EXPECT_EQ(text(rows.at(caption), column), shown) << caption;
    const std::tuple<const char*, double, const char*> taken[] = {
        {"客流需求", 12, ""}, {"仿真时长", 60, ""}, {"装载上限", 80, ""}, {"停留时间", 4, ""}, {"重复次数", 2, "0"}};
    for (const auto& [caption, value, format] : taken) {
        const SheetCell* cell = sheet.cell({rows.at(caption), 3});
        ASSERT_NE(cell, nullptr) << caption;
        EXPECT_EQ(cell->number, value) << caption;
        EXPECT_EQ(cell->numberFormat, format) << caption;
    }

    // Beside the simulated figures, the calculation's where it has them, and nothing elsewhere;
    // times and persons to a tenth, the share to a hundredth.
    std::map<std::string, std::pair<double, std::string>> calculated{
        {"平均候梯时间 AWT (秒)", {16, "0.0"}},      {"平均发车间隔 HS (秒)", {40, "0.0"}},
        {"平均往返时间 RTT (秒)", {160, "0.0"}},     {"5分钟内上行运载人数 HC (人)", {11.25, "0.0"}},
        {"5分钟内上行运载百分比 HC (%)", {12.5, "0.00"}}};
    for (int row = rows.at("项目") + 1; !text(row, 1).empty(); ++row) {
        const SheetCell* beside = sheet.cell({row, 3});
        const auto figure = calculated.find(text(row, 1));
        if (figure == calculated.end()) {
            EXPECT_EQ(beside, nullptr) << text(row, 1);
            continue;
        }
        ASSERT_NE(beside, nullptr) << text(row, 1);
        EXPECT_EQ(beside->number, figure->second.first) << text(row, 1);
        EXPECT_EQ(beside->numberFormat, figure->second.second) << text(row, 1);
        calculated.erase(figure);
    }
    EXPECT_TRUE(calculated.empty());

    // One row a replication, and none after them.
    const int replications = rows.at("次") + 1;
    EXPECT_EQ(text(replications, 1), "1");
    EXPECT_EQ(text(replications + 1, 1), "2");
    EXPECT_EQ(text(replications + 2, 1), "");

    // Twenty-five bins of waiting time, the chart's rows; with no passenger counted the counts
    // are zero and their shares a dash.
    EXPECT_EQ(layout.simulation->histogramFirstRow, rows.at("0–5"));
    EXPECT_EQ(layout.simulation->histogramLastRow, rows.at("0–5") + 24);
    EXPECT_EQ(rows.at("≥120"), rows.at("0–5") + 24);
    for (const int bin : {rows.at("0–5"), rows.at("≥120")}) {
        EXPECT_EQ(sheet.cell({bin, 2})->number, 0.0);
        EXPECT_EQ(text(bin, 3), "—");
    }

    // Column A as wide as its widest caption; titles and headings run on beside it.
    const auto captionWidth = sheet.columnWidths().find(1);
    ASSERT_NE(captionWidth, sheet.columnWidths().end());
    for (const auto& [at, cell] : sheet.cells()) {
        if (at.column == 1 && !cell.bold && cell.headingSize == 0) {
            EXPECT_LE(displayWidth(cell.text), captionWidth->second) << cell.text;
        }
    }
}

}  // namespace
}  // namespace trevalo::workbook
