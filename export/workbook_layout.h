#pragma once

#include "export/sheet_model.h"
#include "wizard/wizard_state.h"

#include <array>
#include <optional>
#include <string>

namespace trevalo::workbook {

// The single result form as the export reads it: the value captions Label7(0..8)
// and the visibility of its two optional groups.
struct SingleResultCaptions {
    std::array<std::string, 9> valueTexts;
    bool structuralLoadVisible = false;  // Label7(6)
    bool pitDepthVisible = false;        // Label6(2), also decides the headroom row
};

constexpr int kTableRows = 16;
constexpr int kTableArrays = 8;  // Label1 .. Label8

// The load table form as the export reads it: cellTexts[array - 1][row].
struct LoadTableCaptions {
    std::array<std::array<std::string, kTableRows>, kTableArrays> cellTexts;
    // Row 0 hidden (office buildings): its figures, possibly left over from an
    // earlier run on the same form, are not exported.
    bool rowZeroHidden = false;
};

// The chart sheet of a load table workbook: round trip time and handling
// capacity against the rated load, over the sheet rows the sweep filled.
struct LoadChart {
    int firstRow = 0;
    int lastRow = 0;
};

struct WorkbookLayout {
    SheetModel sheet;
    std::optional<SheetModel> calculation;  // the calculation behind the figures
    std::optional<LoadChart> chart;
};

// "住宅", "办公楼及酒店" or "自用办公楼", as the input-data block names the building type.
std::string buildingTypeText(engine::BuildingType type);

// The input-data block in columns A and B, and the per-floor list below it.
void writeInputDataBlock(SheetModel& sheet, const WizardState& state, bool includeLoadAndNumber,
                         int listHeadingRow);

WorkbookLayout singleResultLayout(const WizardState& state, const SingleResultCaptions& form);
WorkbookLayout loadTableLayout(const WizardState& state, const LoadTableCaptions& form);

// Sheet columns of the load table figures the chart plots, and the row keys.
constexpr int kLoadKeyColumn = 4;        // D
constexpr int kRoundTripColumn = 7;      // G
constexpr int kHandlingPercentColumn = 8;  // H
constexpr int kFirstTableRow = 6;

}  // namespace trevalo::workbook
