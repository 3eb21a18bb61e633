#pragma once

#include "export/sheet_model.h"

#include <optional>

namespace trevalo::workbook {

// The chart sheet of a load table workbook: round trip time and handling
// capacity against the rated load, over the sheet rows the sweep filled.
struct LoadChart {
    int firstRow = 0;
    int lastRow = 0;
    PageSetup page;
};

// Name of the first sheet of the result workbooks, which holds the inputs and the results,
// and of the sizing workbook's one sheet.
inline constexpr const char* kDataSheetName = "Sheet1";
inline constexpr const char* kSizingSheetName = "选型";
// The sizing workbook's second sheet: every configuration the search tried.
inline constexpr const char* kTrialsSheetName = "全部试算";

// The sheet "仿真" after the others, and the rows of its waiting time table (the seconds in
// column A, the passengers in B) that its column chart plots beside it.
inline constexpr const char* kSimulationSheetName = "仿真";
struct SimulationSheet {
    SheetModel sheet;
    int histogramFirstRow = 0;
    int histogramLastRow = 0;
    int chartColumn = 0;
    // The waiting time per floor, drawn as bars beside its table, floors up the side; the chart
    // spans chartRows rows from the table's first row.
    int perFloorFirstRow = 0;
    int perFloorLastRow = -1;
    int perFloorChartRows = 0;
};

struct WorkbookLayout {
    SheetModel sheet;
    const char* sheetName = kDataSheetName;  // the first sheet's name
    const char* title = "输入数据与结果";       // the first sheet's title in its printed header
    std::optional<SheetModel> calculation;  // the calculation behind the figures
    std::optional<SheetModel> trials;       // every configuration tried, after the sizing sheet
    std::optional<LoadChart> chart;
    std::optional<SimulationSheet> simulation;
};

// Sheet columns of the load table figures the chart plots, and the row keys.
constexpr int kLoadKeyColumn = 4;        // D
constexpr int kRoundTripColumn = 7;      // G
constexpr int kHandlingPercentColumn = 8;  // H
constexpr int kFirstTableRow = 6;

}  // namespace trevalo::workbook
