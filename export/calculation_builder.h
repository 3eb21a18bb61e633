#pragma once

#include "engine/analysis/figures.h"
#include "export/calculation_header.h"
#include "export/sheet_model.h"

#include <map>
#include <string>
#include <vector>

namespace trevalo::workbook {

using Steps = engine::CalculationSteps;

// Number formats; the stored value is always the full one. Intermediate figures show
// four decimals and results three, as the result forms do; constants and entries show
// the value as it is.
inline constexpr const char* kAsEntered = "";
inline constexpr const char* kIntermediate = "0.0000";
inline constexpr const char* kResult = "0.000";

inline constexpr int kSymbolColumn = 1;
inline constexpr int kNameColumn = 2;
inline constexpr int kFormulaColumn = 3;

// One figure of a load. The formula may differ for a population given floor by floor,
// or for the office building types.
struct Figure {
    const char* symbol;
    const char* name;
    const char* unit;
    const char* formula;
    const char* numberFormat;
    double (*value)(const Steps&);
    const char* perFloorFormula = nullptr;
    const char* officeFormula = nullptr;
};

// Writes a calculation sheet top down: each row names its symbol, figure, formula and
// unit; the single result has one value column, the load table one per rated load.
class SheetBuilder {
public:
    SheetBuilder(int valueColumn, int unitColumn, double nameWidth, double formulaWidth);

    // Title, the column headings (printed on every page) and the project's lines.
    void heading(const CalculationHeader& header, const std::vector<std::string>& valueHeads);
    void section(const char* title);
    // A row with its description; returns the row for its values.
    int row(const char* symbol, const char* name, const std::string& formula, const char* unit);
    void number(int at, int column, double value, const char* format);
    void text(int at, int column, const std::string& value, bool bold = false);
    void figures(const CalculationHeader& header, const std::vector<Figure>& rows,
                 const std::vector<const Steps*>& loads);
    // The rows from `firstRow` to the last one written print on one page when they fit.
    void keepTogether(int firstRow) { m_sheet.keepTogether(firstRow, m_row); }
    // The next section's title row.
    int nextSection() const { return m_row + 2; }
    // Room for handwriting below the last row.
    void signOff();
    void finish();

    int valueColumn() const { return m_valueColumn; }
    int unitColumn() const { return m_unitColumn; }
    SheetModel take() { return std::move(m_sheet); }

private:
    void widen(int column, double width) { m_widths[column] = std::max(m_widths[column], width); }

    SheetModel m_sheet;
    std::map<int, double> m_widths;
    int m_row = 1;
    int m_valueColumn;
    int m_unitColumn;
    double m_nameWidth;
    double m_formulaWidth;
};

}  // namespace trevalo::workbook
