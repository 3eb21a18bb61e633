#pragma once

#include "export/export_record.h"
#include "export/workbook_layout.h"

namespace trevalo::workbook {

// The sheet "选型": the inputs and the targets with their sources, the recommended
// configuration with its margins, the configurations that meet the targets (or the closest
// ones), and the block to sign; then the sheet "全部试算" with every configuration tried.
WorkbookLayout sizingLayout(const SizingRecord& record);

}  // namespace trevalo::workbook
