#include "export/column_widths.h"

#include "export/cell_value.h"

#include <algorithm>

namespace trevalo::workbook {

namespace {

constexpr double kDefaultPointSize = 11;
constexpr double kBoldWidening = 1.1;
constexpr double kPadding = 1.0;     // room for the cell margins
constexpr double kMaximumWidth = 255;  // the spreadsheet's limit

double cellWidth(const SheetCell& cell)
{
    double width = displayWidth(cell.text);
    if (cell.headingSize > 0)
        width *= kBoldWidening * cell.headingSize / kDefaultPointSize;
    return width;
}

}  // namespace

std::map<int, double> fittedColumnWidths(const SheetModel& sheet)
{
    std::map<int, double> widths;
    for (const auto& [position, cell] : sheet.cells()) {
        if (cell.text.empty() || cell.runsOn || cell.mergedThrough > 0 || !sheet.fitRange().contains(position))
            continue;
        double& width = widths[position.column];
        width = std::max(width, std::min(cellWidth(cell) + kPadding, kMaximumWidth));
    }
    return widths;
}

}  // namespace trevalo::workbook
