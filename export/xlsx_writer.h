#pragma once

#include "export/workbook_layout.h"

#include <string>

namespace trevalo::workbook {

inline constexpr const char* kCalculationSheetName = "计算书";
inline constexpr const char* kChartSheetName = "图表";

// Writes the layout as a spreadsheet template (.xltx) at path (UTF-8): the data sheet with
// its columns fitted and column C narrow, then the calculation sheet and a chart sheet when
// the layout has them; each sheet printed on A4 as its page setup says.
// False when the file could not be written completely; the caller removes what may be
// left at path.
bool writeWorkbook(const WorkbookLayout& layout, const std::string& path);
// The same content as a plain workbook (.xlsx), which opens as a saved document.
bool writePlainWorkbook(const WorkbookLayout& layout, const std::string& path);

}  // namespace trevalo::workbook
