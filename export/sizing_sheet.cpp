#include "export/workbook_layout.h"

#include "engine/display_text.h"
#include "export/cell_value.h"
#include "export/report_blocks.h"
#include "engine/sizing_text.h"
#include "engine/waiting_time.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace trevalo::workbook {

namespace {

constexpr int kResultHeadingSize = 14;
constexpr int kBasisRow = 5;
constexpr int kFirstColumn = 4;  // D
constexpr double kLineHeight = 16;  // points per line of wrapped text, room for CJK faces
constexpr double kDefaultColumnWidth = 8.43;

std::string passText(bool met) { return met ? "满足" : "不满足"; }

std::string speedsText(const std::vector<std::string>& speeds)
{
    std::string text;
    for (const std::string& speed : speeds)
        text += (text.empty() ? "" : "、") + speed;
    return text;
}

// The targets stand above the table: each name runs on over the table's first columns, the
// value stands in the table's interval column and the source runs on to its right.
constexpr int kTargetValueColumn = 8;   // H
constexpr int kTargetSourceColumn = 9;  // I

void writeTarget(SheetModel& sheet, int row, const std::string& name, const std::string& value,
                 const std::string& source, int lastColumn)
{
    const CellPosition at[] = {{row, kFirstColumn}, {row, kTargetValueColumn}, {row, kTargetSourceColumn}};
    const std::string texts[] = {name, value, source};
    for (int i = 0; i < 3; ++i) {
        sheet.write(at[i], texts[i]);
        sheet.setRunsOn(at[i]);
    }
    sheet.setWrapped(at[2]);
    sheet.setMergedThrough(at[2], lastColumn);
}

// Returns the last row written.
int writeTargets(SheetModel& sheet, const SizingRecord& record, int firstRow, int lastColumn)
{
    const auto& targets = record.analysis.targets;
    const auto type = record.entered.inputs.project.buildingType.value_or(engine::BuildingType::Residential);
    // A preset's source stands beside a target only while the target is the preset.
    const engine::TargetSources sources = engine::targetSources(type, targets.targets);
    int r = firstRow;
    writeTarget(sheet, r, "设计目标", "目标值", "来源", lastColumn);
    for (int column : {kFirstColumn, kTargetValueColumn, kTargetSourceColumn})
        sheet.setBold({r, column});
    writeTarget(sheet, ++r, "5分钟总运载能力 HC (%) ≥", record.entries.hcPercent,
                sources.hcPercent, lastColumn);
    writeTarget(sheet, ++r, "间隔 (秒) ≤", record.entries.interval,
                sources.interval, lastColumn);
    writeTarget(sheet, ++r, "平均候梯时间 AWT (秒) ≤", targets.targets.awt ? record.entries.awt : "不检查",
                targets.targets.awt ? "用户设定；AWT 按 CIBSE Guide D（Barney）估算" : "", lastColumn);
    writeTarget(sheet, ++r, "最多台数", std::to_string(targets.maxCars), "", lastColumn);
    writeTarget(sheet, ++r, "试算速度 (米/秒)", speedsText(record.entries.speeds), "", lastColumn);
    return r;
}

// The search repeats the single result's calculation over every configuration.
const BasisLine kSearchMethod{
    "选型方法",
    "对 1 台至最多台数、建筑类型的每种标准额定载重（75 kg 一级，住宅 675～1800 kg，办公楼类 750～1800 kg）及每个"
    "试算速度重复上述计算；台数为 L 时 INT = RTT / L，HC(T) % = L × HC(P) %，AWT 由 INT 估算"};

// A statement of the basis over the whole width of the table, wrapped within it.
void writeBasisLine(SheetModel& sheet, int row, int lastColumn, const BasisLine& line)
{
    const CellPosition at{row, kFirstColumn};
    sheet.write(at, std::string(line.name) + "：" + line.text);
    sheet.setWrapped(at);
    sheet.setMergedThrough(at, lastColumn);
}

struct Column {
    const char* heading;
    std::function<std::string(const engine::SizingCandidate&)> text;
};

std::vector<Column> tableColumns(const SizingRecord& record)
{
    using engine::figureText;
    using Candidate = engine::SizingCandidate;
    const engine::DesignTargets& targets = record.analysis.targets.targets;
    std::vector<Column> columns{
        {"台数", [](const Candidate& c) { return std::to_string(c.cars); }},
        {"载重/人数", [](const Candidate& c) { return figureText(c.load) + "/" + figureText(c.persons); }},
        {"速度 (米/秒)", [](const Candidate& c) { return figureText(c.speed); }},
        {"RTT (秒)", [](const Candidate& c) { return figureText(c.roundTripTime); }},
        {"间隔 (秒)", [](const Candidate& c) { return figureText(c.interval); }},
        {"HC (%)", [](const Candidate& c) { return figureText(c.groupPercent); }},
        {"AWT 估算 (秒)", [](const Candidate& c) { return c.awt ? figureText(*c.awt) : std::string("不适用"); }},
    };
    if (record.entered.inputs.project.buildingType.value_or(engine::BuildingType::Residential) !=
        engine::BuildingType::Residential)
        columns.push_back({"间隔评级", [](const Candidate& c) {
                               return engine::intervalGradeText(engine::intervalGrade(c.interval));
                           }});
    columns.push_back({"HC 目标", [](const Candidate& c) { return passText(c.check.hcMet); }});
    columns.push_back({"间隔目标", [](const Candidate& c) { return passText(c.check.intervalMet); }});
    if (targets.awt)
        columns.push_back({"AWT 目标", [](const Candidate& c) { return passText(*c.check.awtMet); }});
    columns.push_back({"结论", [](const Candidate& c) { return c.check.allMet() ? "满足全部目标" : "不满足"; }});
    return columns;
}

// The table's columns are as wide as their figures, at least two Chinese characters; their
// headings wrap. So the report prints at full size within one page width, even with an AWT
// target's column and round trip times of four digits.
constexpr double kNarrowestColumn = 5;
constexpr double kPadding = 0.5;

void setTableWidths(SheetModel& sheet, const std::vector<Column>& columns, const std::vector<engine::SizingCandidate>& rows,
                    int headingRow)
{
    double headingLines = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        double width = kNarrowestColumn;
        for (const engine::SizingCandidate& candidate : rows)
            width = std::max(width, displayWidth(columns[i].text(candidate)) + kPadding);
        sheet.setColumnWidth(kFirstColumn + static_cast<int>(i), width);
        headingLines = std::max(headingLines, std::ceil(displayWidth(columns[i].heading) / width));
    }
    if (headingLines > 1)
        sheet.setRowHeight(headingRow, kLineHeight * headingLines);
}

