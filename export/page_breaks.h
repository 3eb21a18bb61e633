#pragma once

#include "export/sheet_model.h"

#include <map>
#include <vector>

namespace trevalo::workbook {

// Rows without a height of their own, in points: Excel's 15 (LibreOffice draws them lower), with
// room for a spreadsheet that grows them to the Chinese face.
inline constexpr double kPlainRowPoints = 16;

// The height a row prints at (before any scaling), in points.
double printedRowHeight(const SheetModel& sheet, int row);

// Where the sheet's pages end, as the rows after which a page breaks: each page holds what
// fits of A4 in the sheet's orientation between its margins, less the repeated rows on the
// pages after them, at the scale that fits the columns (`columnWidths`, in character widths) to the page
// width when the sheet is fitted. The estimate errs on the short side, so that the spreadsheet
// never breaks a page before these breaks do. A page never ends inside rows the sheet keeps
// together, unless they are longer than a page.
std::vector<int> rowBreaks(const SheetModel& sheet, const std::map<int, double>& columnWidths);

}  // namespace trevalo::workbook
