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

// The header (the project name, the sheet's title) and the footer (page number, page count,
// export moment) of one printed sheet.
void setPrintedPage(PageSetup& page, const std::string& projectName, const std::string& title,
                    const std::string& exportMoment);

// Every sheet of the layout prints with the project name and its title in the page header,
// and the page number, the page count and the export moment in the footer.
void setPrintedPages(WorkbookLayout& layout, const std::string& projectName, const std::string& exportMoment);

// "住宅", "办公楼及酒店" or "自用办公楼", as the input-data block names the building type.
std::string buildingTypeText(engine::BuildingType type);

// The input-data block in columns A and B, and the per-floor list below it.
void writeInputDataBlock(SheetModel& sheet, const EnteredData& entered, bool includeLoadAndNumber,
                         int listHeadingRow);

WorkbookLayout singleResultLayout(const SingleResultRecord& record);
WorkbookLayout loadTableLayout(const LoadTableRecord& record);
// The sheet "选型": the inputs and the targets with their sources, the recommended
// configuration with its margins, the configurations that meet the targets (or the closest
// ones), and the block to sign; then the sheet "全部试算" with every configuration tried.
WorkbookLayout sizingLayout(const SizingRecord& record);
// The single result's sheets and the sheet "仿真": the simulation's entries, its figures beside
// the calculation's, each replication's figures and the waiting times in a table and a chart.
WorkbookLayout simulationLayout(const SimulationRecord& record);

// Sheet columns of the load table figures the chart plots, and the row keys.
constexpr int kLoadKeyColumn = 4;        // D
constexpr int kRoundTripColumn = 7;      // G
constexpr int kHandlingPercentColumn = 8;  // H
constexpr int kFirstTableRow = 6;

}  // namespace trevalo::workbook
