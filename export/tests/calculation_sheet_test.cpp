#include "engine/tests/case_name.h"
#include "export/calculation_sheet.h"
#include "export/workbook_layout.h"
#include "export/xlsx_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <variant>

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
// (0.4 + (1.8 × P_up / CC − 0.77)²) × INT up to 0.8; grades at 20, 25, 30 and 50 s.
INSTANTIATE_TEST_SUITE_P(
    CalculationSheet, Estimates,
    testing::Values(EstimateCase{"belowHalf_excellentAt20", true, 4.9, 20, 8, "优"},
                    EstimateCase{"justAboveHalf_goodAbove20", true, 5.05, 20.5, 20.5 * 0.419321, "良"},
                    EstimateCase{"aboveHalf_goodAt25", true, 5.1, 25, 25 * 0.421904, "良"},
                    EstimateCase{"atLimit_satisfactoryAbove25", true, 8, 25.5, 25.5 * 0.8489, "满意"},
                    EstimateCase{"aboveLimit_satisfactoryAt30", true, 8.1, 30, 0, "满意"},
                    EstimateCase{"poorAbove30", true, 3, 30.5, 12.2, "差"},
                    EstimateCase{"poorBelow50", true, 3, 49.9, 19.96, "差"},
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
    CalculationHeader header;
    header.officeBuilding = c.office;
    const SheetModel sheet = calculationSheet(header, result);

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

EnteredData entered(engine::AnalysisInputs inputs)
{
    EnteredData data;
    data.inputs = std::move(inputs);
    data.targets = engine::presetTargets(*data.inputs.project.buildingType);
    data.targetSources = engine::presetSources(*data.inputs.project.buildingType);
    return data;
}

void finishLayout(WorkbookLayout& layout, const EnteredData& data, const auto& analysis)
{
    constexpr const char* kMoment = "2026-12-07 10:30:05";
    layout.calculation = calculationSheet(calculationHeader(data, kMoment), analysis);
    setPrintedPages(layout, data.inputs.project.projectName, kMoment);
}

// Both workbooks of a case written by the real writer and read back by openpyxl.
TEST_P(ReadBack, BothWorkbooks)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("trevalo-calculation-" + std::string(GetParam().name) + "-" +
                         std::to_string(testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    SingleResultRecord single;
    single.entered = entered(GetParam().inputs);
    single.analysis = std::get<engine::SingleResult>(engine::runAnalysis(single.entered.inputs));
    single.form = {single.analysis.valueTexts, single.analysis.structuralLoadShown,
                   single.analysis.pitAndHeadroomShown};
    WorkbookLayout singleLayout = singleResultLayout(single);
    finishLayout(singleLayout, single.entered, single.analysis);
    ASSERT_TRUE(writeWorkbook(singleLayout, (folder / "single.xlsx").string()));

    LoadTableRecord table;
    table.entered = entered(GetParam().inputs);
    table.entered.inputs.elevator.fixedConfiguration = false;
    table.analysis = std::get<engine::LoadTable>(engine::runAnalysis(table.entered.inputs));
    table.form.rowZeroHidden = !table.analysis.rowZeroShown;
    for (int r = 0; r < engine::kLoadTableRows; ++r) {
        const auto row = static_cast<std::size_t>(r);
        table.form.cellTexts[0][row] = std::to_string(675 + 75 * r) + "/" + std::to_string(9 + r);
        for (std::size_t k = 1; k < kTableArrays; ++k)
            table.form.cellTexts[k][row] = table.analysis.cellTexts[row][k - 1];
    }
    WorkbookLayout tableLayout = loadTableLayout(table);
    finishLayout(tableLayout, table.entered, table.analysis);
    ASSERT_TRUE(writeWorkbook(tableLayout, (folder / "table.xlsx").string()));

    const std::string command = std::string("/usr/bin/python3 ") + CHECK_CALCULATION_SCRIPT + " " +
                                GetParam().name + " " + (folder / "single.xlsx").string() + " " +
                                (folder / "table.xlsx").string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trevalo::workbook
