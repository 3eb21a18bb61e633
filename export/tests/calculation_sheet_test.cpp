#include "engine/analysis/analysis.h"
#include "engine/analysis/waiting_time.h"
#include "engine/tests/case_name.h"
#include "export/calculation_sheet.h"
#include "export/export_records.h"
#include "export/printed_pages.h"
#include "export/result_layouts.h"
#include "export/workbook_layout.h"
#include "export/xlsx_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace trevalo::workbook {
namespace {

// The value beside the row named `name`, or nothing when there is no such row.
const SheetCell* valueOf(const SheetModel& sheet, const std::string& name, int rowsBelow = 0)
{
    for (const auto& [position, cell] : sheet.cells())
        if (position.column == 2 && cell.text == name)
            return sheet.cell({position.row + rowsBelow, rowsBelow == 0 ? 4 : 3});
    return nullptr;
}

struct EstimateCase {
    const char* name;
    bool office;
    double upPassengers;  // of 10 rated persons
    double interval;      // s
    double waiting;       // s; 0: the estimate does not apply
    const char* grade;    // empty: no grade row
};

class Estimates : public testing::TestWithParam<EstimateCase> {};

// Worked by hand: AWT = 0.4 × INT below a load factor of 0.5, then
// (0.4 + (1.8 × P_up / CC − 0.77)²) × INT up to 0.8; grades at 20, 25, 30 and 50 s. The rules'
// boundaries are the analysis's own tests; these rows take each way through the sheet.
INSTANTIATE_TEST_SUITE_P(
    CalculationSheet, Estimates,
    testing::Values(EstimateCase{"belowHalf_excellentAt20", true, 4.9, 20, 8, "优"},
                    EstimateCase{"aboveHalf_goodAt25", true, 5.1, 25, 25 * 0.421904, "良"},
                    EstimateCase{"aboveLimit_satisfactoryAt30", true, 8.1, 30, 0, "满意"},
                    EstimateCase{"unsatisfactoryAt50", true, 3, 50, 20, "不满意"},
                    EstimateCase{"residentialHasNoGrade", false, 3, 50, 20, ""}),
    engine::CaseName());

TEST_P(Estimates, WaitingTimeAndGrade)
{
    const EstimateCase& c = GetParam();
    engine::SingleResult result;
    result.steps.persons = 10;
    result.steps.upPassengers = c.upPassengers;
    result.figures.interval = c.interval;
    result.awt = engine::averageWaitingTime(c.upPassengers, result.steps.persons, c.interval);
    CalculationHeader header;
    header.officeBuilding = c.office;
    const SheetModel sheet = calculationSheet(header, result, std::nullopt);

    const SheetCell* waiting = valueOf(sheet, "平均候梯时间");
    ASSERT_NE(waiting, nullptr);
    if (c.waiting == 0) {
        EXPECT_EQ(waiting->text, "不适用：P_up/CC 超出 0.8");
        EXPECT_FALSE(waiting->number);
    } else {
        ASSERT_TRUE(waiting->number);
        EXPECT_NEAR(*waiting->number, c.waiting, 1e-9);
    }
    const SheetCell* grade = valueOf(sheet, "间隔评级（办公楼）");
    EXPECT_EQ(grade == nullptr ? "" : grade->text, c.grade);
    for (const char* estimate : {"平均候梯时间", "间隔评级（办公楼）"}) {
        const SheetCell* note = valueOf(sheet, estimate, 1);
        if (estimate == std::string("平均候梯时间") || *c.grade != '\0') {
            ASSERT_NE(note, nullptr) << estimate;
            EXPECT_NE(note->text.find("估算，超出上行高峰计算范围"), std::string::npos) << estimate;
            EXPECT_NE(note->text.find("CIBSE Guide D (Barney)"), std::string::npos) << estimate;
        }
    }
}

// The rows whose column A holds `symbol`, top down.
std::vector<int> rowsOf(const SheetModel& sheet, const std::string& symbol)
{
    std::vector<int> rows;
    for (const auto& [position, cell] : sheet.cells())
        if (position.column == 1 && cell.text == symbol)
            rows.push_back(position.row);
    return rows;
}

double numberAt(const SheetModel& sheet, int row, int column)
{
    const SheetCell* cell = sheet.cell({row, column});
    return cell != nullptr && cell->number ? *cell->number : -1;
}

std::string textAt(const SheetModel& sheet, int row, int column)
{
    const SheetCell* cell = sheet.cell({row, column});
    return cell == nullptr ? "" : cell->text;
}

// Every coefficient under its own letter: distinct values catch a letter showing another
// coefficient, which equal published values (B and G, and D and F below 5 m/s) would hide.
TEST(CalculationSheet, EachCoefficientUnderItsLetter)
{
    engine::SingleResult result;
    result.steps.motionLaw = {1, 2, 3, 4, 5, 6, 7, 8};  // a, b, c, d, k, e, g, f
    engine::LoadTable table;
    table.steps[0] = result.steps;
    const std::pair<const char*, double> letters[] = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4},
                                                      {"K", 5}, {"E", 6}, {"G", 7}, {"F", 8}};
    for (const SheetModel& sheet : {calculationSheet({}, result, std::nullopt), calculationSheet({}, table)}) {
        const int column = sheet.cell({2, 4}) != nullptr && sheet.cell({2, 4})->text == "数值" ? 4 : 5;
        for (const auto& [letter, value] : letters) {
            const auto rows = rowsOf(sheet, letter);
            ASSERT_EQ(rows.size(), 1u) << letter;
            EXPECT_EQ(numberAt(sheet, rows[0], column), value) << letter;
        }
    }
}

