#include "export/calculation_builder.h"

#include "export/cell_value.h"
#include "export/report_blocks.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trevalo::workbook {

namespace {

constexpr double kLineHeight = 16;       // points per line of wrapped text, room for CJK faces
constexpr double kMostWidth = 40;
constexpr int kTitleSize = 14;
constexpr int kHeadingRow = 2;

}  // namespace

SheetBuilder::SheetBuilder(int valueColumn, int unitColumn, double nameWidth, double formulaWidth)
    : m_valueColumn(valueColumn), m_unitColumn(unitColumn), m_nameWidth(nameWidth), m_formulaWidth(formulaWidth)
{
}

void SheetBuilder::heading(const CalculationHeader& header, const std::vector<std::string>& valueHeads)
{
    m_sheet.write("A1", "计算书");
    m_sheet.setHeading("A1", kTitleSize);
    m_row = kHeadingRow;
    text(m_row, kSymbolColumn, "符号", true);
    text(m_row, kNameColumn, "名称", true);
    text(m_row, kFormulaColumn, "公式 / 说明", true);
    text(m_row, m_unitColumn, "单位", true);
    int column = m_valueColumn;
    for (const std::string& head : valueHeads)
        text(m_row, column++, head, true);
    m_sheet.page().repeatedRows = std::pair{kHeadingRow, kHeadingRow};
    const std::pair<const char*, std::string> lines[] = {
        {"项目名称", header.projectName}, {"建筑类型", header.buildingType}, {"导出时间", header.exportMoment}};
    for (const auto& [label, value] : lines) {
        ++m_row;
        text(m_row, kSymbolColumn, label, true);
        text(m_row, kNameColumn, value);
    }
}

void SheetBuilder::section(const char* title)
{
    m_row += 2;
    m_sheet.write({m_row, kSymbolColumn}, title);  // runs over the empty cells beside it
    m_sheet.setBold({m_row, kSymbolColumn});
    m_sheet.keepTogether(m_row, m_row + 1);
}

int SheetBuilder::row(const char* symbol, const char* name, const std::string& formula, const char* unit)
{
    ++m_row;
    text(m_row, kSymbolColumn, symbol);
    // Names and formulas wrap within their columns, which keep their widths so that the
    // label columns leave room for values on every printed page.
    m_sheet.write({m_row, kNameColumn}, name);
    m_sheet.setWrapped({m_row, kNameColumn});
    m_sheet.write({m_row, kFormulaColumn}, formula);
    m_sheet.setWrapped({m_row, kFormulaColumn});
    // The spreadsheet does not grow a row for wrapped text by itself.
    const double lines = std::max(std::ceil(displayWidth(formula) / (m_formulaWidth - 2)),
                                  std::ceil(displayWidth(name) / (m_nameWidth - 2)));
    if (lines > 1)
        m_sheet.setRowHeight(m_row, kLineHeight * lines);
    text(m_row, m_unitColumn, unit);
    return m_row;
}

void SheetBuilder::number(int at, int column, double value, const char* format)
{
    m_sheet.writeNumber({at, column}, value, format);
    // Entries and constants in the General format have at most eight characters here; a
    // fixed format leaves room for three more integer digits than it shows.
    widen(column, *format == '\0' ? 10 : displayWidth(format) + 3);
}

void SheetBuilder::text(int at, int column, const std::string& value, bool bold)
{
    if (value.empty())
        return;
    m_sheet.write({at, column}, value);
    if (bold)
        m_sheet.setBold({at, column});
    widen(column, displayWidth(value) * (bold ? 1.1 : 1.0) + 1);
}

void SheetBuilder::figures(const CalculationHeader& header, const std::vector<Figure>& rows,
                           const std::vector<const Steps*>& loads)
{
    for (const Figure& figure : rows) {
        const char* formula = figure.formula;
        if (header.perFloorSpread && figure.perFloorFormula != nullptr)
            formula = figure.perFloorFormula;
        if (header.officeBuilding && figure.officeFormula != nullptr)
            formula = figure.officeFormula;
        const int at = row(figure.symbol, figure.name, formula, figure.unit);
        int column = m_valueColumn;
        for (const Steps* load : loads)
            number(at, column++, figure.value(*load), figure.numberFormat);
    }
}

void SheetBuilder::signOff()
{
    // A line to sign on across the name and formula columns.
    m_row = writeSignOff(m_sheet, m_row, kSymbolColumn, kNameColumn, kFormulaColumn);
}

void SheetBuilder::finish()
{
    for (auto& [column, width] : m_widths)
        m_sheet.setColumnWidth(column, std::min(width, kMostWidth));
    m_sheet.setColumnWidth(kNameColumn, m_nameWidth);
    m_sheet.setColumnWidth(kFormulaColumn, m_formulaWidth);
}

}  // namespace trevalo::workbook
