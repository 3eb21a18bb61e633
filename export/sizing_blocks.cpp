#include "export/sizing_blocks.h"

#include "engine/analysis/waiting_time.h"
#include "engine/display_text.h"
#include "engine/sizing/sizing_text.h"
#include "engine/standard_tables.h"
#include "export/cell_value.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace trevalo::workbook {

namespace {

using engine::figureText;
using Candidate = engine::SizingCandidate;

constexpr double kDefaultColumnWidth = 8.43;

std::string passText(bool met) { return met ? "满足" : "不满足"; }

struct Column {
    const char* heading;
    std::function<std::string(const Candidate&)> text;
};

bool officeBuilding(const SizingRecord& record)
{
    return engine::isOfficeType(record.entered.inputs.project.buildingType.value_or(engine::BuildingType::Residential));
}

std::vector<Column> tableColumns(const SizingRecord& record, bool withMargins)
{
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
    if (officeBuilding(record))
        columns.push_back({"间隔评级", [](const Candidate& c) {
                               return engine::intervalGradeText(engine::intervalGrade(c.interval));
                           }});
    if (withMargins) {
        // None of them meets every target: how far each falls short says more than a verdict.
        columns.push_back({"HC 与目标", [](const Candidate& c) { return engine::marginText(c.check.hcMargin, "%"); }});
        columns.push_back(
            {"间隔与目标", [](const Candidate& c) { return engine::marginText(c.check.intervalMargin, "秒"); }});
        if (targets.awt)
            columns.push_back({"AWT 与目标", [](const Candidate& c) {
                                   return c.check.awtMargin ? engine::marginText(*c.check.awtMargin, "秒")
                                                            : std::string("不适用");
                               }});
        return columns;
    }
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

void setTableWidths(SheetModel& sheet, const std::vector<Column>& columns, const std::vector<Candidate>& rows,
                    int headingRow, int firstColumn)
{
    double headingLines = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        double width = kNarrowestColumn;
        for (const Candidate& candidate : rows)
            width = std::max(width, displayWidth(columns[i].text(candidate)) + kPadding);
        sheet.setColumnWidth(firstColumn + static_cast<int>(i), width);
        headingLines = std::max(headingLines, std::ceil(displayWidth(columns[i].heading) / width));
    }
    if (headingLines > 1)
        sheet.setRowHeight(headingRow, kSizingLineHeight * headingLines);
}

std::string configurationText(const Candidate& c)
{
    return std::to_string(c.cars) + " 台 " + figureText(c.load) + " kg/" + figureText(c.persons) + " 人，" +
           figureText(c.speed) + " 米/秒";
}

// What one car fewer than the first configuration misses, or why there is no such one.
std::string oneCarFewerText(const SizingRecord& record, const Candidate& first)
{
    const engine::SizingOutcome& outcome = record.analysis;
    if (first.cars == 1)
        return "少一台：一台已满足全部目标。";
    if (!outcome.oneCarFewer)
        return "少一台：" + std::to_string(first.cars - 1) + " 台少于最少台数 " +
               std::to_string(outcome.targets.leastCars.value_or(first.cars)) + " 台，未试算。";
    const Candidate& fewer = *outcome.oneCarFewer;
    const engine::DesignTargets& targets = outcome.targets.targets;
    std::string missed;
    const auto add = [&missed](const std::string& part) { missed += (missed.empty() ? "" : "；") + part; };
    if (!fewer.check.hcMet)
        add("HC " + figureText(fewer.groupPercent) + " %，" + engine::marginText(fewer.check.hcMargin, "%"));
    if (!fewer.check.intervalMet)
        add("间隔 " + figureText(fewer.interval) + " 秒，" + engine::marginText(fewer.check.intervalMargin, "秒"));
    if (targets.awt && !*fewer.check.awtMet)
        add(fewer.awt ? "AWT " + figureText(*fewer.awt) + " 秒，" + engine::marginText(*fewer.check.awtMargin, "秒")
                      : std::string("AWT 估算不适用"));
    return "少一台（" + configurationText(fewer) + "）不满足目标：" + missed + "。";
}

}  // namespace

int candidateTableWidth(const SizingRecord& record, bool withMargins)
{
    return static_cast<int>(tableColumns(record, withMargins).size());
}

