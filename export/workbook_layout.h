#pragma once

#include "export/sheet_model.h"
#include "export/export_record.h"

#include <array>
#include <optional>
#include <string>

namespace trevalo::workbook {

// The chart sheet of a load table workbook: round trip time and handling
// capacity against the rated load, over the sheet rows the sweep filled.
struct LoadChart {
    int firstRow = 0;
    int lastRow = 0;
};

struct WorkbookLayout {
    SheetModel sheet;
    std::optional<LoadChart> chart;
    // A column printed on every page that the sheet's columns spread over.
    std::optional<int> repeatedColumn;
};

// The input-data block in columns A and B, and the per-floor list below it.
void writeInputDataBlock(SheetModel& sheet, const EnteredData& entered, bool includeLoadAndNumber,
                         int listHeadingRow);

WorkbookLayout singleResultLayout(const SingleResultRecord& record);
WorkbookLayout loadTableLayout(const LoadTableRecord& record);

// Sheet columns of the load table figures the chart plots, and the row keys.
constexpr int kLoadKeyColumn = 4;        // D
constexpr int kRoundTripColumn = 7;      // G
constexpr int kHandlingPercentColumn = 8;  // H
constexpr int kFirstTableRow = 6;

}  // namespace trevalo::workbook
