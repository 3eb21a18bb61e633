#include "export/sizing_sheet.h"

#include "engine/display_text.h"
#include "engine/sizing/sizing_minimums.h"
#include "engine/sizing/sizing_text.h"
#include "engine/standard_tables.h"
#include "export/input_data_block.h"
#include "export/report_blocks.h"
#include "export/sizing_blocks.h"

#include <algorithm>
#include <string>
#include <vector>

namespace trevalo::workbook {

namespace {

constexpr int kResultHeadingSize = 14;
// The inputs line heads the printed report, above the time and the summary.
constexpr int kInputsRow = 1;
constexpr int kTargetsRow = 5;
constexpr int kFirstColumn = 4;  // D

std::string speedsText(const std::vector<std::string>& speeds)
{
    std::string text;
    for (const std::string& speed : speeds)
        text += (text.empty() ? "" : "、") + speed;
    return text;
}

// The entries the search answers, in one wrapped line above the targets: the printed report
// leads with them, the full input block standing in columns A to C of the sheet.
std::string inputsLine(const EnteredData& entered)
{
    const engine::AnalysisInputs& in = entered.inputs;
    std::string line = "输入数据：";
    if (in.project.buildingType)
        line += buildingTypeText(*in.project.buildingType) + "，";
    const bool perFloor = in.project.spread == engine::PopulationSpread::PerFloor;
    line += "停留 " + in.project.floorsServed + " 层，" +
            (perFloor ? "各层人数合计 " + in.floors.storedTotal + " 人（逐层见 A～C 列）"
                      : "总人数 " + in.project.totalPopulation + " 人（每层平均）");
    const engine::ElevatorParameters& e = in.elevator;
    line += "；行程 " + e.travel + " m，层高 " + e.floorHeight + " m";
    if (e.expressZoneSet)
        line += "，快速通行区 " + e.expressDistance + " m";
    if (e.doorType)
        line += "；" + std::string(engine::doorTypeName(*e.doorType)) + " " + e.doorWidth + " mm" +
                (e.advanceOpening ? "，预先开门" : "");
    line += "；折耗率 " + e.lossPercent + " %，上行 " + e.upPercent + " %，下行 " + e.downPercent + " %";
    return line;
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

// The targets, and what the building's codes ask with the clauses they come from: the least
// cars and rated load as the sizing entries give them, the fire lift's run. Returns the last row.
int writeTargets(SheetModel& sheet, const SizingRecord& record, int firstRow, int lastColumn)
{
    const auto& targets = record.analysis.targets;
    const engine::SizingMinimums& minimums = record.analysis.minimums;
    const auto type = record.entered.inputs.project.buildingType.value_or(engine::BuildingType::Residential);
    // A preset's source stands beside an entry only while the entry is the preset.
    const engine::SizingSources sources = engine::sizingSources(type, record.entries, minimums);
    int r = firstRow;
    writeTarget(sheet, r, "设计目标", "目标值", "来源", lastColumn);
    for (int column : {kFirstColumn, kTargetValueColumn, kTargetSourceColumn})
        sheet.setBold({r, column});
    sheet.keepTogether(r, r + 1);
    writeTarget(sheet, ++r, "5分钟总运载能力 HC (%) ≥", record.entries.hcPercent,
                sources.hcPercent, lastColumn);
    writeTarget(sheet, ++r, "间隔 (秒) ≤", record.entries.interval,
                sources.interval, lastColumn);
    writeTarget(sheet, ++r, "平均候梯时间 AWT (秒) ≤", targets.targets.awt ? record.entries.awt : "不检查",
                targets.targets.awt ? "用户设定；AWT 按 CIBSE Guide D（Barney）估算" : "", lastColumn);
    writeTarget(sheet, ++r, "最多台数", std::to_string(targets.maxCars), "", lastColumn);
    const auto orNone = [](const std::string& entry) { return entry.empty() ? std::string("不限") : entry; };
    writeTarget(sheet, ++r, "最少台数", orNone(record.entries.leastCars),
                sources.leastCars, lastColumn);
    writeTarget(sheet, ++r, "最小额定载重 (kg)", orNone(record.entries.leastLoad),
                sources.leastLoad, lastColumn);
    writeTarget(sheet, ++r, "试算速度 (米/秒)", speedsText(record.entries.speeds), "", lastColumn);
    if (minimums.fireLiftRunTime)
        writeTarget(sheet, ++r, "消防电梯运行时间 (秒) ≤", engine::figureText(*minimums.fireLiftRunTime),
                    engine::fireLiftSpeedNote(record.analysis), lastColumn);
    return r;
}

// The search repeats the single result's calculation over every configuration.
const BasisLine kSearchMethod{
    "选型方法",
    "对最少台数至最多台数、建筑类型的每种标准额定载重（75 kg 一级，住宅 675～1800 kg，办公楼类 750～1800 kg，"
    "不小于最小额定载重）及每个试算速度重复上述计算；台数为 L 时 INT = RTT / L，HC(T) % = L × HC(P) %，"
    "AWT 由 INT 估算；全部试算结果见“全部试算”表"};

// A statement of the basis over the whole width of the table, wrapped within it.
void writeBasisLine(SheetModel& sheet, int row, int lastColumn, const BasisLine& line)
{
    const CellPosition at{row, kFirstColumn};
    sheet.write(at, std::string(line.name) + "：" + line.text);
    sheet.setWrapped(at);
    sheet.setMergedThrough(at, lastColumn);
}

// The method and its sources, and the mends. Returns the last row.
int writeBasis(SheetModel& sheet, const SizingRecord& record, int headingRow, int lastColumn)
{
    sheet.write({headingRow, kFirstColumn}, "计算依据");
    sheet.setBold({headingRow, kFirstColumn});
    sheet.setRunsOn({headingRow, kFirstColumn});
    sheet.keepTogether(headingRow, headingRow + 1);
    std::vector<BasisLine> basis = methodBasis(record.entered.inputs.project.spread == engine::PopulationSpread::PerFloor);
    basis.insert(basis.begin() + 1, kSearchMethod);
    for (const BasisLine& line : mendBasis())
        basis.push_back(line);
    int row = headingRow;
    for (const BasisLine& line : basis)
        writeBasisLine(sheet, ++row, lastColumn, line);
    return row;
}

}  // namespace

WorkbookLayout sizingLayout(const SizingRecord& record)
{
    WorkbookLayout layout;
    layout.sheetName = kSizingSheetName;
    layout.title = kSizingSheetName;
    SheetModel& sheet = layout.sheet;
    const engine::SizingOutcome& outcome = record.analysis;
    // Short of the targets, the table of the closest ones gives each target's margin.
    const bool withMargins = !outcome.met;
    const int lastColumn = kFirstColumn + candidateTableWidth(record, withMargins) - 1;
    // The summary stands above the heading, over the table's width.
    sheet.write("D3", engine::sizingSummary(outcome));
    sheet.setWrapped({3, kFirstColumn});
    sheet.setMergedThrough({3, kFirstColumn}, lastColumn);
    sheet.write("D4", "Trevalo——电梯选型");
    sheet.setHeading("D4", kResultHeadingSize);
    sheet.write({kInputsRow, kFirstColumn}, inputsLine(record.entered));
    sheet.setWrapped({kInputsRow, kFirstColumn});
    sheet.setMergedThrough({kInputsRow, kFirstColumn}, lastColumn);

    // The answer first, after the targets it answers; then the basis, then the configurations.
    int row = writeTargets(sheet, record, kTargetsRow, lastColumn);
    row = writeRecommendation(sheet, record, row + 2, kFirstColumn, kTargetValueColumn, lastColumn);
    row = writeBasis(sheet, record, row + 2, lastColumn);

    row += 2;
    sheet.write({row, kFirstColumn}, outcome.met ? "满足全部目标的配置（按台数、载重、速度排列）"
                                                 : "最接近的配置（按与目标的差距排列）");
    sheet.setRunsOn({row, kFirstColumn});
    sheet.keepTogether(row, row + 1);
    const int headingRow = row + 1;
    // The search decides the rated load and number of cars, so the block leaves them out. The
    // per-floor list's heading shares the table's heading row, which prints on every page.
    writeInputDataBlock(sheet, record.entered, false, headingRow);
    row = writeCandidateTable(sheet, record, outcome.listed, withMargins, headingRow, kFirstColumn);
    // The report prints from column D at full size, so that its first page leads with the
    // inputs line, the targets and the recommendation; the input block on the left stays in
    // the workbook. The table's heading repeats on every page.
    sheet.page().fitToWidth = 0;
    sheet.page().repeatedRows = std::pair{headingRow, headingRow};
    const int listEnd = headingRow + static_cast<int>(record.entered.floorList.size());
    // The block to sign after whichever of the table and the per-floor list ends lower.
    const int last = writeSignOff(sheet, std::max(row, listEnd), kFirstColumn, kFirstColumn + 1, kFirstColumn + 4);
    sheet.setFitRange({{kTargetsRow, 1}, {last, lastColumn}});
    sheet.page().printArea = CellRange{{1, kFirstColumn}, {last, lastColumn}};
    fitMergedRows(sheet);
    layout.trials = trialsSheet(record);
    return layout;
}

}  // namespace trevalo::workbook
