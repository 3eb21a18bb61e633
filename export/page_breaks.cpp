#include "export/page_breaks.h"

#include <algorithm>

namespace trevalo::workbook {

namespace {

// A4 in points, and the margins the written workbooks keep (the library's defaults: 0.75 inch
// above and below, which hold the header and footer, 0.7 inch at the sides).
constexpr double kShortSide = 595.3;
constexpr double kLongSide = 841.9;
constexpr double kTopAndBottom = 2 * 0.75 * 72;
constexpr double kSides = 2 * 0.7 * 72;
// Spreadsheets lay pages out with their own font metrics; a part of the page is kept free.
constexpr double kSafeShare = 0.96;
constexpr double kRowHeightPerPoint = 1.4;
constexpr double kDefaultColumnWidth = 8.43;

// The scale at which a sheet fitted to the page width prints: columns at Excel's 7 pixels per
// character and 5 of padding, the narrowest any spreadsheet draws them, so the largest scale.
double fittedScale(const SheetModel& sheet, const std::map<int, double>& columnWidths, double pageWidth)
{
    int lastColumn = 1;
    for (const auto& [at, cell] : sheet.cells())
        lastColumn = std::max({lastColumn, at.column, cell.mergedThrough});
    double points = 0;
    for (int column = 1; column <= lastColumn; ++column) {
        const auto set = columnWidths.find(column);
        const double width = set == columnWidths.end() ? kDefaultColumnWidth : set->second;
        points += (width * 7 + 5) * 0.75;
    }
    return std::min(1.0, (pageWidth - kSides) / std::max(points, 1.0));
}

// The last row of the page that starts at `first` and may end at `last` at the latest, moved up
// so that no rows kept together are split; `last` where that would empty the page.
int keptEnd(const SheetModel& sheet, int first, int last)
{
    int end = last;
    bool moved = true;
    while (moved) {
        moved = false;
        for (const auto& [from, to] : sheet.keptTogether()) {
            if (from <= end && end < to && from > first) {
                end = from - 1;
                moved = true;
            }
        }
    }
    return end >= first ? end : last;
}

}  // namespace

double printedRowHeight(const SheetModel& sheet, int row)
{
    double height = kPlainRowPoints;
    if (const auto set = sheet.rowHeights().find(row); set != sheet.rowHeights().end())
        height = std::max(height, set->second);
    for (auto it = sheet.cells().lower_bound({row, 1}); it != sheet.cells().end() && it->first.row == row; ++it)
        height = std::max(height, it->second.headingSize * kRowHeightPerPoint);
    return height;
}

std::vector<int> rowBreaks(const SheetModel& sheet, const std::map<int, double>& columnWidths)
{
    if (sheet.cells().empty())
        return {};
    const PageSetup& page = sheet.page();
    const double pageWidth = page.landscape ? kLongSide : kShortSide;
    const double pageHeight = page.landscape ? kShortSide : kLongSide;
    const double scale = page.fitToWidth > 0 ? fittedScale(sheet, columnWidths, pageWidth) : 1.0;
    double repeated = 0;
    int lastRepeated = 0;
    if (page.repeatedRows) {
        lastRepeated = page.repeatedRows->second;
        for (int row = page.repeatedRows->first; row <= lastRepeated; ++row)
            repeated += printedRowHeight(sheet, row);
    }
    const double room = (pageHeight - kTopAndBottom) * kSafeShare / scale;
    int lastRow = sheet.cells().rbegin()->first.row;
    for (const auto& [from, to] : sheet.keptTogether())
        lastRow = std::max(lastRow, to);
    std::vector<int> breaks;
    int first = 1;
    while (first <= lastRow) {
        // The repeated rows head every page after the one they stand on.
        double used = first > lastRepeated ? repeated : 0;
        int last = first;
        for (int row = first; row <= lastRow; ++row) {
            used += printedRowHeight(sheet, row);
            if (used > room && row > first)
                break;
            last = row;
        }
        if (last >= lastRow)
            break;
        last = keptEnd(sheet, first, last);
        breaks.push_back(last);
        first = last + 1;
    }
    return breaks;
}

}  // namespace trevalo::workbook
