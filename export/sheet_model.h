#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    int headingSize = 0;  // bold at this point size; 0: no heading format
    // A number cell stores the full value and shows it through its number format.
    std::optional<double> number;
    std::string numberFormat;
    bool bold = false;
    bool wrapped = false;  // the text wraps within the column width
    bool centred = false;  // centred across the column, as the cells of a table
    bool signatureLine = false;  // a line along the bottom to sign on
    // The text runs on into the empty cells to its right: fitting the columns passes it over.
    bool runsOn = false;
    // The last column of a merge of this cell with its neighbours to the right; 0: not merged.
    // A merged text wraps over the merged width and leaves the fitting of its columns alone.
    int mergedThrough = 0;
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

// How a sheet prints, on A4. Header and footer use the spreadsheet's codes (&L, &C, &R
// for the thirds, &P the page number, &N the page count, && a literal ampersand).
struct PageSetup {
    std::string header;
    std::string footer;
    std::optional<std::pair<int, int>> repeatedRows;     // first and last, 1-based
    std::optional<std::pair<int, int>> repeatedColumns;  // first and last, 1-based
    bool landscape = true;
    int fitToWidth = 1;  // pages wide; 0: full size, over as many pages as the columns need
    int pageBreakBefore = 0;  // a column (1-based) that starts a new page at full size; 0: none
    bool gridlines = false;
    std::optional<CellRange> printArea;  // empty: every written cell prints
};

// A sheet of an export, addressed like the spreadsheet addresses it: the first sheet
// holds text only and has a range whose contents the columns are fitted to; other
// sheets may hold numbers and set their column widths.
class SheetModel {
public:
    // A later write to the same cell replaces its text and keeps its format.
    void write(std::string_view address, std::string text);
    void write(CellPosition position, std::string text);
    void setHeading(std::string_view address, int pointSize);
    void writeNumber(CellPosition position, double value, std::string numberFormat);
    void setBold(CellPosition position) { m_cells[position].bold = true; }
    void setWrapped(CellPosition position) { m_cells[position].wrapped = true; }
    void setCentred(CellPosition position) { m_cells[position].centred = true; }
    void setSignatureLine(CellPosition position) { m_cells[position].signatureLine = true; }
    void setRunsOn(CellPosition position) { m_cells[position].runsOn = true; }
    void setMergedThrough(CellPosition position, int lastColumn) { m_cells[position].mergedThrough = lastColumn; }

    // The cell's text, empty for a cell never written.
    std::string text(std::string_view address) const;
    const SheetCell* cell(CellPosition position) const;
    const std::map<CellPosition, SheetCell>& cells() const { return m_cells; }

    PageSetup& page() { return m_page; }
    const PageSetup& page() const { return m_page; }

    // The headings of the single result and the load table are bold italic; every other
    // sheet's stand upright, Chinese faces having no italic of their own.
    void setItalicHeadings() { m_italicHeadings = true; }
    bool italicHeadings() const { return m_italicHeadings; }

    void setFitRange(CellRange range) { m_fitRange = range; }
    const CellRange& fitRange() const { return m_fitRange; }

    // Widths (in character widths) set by the layout itself rather than fitted.
    void setColumnWidth(int column, double width) { m_columnWidths[column] = width; }
    const std::map<int, double>& columnWidths() const { return m_columnWidths; }
    // Heights (in points) of rows whose wrapped text needs more than one line.
    void setRowHeight(int row, double points) { m_rowHeights[row] = points; }
    const std::map<int, double>& rowHeights() const { return m_rowHeights; }

    // Rows that print on one page whenever they fit on one: a heading with the first row it
    // heads, a conclusion, a block to sign with the last row it closes.
    void keepTogether(int firstRow, int lastRow) { m_keptTogether.emplace_back(firstRow, lastRow); }
    const std::vector<std::pair<int, int>>& keptTogether() const { return m_keptTogether; }

private:
    static CellPosition position(std::string_view address);

    std::map<CellPosition, SheetCell> m_cells;
    CellRange m_fitRange{{1, 1}, {1, 1}};
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    std::vector<std::pair<int, int>> m_keptTogether;
    PageSetup m_page;
    bool m_italicHeadings = false;
};

}  // namespace trevalo::workbook
