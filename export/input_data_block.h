#pragma once

#include "engine/analysis_inputs.h"
#include "export/export_record.h"
#include "export/sheet_model.h"

#include <string>

namespace trevalo::workbook {

// "住宅", "办公楼及酒店" or "自用办公楼", as the input-data block names the building type.
std::string buildingTypeText(engine::BuildingType type);

// The input-data block in columns A and B, and the per-floor list below it.
void writeInputDataBlock(SheetModel& sheet, const EnteredData& entered, bool includeLoadAndNumber,
                         int listHeadingRow);

}  // namespace trevalo::workbook