// The notes under their own heading, one row each, on both sheets; no heading without notes.
TEST(CalculationSheet, NotesUnderTheirHeading)
{
    const std::vector<std::string> notes{"第一条提示", "第二条提示"};
    engine::SingleResult result;
    engine::LoadTable table;
    EXPECT_TRUE(rowsOf(calculationSheet({}, result, std::nullopt), "注意").empty());
    result.notes = notes;
    table.notes = notes;
    for (const SheetModel& sheet : {calculationSheet({}, result, std::nullopt), calculationSheet({}, table)}) {
        const auto heading = rowsOf(sheet, "注意");
        ASSERT_EQ(heading.size(), 1u);
        EXPECT_EQ(textAt(sheet, heading[0] + 1, 3), notes[0]);
        EXPECT_EQ(textAt(sheet, heading[0] + 2, 3), notes[1]);
    }
}

// The results section lists the rows the result form shows, as it shows them, and no other;
// without targets the conclusion says that nothing is judged.
TEST(CalculationSheet, ResultsAsTheFormShowsThem)
{
    engine::SingleResult result;
    for (std::size_t i = 0; i < result.valueTexts.size(); ++i)
        result.valueTexts[i] = "值" + std::to_string(i);
    for (const auto& [structural, pit] : {std::pair{false, false}, std::pair{true, false}, std::pair{false, true}}) {
        result.structuralLoadShown = structural;
        result.pitAndHeadroomShown = pit;
        const SheetModel sheet = calculationSheet({}, result, std::nullopt);
        const auto shown = [&sheet](const char* name) {
            const SheetCell* cell = valueOf(sheet, name);
            return cell == nullptr ? std::string("（无此行）") : cell->text;
        };
        EXPECT_EQ(shown("最长侯机时间 (秒)"), "值1");
        EXPECT_EQ(shown("电梯机房的结构荷载 kg"), structural ? "值6" : "（无此行）");
        EXPECT_EQ(shown("井深 m"), pit ? "值7" : "（无此行）");
        EXPECT_EQ(shown("井顶缓冲高度 m"), pit ? "值8" : "（无此行）");
    }
    const SheetModel sheet = calculationSheet({}, result, std::nullopt);
    const auto overall = std::find_if(sheet.cells().begin(), sheet.cells().end(),
                                      [](const auto& cell) { return cell.second.text == "综合结论"; });
    ASSERT_NE(overall, sheet.cells().end());
    EXPECT_EQ(textAt(sheet, overall->first.row, 1), "");
    EXPECT_EQ(textAt(sheet, overall->first.row, 3), "无设计目标，不作判定");
    EXPECT_EQ(textAt(sheet, overall->first.row, 5), "");  // nor a unit
}

