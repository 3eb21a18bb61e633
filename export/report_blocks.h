#pragma once

#include "export/sheet_model.h"

#include <string>
#include <vector>

namespace trevalo::workbook {

// One statement of the basis of a calculation: what it is about, and what it says.
struct BasisLine {
    const char* name;
    std::string text;
};

// The method, with the population model of an even or a per-floor spread, and the sources of
// the estimates beside it.
std::vector<BasisLine> methodBasis(bool perFloorSpread);
// Where the calculation departs from the formulas as first written.
std::vector<BasisLine> mendBasis();
// The check of the entries that the formulas as first written lack: a share above 100 %.
BasisLine shareMend();

// The block to sign on paper, a row below `closedRow`: a bold title, then one row for each of
// 计算, 校对, 审核 and 日期, tall enough to write in, with a line to sign on from
// `firstLineColumn` to `lastLineColumn`. It prints on one page with the row it closes, so that
// no page holds the block alone under a repeated table heading. Returns the last row.
int writeSignOff(SheetModel& sheet, int closedRow, int labelColumn, int firstLineColumn, int lastLineColumn);

}  // namespace trevalo::workbook
