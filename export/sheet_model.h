#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace trevalo::workbook {

// A cell position, 1-based; column 1 is A.
struct CellPosition {
    int row = 1;
    int column = 1;
    auto operator<=>(const CellPosition&) const = default;
};

// "B17" -> {17, 2}. Empty for anything that is not a column letters + row digits address.
std::optional<CellPosition> parseCellAddress(std::string_view address);

struct SheetCell {
    std::string text;     // as written; an empty text leaves the cell empty
    int headingSize = 0;  // bold italic at this point size; 0: no heading format
};

// A rectangle of cells, inclusive at both ends.
struct CellRange {
    CellPosition first;
    CellPosition last;
    bool contains(CellPosition position) const
    {
        return position.row >= first.row && position.row <= last.row &&
               position.column >= first.column && position.column <= last.column;
    }
};

// The first sheet of an export: every value is text, addressed like the
// spreadsheet addresses it, plus the range whose contents the columns are fitted to.
class SheetModel {
public:
    // A later write to the same cell replaces its text and keeps its format.
    void write(std::string_view address, std::string text);
    void write(CellPosition position, std::string text);
    void setHeading(std::string_view address, int pointSize);

    // The cell's text, empty for a cell never written.
    std::string text(std::string_view address) const;
    const SheetCell* cell(CellPosition position) const;
    const std::map<CellPosition, SheetCell>& cells() const { return m_cells; }

    void setFitRange(CellRange range) { m_fitRange = range; }
    const CellRange& fitRange() const { return m_fitRange; }

private:
    static CellPosition position(std::string_view address);

    std::map<CellPosition, SheetCell> m_cells;
    CellRange m_fitRange{{1, 1}, {1, 1}};
};

}  // namespace trevalo::workbook