struct VerdictCase {
    const char* name;
    double groupPercent, interval;
    std::optional<double> waitingTarget;
    const char* hc;        // verdict of the group's share
    const char* wait;      // of the interval
    const char* waiting;   // of the waiting time; empty: no verdict row
    const char* overall;
};

void PrintTo(const VerdictCase& c, std::ostream* out) { *out << c.name; }

class Conclusion : public testing::TestWithParam<VerdictCase> {};

// Targets 6 % and 60 s; the waiting time of 3 up passengers of 13 rated persons (below half)
// is 0.4 x the interval.
INSTANTIATE_TEST_SUITE_P(
    CalculationSheet, Conclusion,
    testing::Values(VerdictCase{"bothMet", 8, 50, std::nullopt, "满足", "满足", "", "满足"},
                    VerdictCase{"shareMissed", 5.5, 50, std::nullopt, "不满足", "满足", "", "不满足"},
                    VerdictCase{"intervalMissed", 8, 70, std::nullopt, "满足", "不满足", "", "不满足"},
                    VerdictCase{"onBothTargets", 6, 60, std::nullopt, "满足", "满足", "", "满足"},
                    VerdictCase{"waitingMissed", 8, 50, 19.0, "满足", "满足", "不满足", "不满足"},
                    VerdictCase{"waitingMet", 8, 50, 21.0, "满足", "满足", "满足", "满足"}),
    engine::CaseName());

TEST_P(Conclusion, EachFigureAgainstItsTarget)
{
    const VerdictCase& c = GetParam();
    engine::SingleResult result;
    result.steps.persons = 13;
    result.steps.upPassengers = 3;
    result.figures.groupPercent = c.groupPercent;
    result.figures.interval = c.interval;
    result.awt = 0.4 * c.interval;
    // The targets as the sizing entries give them, judged as the result form judges them.
    engine::AnalysisInputs inputs;
    inputs.project.buildingType = engine::BuildingType::Residential;
    const engine::SizingEntries targets{"6", "60", c.waitingTarget ? std::to_string(*c.waitingTarget) : "", "8", {"1"}};
    const SheetModel sheet = calculationSheet({}, result, engine::targetVerdict(inputs, targets, result));
    // The last row of a symbol is its conclusion: figure, then target, margin and verdict below.
    const auto check = [&](const char* symbol, double figure, double target, double margin, const char* verdict) {
        const auto rows = rowsOf(sheet, symbol);
        ASSERT_FALSE(rows.empty()) << symbol;
        const int at = rows.back();
        EXPECT_DOUBLE_EQ(numberAt(sheet, at, 4), figure) << symbol;
        EXPECT_EQ(textAt(sheet, at + 1, 2), "目标") << symbol;
        EXPECT_DOUBLE_EQ(numberAt(sheet, at + 1, 4), target) << symbol;
        EXPECT_NEAR(numberAt(sheet, at + 2, 4), margin, 1e-12) << symbol;
        EXPECT_EQ(textAt(sheet, at + 3, 4), verdict) << symbol;
    };
    check("HC(T) %", c.groupPercent, 6, c.groupPercent - 6, c.hc);
    check("INT", c.interval, 60, 60 - c.interval, c.wait);
    if (*c.waiting != '\0')
        check("AWT", 0.4 * c.interval, *c.waitingTarget, *c.waitingTarget - 0.4 * c.interval, c.waiting);
    else
        EXPECT_EQ(textAt(sheet, rowsOf(sheet, "AWT").back(), 3), "未设定目标，不作判定");
    const SheetCell* overall = valueOf(sheet, "综合结论");
    ASSERT_NE(overall, nullptr);
    EXPECT_EQ(overall->text, c.overall);

    // Beside a simulation the waiting time judged here is the calculation's estimate, and a row
    // points to the simulated verdict; the other figures are judged as before.
    const SheetModel simulated =
        calculationSheet({}, result, engine::targetVerdict(inputs, targets, result), true);
    const int awt = rowsOf(simulated, "AWT").back();
    const bool judged = *c.waiting != '\0';
    EXPECT_EQ(textAt(simulated, awt, 2), judged ? "平均候梯时间（计算估计）" : "平均候梯时间");
    if (judged) {
        EXPECT_EQ(textAt(simulated, awt + 4, 3), "仿真的平均候梯时间及其判定见“仿真”工作表，以仿真判定为准");
    }
    EXPECT_EQ(valueOf(simulated, "综合结论")->text, c.overall);
}