int writeCandidateTable(SheetModel& sheet, const SizingRecord& record, const std::vector<Candidate>& rows,
                        bool withMargins, int headingRow, int firstColumn)
{
    const std::vector<Column> columns = tableColumns(record, withMargins);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CellPosition heading{headingRow, firstColumn + static_cast<int>(i)};
        sheet.write(heading, columns[i].heading);
        sheet.setBold(heading);
        sheet.setWrapped(heading);
        sheet.setCentred(heading);
    }
    int row = headingRow;
    for (const Candidate& candidate : rows) {
        ++row;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            // Centred, so that neighbouring figures and words never read as one.
            const CellPosition at{row, firstColumn + static_cast<int>(i)};
            sheet.write(at, columns[i].text(candidate));
            sheet.setCentred(at);
        }
    }
    setTableWidths(sheet, columns, rows, headingRow, firstColumn);
    // The heading never ends a page without a row under it.
    sheet.keepTogether(headingRow, std::min(row, headingRow + 1));
    return row;
}

int writeRecommendation(SheetModel& sheet, const SizingRecord& record, int firstRow, int nameColumn,
                        int valueColumn, int lastColumn)
{
    const engine::SizingOutcome& outcome = record.analysis;
    const engine::DesignTargets& targets = outcome.targets.targets;
    int row = firstRow;
    const auto line = [&](const std::string& name, const std::string& value, const std::string& verdict,
                          const std::string& margin) {
        const std::string texts[] = {name, value, verdict, margin};
        const int columns[] = {nameColumn, valueColumn, valueColumn + 1, valueColumn + 2};
        for (int i = 0; i < 4; ++i) {
            sheet.write({row, columns[i]}, texts[i]);
            sheet.setRunsOn({row, columns[i]});
        }
    };
    line("推荐配置", "数值", "判定", "与目标");
    for (int column : {nameColumn, valueColumn, valueColumn + 1, valueColumn + 2})
        sheet.setBold({row, column});
    if (!outcome.met) {
        const CellPosition at{++row, nameColumn};
        sheet.write(at, "无：在最多 " + std::to_string(outcome.targets.maxCars) +
                            " 台以内，没有满足全部目标的配置。最接近的配置及其与各目标的差距如下，其余最接近的配置列于下表。");
        sheet.setWrapped(at);
        sheet.setMergedThrough(at, lastColumn);
    }
    if (outcome.listed.empty())
        return row;
    const Candidate& first = outcome.listed.front();
    ++row;
    line(outcome.met ? "配置" : "最接近的配置", configurationText(first), "", "");
    ++row;
    line("总行程时间 RTT (秒)", figureText(first.roundTripTime), "", "");
    ++row;
    line("5分钟总运载能力 HC (%) ≥ " + figureText(targets.hcPercent), figureText(first.groupPercent),
         passText(first.check.hcMet), engine::marginText(first.check.hcMargin, "%"));
    ++row;
    line("间隔 (秒) ≤ " + figureText(targets.interval), figureText(first.interval), passText(first.check.intervalMet),
         engine::marginText(first.check.intervalMargin, "秒"));
    ++row;
    const std::string awt = first.awt ? figureText(*first.awt) : std::string("不适用");
    if (targets.awt)
        line("平均候梯时间 AWT (秒) ≤ " + figureText(*targets.awt), awt, passText(*first.check.awtMet),
             first.check.awtMargin ? engine::marginText(*first.check.awtMargin, "秒") : std::string("估算不适用"));
    else
        line("平均候梯时间 AWT 估算 (秒)", awt, "不检查", "");
    if (outcome.met) {
        const CellPosition at{++row, nameColumn};
        sheet.write(at, oneCarFewerText(record, first));
        sheet.setWrapped(at);
        sheet.setMergedThrough(at, lastColumn);
    }
    // The heading stays with the configuration it recommends; the figures after it may run on
    // to the next page.
    sheet.keepTogether(firstRow, std::min(row, firstRow + 1));
    return row;
}

SheetModel trialsSheet(const SizingRecord& record)
{
    constexpr int kTitleSize = 14;
    constexpr int kHeadingRow = 4;
    SheetModel sheet;
    const int lastColumn = candidateTableWidth(record, false);
    sheet.write("A1", "全部试算配置");
    sheet.setHeading("A1", kTitleSize);
    sheet.write("A2", "共试算 " + std::to_string(record.analysis.evaluated.size()) +
                          " 种配置，按台数、载重、速度排列；满足全部目标者见“选型”表。");
    sheet.setWrapped({2, 1});
    sheet.setMergedThrough({2, 1}, lastColumn);
    writeCandidateTable(sheet, record, record.analysis.evaluated, false, kHeadingRow, 1);
    sheet.page().repeatedRows = std::pair{kHeadingRow, kHeadingRow};
    sheet.page().fitToWidth = 1;
    fitMergedRows(sheet);
    return sheet;
}

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
            sheet.setRowHeight(at.row, kSizingLineHeight * lines);
    }
}

}  // namespace trevalo::workbook
