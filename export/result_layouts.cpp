#include "export/result_layouts.h"

#include "export/input_data_block.h"

namespace trevalo::workbook {

namespace {

constexpr int kResultHeadingSize = 14;

// Maximum and minimum effective car area (m2) of the standard rated loads,
// 675 kg / 9 persons up to 1800 kg / 24 persons.
constexpr std::array<const char*, engine::kLoadTableRows> kMaximumCarArea = {
    "1.75", "1.90", "2.05", "2.20", "2.35", "2.50", "2.65", "2.80",
    "2.95", "3.10", "3.25", "3.40", "3.55", "3.64", "3.76", "3.88"};
constexpr std::array<const char*, engine::kLoadTableRows> kMinimumCarArea = {
    "1.59", "1.73", "1.87", "2.01", "2.15", "2.29", "2.43", "2.57",
    "2.71", "2.85", "2.99", "3.13", "3.25", "3.36", "3.48", "3.59"};

void writeResultHeading(SheetModel& sheet)
{
    sheet.write("D4", "Trevalo——结果");
    sheet.setHeading("D4", kResultHeadingSize);
    sheet.setItalicHeadings();
}

std::optional<LoadChart> filledRows(const SheetModel& sheet)
{
    std::optional<LoadChart> chart;
    for (int row = kFirstTableRow; row < kFirstTableRow + engine::kLoadTableRows; ++row) {
        const SheetCell* cell = sheet.cell({row, kRoundTripColumn});
        if (cell == nullptr || cell->text.empty())
            continue;
        if (!chart)
            chart = LoadChart{row, row, {}};
        chart->lastRow = row;
    }
    return chart;
}

}  // namespace

WorkbookLayout singleResultLayout(const SingleResultRecord& record)
{
    WorkbookLayout layout;
    SheetModel& sheet = layout.sheet;
    writeInputDataBlock(sheet, record.entered, true, 20);

    writeResultHeading(sheet);
    const SingleResultCaptions& form = record.form;
    const auto& values = form.valueTexts;
    sheet.write("D5", "总行程时间 (秒)");
    sheet.write("E5", values[0]);
    sheet.write("D6", "最长侯机时间 (秒)");
    sheet.write("E6", values[1]);
    sheet.write("D7", "5分钟内单机运载人数");
    sheet.write("E7", values[2]);
    sheet.write("D8", "5分钟内总运载人数");
    sheet.write("E8", values[3]);
    sheet.write("D9", "5分钟内单机运载人数百分比");
    sheet.write("E9", values[4]);
    sheet.write("D10", "5分钟内总运载人数百分比");
    sheet.write("E10", values[5]);
    if (form.structuralLoadVisible) {
        sheet.write("D11", "电梯机房的结构荷载 kg");
        sheet.write("E11", values[6]);
    }
    if (form.pitDepthVisible) {
        sheet.write("D12", "井深 m");
        sheet.write("E12", values[7]);
        sheet.write("D13", "井顶缓冲高度 m");
        sheet.write("E13", values[8]);
    }
    // What decided the structural load, in rows the result block leaves free.
    const engine::ElevatorParameters& elevator = record.entered.inputs.elevator;
    sheet.write("D15", "计算电梯机房结构荷载");
    sheet.write("E15", elevator.machineRoomRequested ? "是" : "否");
    sheet.write("D16", "装修重量 (kg)");
    sheet.write("E16", elevator.finishingWeight);

    sheet.setFitRange({{1, 1}, {18, 5}});
    sheet.page().gridlines = true;
    return layout;
}

WorkbookLayout loadTableLayout(const LoadTableRecord& record)
{
    WorkbookLayout layout;
    SheetModel& sheet = layout.sheet;
    writeInputDataBlock(sheet, record.entered, false, 18);

    writeResultHeading(sheet);
    const LoadTableCaptions& form = record.form;
    const bool relabelled = record.analysis.directionRelabelled;
    sheet.write("D5", "载重/人数");
    sheet.write("E5", relabelled ? "DN" : "UP");
    sheet.write("F5", relabelled ? "UP" : "DN");
    sheet.write("G5", "RTT (SEC)");
    sheet.write("H5", "HC (%)");
    sheet.write("I5", "HC (PERSONS)");
    sheet.write("J5", relabelled ? "PS (DN)" : "PS (UP)");
    sheet.write("K5", "HR");
    sheet.write("L5", "轿箱最大有效面积(平方米)");
    sheet.write("M5", "轿箱最小有效面积(平方米)");
    for (int i = 0; i < engine::kLoadTableRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        sheet.write({kFirstTableRow + i, 12}, kMaximumCarArea[row]);
        sheet.write({kFirstTableRow + i, 13}, kMinimumCarArea[row]);
    }

    for (int array = 1; array <= kTableArrays; ++array) {
        const auto& column = form.cellTexts[static_cast<std::size_t>(array - 1)];
        for (int i = 0; i < engine::kLoadTableRows; ++i) {
            // The load keys of column D stay even where the row's figures are hidden.
            const bool hiddenFigure = i == 0 && array > 1 && form.rowZeroHidden;
            sheet.write({kFirstTableRow + i, kLoadKeyColumn + array - 1},
                        hiddenFigure ? std::string() : column[static_cast<std::size_t>(i)]);
        }
    }

    sheet.setFitRange({{1, 1}, {18, 13}});
    layout.chart = filledRows(sheet);
    sheet.page().gridlines = true;
    // The load keys and the table's headers stand beside and above every page of the table.
    sheet.page().repeatedColumns = std::pair{kLoadKeyColumn, kLoadKeyColumn};
    sheet.page().repeatedRows = std::pair{5, 5};
    // Fitted to one page width the table would print under 9 pt: it prints at full size.
    sheet.page().fitToWidth = 0;
    return layout;
}

}  // namespace trevalo::workbook