// The spreadsheet does not grow a row for wrapped text by itself: each merged text gets the
// lines it needs over the widths of the columns it spans.
void fitMergedRows(SheetModel& sheet)
{
    for (const auto& [at, cell] : sheet.cells()) {
        if (cell.mergedThrough == 0)
            continue;
        double width = 0;
        for (int column = at.column; column <= cell.mergedThrough; ++column) {
            const auto set = sheet.columnWidths().find(column);
            width += set == sheet.columnWidths().end() ? kDefaultColumnWidth : set->second;
        }
        const double lines = std::ceil(displayWidth(cell.text) / std::max(width - 2, 1.0));
        if (lines > 1)
            sheet.setRowHeight(at.row, kLineHeight * lines);
    }
}

}  // namespace

WorkbookLayout sizingLayout(const SizingRecord& record)
{
    WorkbookLayout layout;
    layout.sheetName = kSizingSheetName;
    layout.title = kSizingSheetName;
    SheetModel& sheet = layout.sheet;
    const std::vector<Column> columns = tableColumns(record);
    const int lastColumn = kFirstColumn + static_cast<int>(columns.size()) - 1;
    // The summary stands above the heading, over the table's width.
    sheet.write("D3", engine::sizingSummary(record.analysis));
    sheet.setWrapped({3, kFirstColumn});
    sheet.setMergedThrough({3, kFirstColumn}, lastColumn);
    sheet.write("D4", "Trevalo——电梯选型");
    sheet.setHeading("D4", kResultHeadingSize);

    // The basis first: the method and its sources, the targets used, the mends.
    sheet.write({kBasisRow, kFirstColumn}, "计算依据");
    sheet.setBold({kBasisRow, kFirstColumn});
    sheet.setRunsOn({kBasisRow, kFirstColumn});
    std::vector<BasisLine> basis = methodBasis(record.entered.inputs.project.spread == engine::PopulationSpread::PerFloor);
    basis.insert(basis.begin() + 1, kSearchMethod);
    int row = kBasisRow;
    for (const BasisLine& line : basis)
        writeBasisLine(sheet, ++row, lastColumn, line);
    row = writeTargets(sheet, record, row + 1, lastColumn);
    for (const BasisLine& line : mendBasis())
        writeBasisLine(sheet, ++row, lastColumn, line);

    row += 2;
    sheet.write({row, kFirstColumn}, "全部试算配置（按台数、载重、速度排列）");
    sheet.setRunsOn({row, kFirstColumn});
    const int headingRow = row + 1;
    // The search decides the rated load and number of cars, so the block leaves them out. The
    // per-floor list's heading shares the table's heading row, which prints on every page.
    writeInputDataBlock(sheet, record.entered, false, headingRow);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CellPosition heading{headingRow, kFirstColumn + static_cast<int>(i)};
        sheet.write(heading, columns[i].heading);
        sheet.setBold(heading);
        sheet.setWrapped(heading);
        sheet.setCentred(heading);
    }
    row = headingRow;
    for (const engine::SizingCandidate& candidate : record.analysis.evaluated) {
        ++row;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            // Centred, so that neighbouring figures and words never read as one.
            const CellPosition at{row, kFirstColumn + static_cast<int>(i)};
            sheet.write(at, columns[i].text(candidate));
            sheet.setCentred(at);
        }
    }
    setTableWidths(sheet, columns, record.analysis.evaluated, headingRow);
    // At full size, the inputs on the left print on pages of their own, the report from
    // column D on the pages after them, its table's heading on every page.
    sheet.page().fitToWidth = 0;
    sheet.page().pageBreakBefore = kFirstColumn;
    sheet.page().repeatedRows = std::pair{headingRow, headingRow};
    const int listEnd = headingRow + static_cast<int>(record.entered.floorList.size());
    // The block to sign after whichever of the table and the per-floor list ends lower.
    const int last = writeSignOff(sheet, std::max(row, listEnd) + 2, kFirstColumn, kFirstColumn + 1, kFirstColumn + 4);
    sheet.setFitRange({{kBasisRow, 1}, {last, lastColumn}});
    fitMergedRows(sheet);
    return layout;
}

}  // namespace trevalo::workbook
