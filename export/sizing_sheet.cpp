#include "export/workbook_layout.h"

#include "engine/display_text.h"
#include "engine/sizing_text.h"
#include "engine/waiting_time.h"

#include <functional>
#include <vector>

namespace trevalo::workbook {

namespace {

constexpr int kResultHeadingSize = 14;
constexpr int kTargetsRow = 5;
constexpr int kTableHeadingRow = 13;
constexpr int kFirstColumn = 4;  // D

std::string passText(bool met) { return met ? "满足" : "不满足"; }

std::string speedsText(const std::vector<std::string>& speeds)
{
    std::string text;
    for (const std::string& speed : speeds)
        text += (text.empty() ? "" : "、") + speed;
    return text;
}

// A preset's source stands beside a target only while the target is the preset.
std::string sourceOf(double target, double preset, const std::string& source)
{
    return target == preset ? source : "用户设定";
}

// The targets stand above the table: each name runs on over the table's first columns, the
// value stands in the table's interval column and the source runs on to its right.
constexpr int kTargetValueColumn = 8;   // H
constexpr int kTargetSourceColumn = 9;  // I

void writeTarget(SheetModel& sheet, int row, const std::string& name, const std::string& value,
                 const std::string& source)
{
    const CellPosition at[] = {{row, kFirstColumn}, {row, kTargetValueColumn}, {row, kTargetSourceColumn}};
    const std::string texts[] = {name, value, source};
    for (int i = 0; i < 3; ++i) {
        sheet.write(at[i], texts[i]);
        sheet.setRunsOn(at[i]);
    }
}

void writeTargets(SheetModel& sheet, const SizingRecord& record)
{
    const auto& targets = record.analysis.targets;
    const auto type = record.entered.inputs.project.buildingType.value_or(engine::BuildingType::Residential);
    const engine::DesignTargets presets = engine::presetTargets(type);
    const engine::TargetSources sources = engine::presetSources(type);
    int r = kTargetsRow;
    writeTarget(sheet, r, "设计目标", "目标值", "来源");
    for (int column : {kFirstColumn, kTargetValueColumn, kTargetSourceColumn})
        sheet.setBold({r, column});
    writeTarget(sheet, ++r, "5分钟总运载能力 HC (%) ≥", record.entries.hcPercent,
                sourceOf(targets.targets.hcPercent, presets.hcPercent, sources.hcPercent));
    writeTarget(sheet, ++r, "间隔 (秒) ≤", record.entries.interval,
                sourceOf(targets.targets.interval, presets.interval, sources.interval));
    writeTarget(sheet, ++r, "平均候梯时间 AWT (秒) ≤", targets.targets.awt ? record.entries.awt : "不检查",
                targets.targets.awt ? "用户设定；AWT 按 CIBSE Guide D（Barney）估算" : "");
    writeTarget(sheet, ++r, "最多台数", std::to_string(targets.maxCars), "");
    writeTarget(sheet, ++r, "试算速度 (米/秒)", speedsText(record.entries.speeds), "");
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

}  // namespace

WorkbookLayout sizingLayout(const SizingRecord& record)
{
    WorkbookLayout layout;
    layout.sheetName = kSizingSheetName;
    SheetModel& sheet = layout.sheet;
    // The search decides the rated load and number of cars, so the block leaves them out.
    writeInputDataBlock(sheet, record.entered, false, 18);
    // The summary stands above the heading and runs on into the empty cells to its right.
    sheet.write("D3", engine::sizingSummary(record.analysis));
    sheet.setRunsOn({3, kFirstColumn});
    sheet.write("D4", "Trevalo——电梯选型");
    sheet.setHeading("D4", kResultHeadingSize);
    writeTargets(sheet, record);

    const std::vector<Column> columns = tableColumns(record);
    sheet.write({kTableHeadingRow - 1, kFirstColumn}, "全部试算配置（按台数、载重、速度排列）");
    sheet.setRunsOn({kTableHeadingRow - 1, kFirstColumn});
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CellPosition heading{kTableHeadingRow, kFirstColumn + static_cast<int>(i)};
        sheet.write(heading, columns[i].heading);
        sheet.setBold(heading);
    }
    int row = kTableHeadingRow;
    for (const engine::SizingCandidate& candidate : record.analysis.evaluated) {
        ++row;
        for (std::size_t i = 0; i < columns.size(); ++i)
            sheet.write({row, kFirstColumn + static_cast<int>(i)}, columns[i].text(candidate));
    }
    const int lastColumn = kFirstColumn + static_cast<int>(columns.size()) - 1;
    sheet.setFitRange({{kTargetsRow, 1}, {std::max(row, 18 + 130), lastColumn}});
    return layout;
}

}  // namespace trevalo::workbook
