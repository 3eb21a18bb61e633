#pragma once

#include "export/export_record.h"
#include "export/workbook_layout.h"

namespace trevalo::workbook {

WorkbookLayout singleResultLayout(const SingleResultRecord& record);
WorkbookLayout loadTableLayout(const LoadTableRecord& record);

}  // namespace trevalo::workbook
