#pragma once

#include "export/sheet_model.h"

#include <map>

namespace trevalo::workbook {

// The width of column C, which stays empty between the inputs and the results.
constexpr double kSeparatorColumnWidth = 2;

// Column widths (in character widths) that fit the cells of the sheet's fit range,
// the way the spreadsheet's AutoFit does: cells outside the range do not count, and
// a column of the range without any text keeps its default width (no entry). A cell whose
// text runs on into its neighbours, or is merged with them, does not count either.
std::map<int, double> fittedColumnWidths(const SheetModel& sheet);

}  // namespace trevalo::workbook