struct ReadBackCase {
    const char* name;  // also the checker's case
    engine::AnalysisInputs inputs;  // with the rated load and number of cars decided
};

engine::AnalysisInputs workedCase()
{
    engine::AnalysisInputs inputs;
    inputs.project = {"计算书", engine::BuildingType::Residential, "10", "500", engine::PopulationSpread::Even};
    inputs.elevator = {"30", "3", false, "", engine::DoorType::TwoPanelCentre, "900", false, "5", "30", "20", "1.75",
                       true, "1000", "2", true, "300"};
    return inputs;
}

// An office with both door reductions, the middle speed class and six ropes; its name
// holds an ampersand, which the page header must show as it is.
engine::AnalysisInputs officeCase()
{
    engine::AnalysisInputs inputs;
    inputs.project = {"办公楼 A&B", engine::BuildingType::OfficeAndHotel, "12", "1200", engine::PopulationSpread::Even};
    inputs.elevator = {"42", "3.5", false, "", engine::DoorType::TwoPanelSide, "1000", true, "10", "80", "10", "2.5",
                       true, "1350", "4", true, "400"};
    return inputs;
}

void PrintTo(const ReadBackCase& c, std::ostream* out) { *out << c.name; }

class ReadBack : public testing::TestWithParam<ReadBackCase> {};

INSTANTIATE_TEST_SUITE_P(CalculationSheet, ReadBack,
                         testing::Values(ReadBackCase{"worked", workedCase()}, ReadBackCase{"office", officeCase()}),
                         engine::CaseName());

constexpr const char* kMoment = "2026-12-07 10:30:05";

void finishLayout(WorkbookLayout& layout, const EnteredData& data, SheetModel calculation)
{
    layout.calculation = std::move(calculation);
    setPrintedPages(layout, data.inputs.project.projectName, kMoment);
}

// Both workbooks of a case, their records made as an export makes them, written by the real
// writer and read back by openpyxl.
TEST_P(ReadBack, BothWorkbooks)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("trevalo-calculation-" + std::string(GetParam().name) + "-" +
                         std::to_string(testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    engine::AnalysisInputs inputs = GetParam().inputs;
    const SingleResultRecord single =
        singleResultRecord(enteredData(inputs, std::nullopt, "", ""),
                           std::get<engine::SingleResult>(engine::runAnalysis(inputs)), std::nullopt);
    WorkbookLayout singleLayout = singleResultLayout(single);
    finishLayout(singleLayout, single.entered,
                 calculationSheet(calculationHeader(single.entered, kMoment), single.analysis, single.verdict));
    ASSERT_TRUE(writeWorkbook(singleLayout, (folder / "single.xlsx").string()));

    inputs.elevator.fixedConfiguration = false;
    const LoadTableRecord table = loadTableRecord(enteredData(inputs, std::nullopt, "", ""),
                                                  std::get<engine::LoadTable>(engine::runAnalysis(inputs)));
    WorkbookLayout tableLayout = loadTableLayout(table);
    finishLayout(tableLayout, table.entered, calculationSheet(calculationHeader(table.entered, kMoment), table.analysis));
    ASSERT_TRUE(writeWorkbook(tableLayout, (folder / "table.xlsx").string()));

    const std::string command = std::string("/usr/bin/python3 ") + CHECK_CALCULATION_SCRIPT + " " +
                                GetParam().name + " " + (folder / "single.xlsx").string() + " " +
                                (folder / "table.xlsx").string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::workbook
