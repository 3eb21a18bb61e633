#pragma once

#include "export/export_record.h"
#include "export/sheet_model.h"

#include <vector>

namespace trevalo::workbook {

// The parts the sizing workbook's two sheets are made of.

// Points per line of wrapped text, room for Chinese faces.
inline constexpr double kSizingLineHeight = 16;

// A table of configurations, its heading row at `headingRow` from `firstColumn` on, its columns
// as wide as their figures. With margins (the closest configurations, none meeting the targets)
// each target's column gives the margin instead of a verdict. Returns the last row.
int writeCandidateTable(SheetModel& sheet, const SizingRecord& record, const std::vector<engine::SizingCandidate>& rows,
                        bool withMargins, int headingRow, int firstColumn);
int candidateTableWidth(const SizingRecord& record, bool withMargins);

// The answer first: the first ranked configuration with its figures, each target's margin and
// verdict, and what one car fewer misses; or, plainly, that none meets the targets, with the
// closest one. The name from `nameColumn`, figures in `valueColumn` and the two columns after
// it. Returns the last row.
int writeRecommendation(SheetModel& sheet, const SizingRecord& record, int firstRow, int nameColumn,
                        int valueColumn, int lastColumn);

// The sheet "全部试算": every configuration evaluated, ranked, its heading on every page.
SheetModel trialsSheet(const SizingRecord& record);

// Each merged text gets the lines it needs over the widths of the columns it spans.
void fitMergedRows(SheetModel& sheet);

}  // namespace trevalo::workbook
