#pragma once

#include "export/export_record.h"

#include <optional>

class QWidget;

namespace trevalo {

// The "生成Excel表格" buttons: write the record into a new workbook in a new folder of its own
// and hand it to the desktop's spreadsheet application. A workbook that cannot be written (or
// no record at all) is reported in a message box over parentForMessages; one that nothing
// opens, in a dialog that shows where it was saved.
void exportSingleResultWorkbook(const std::optional<workbook::SingleResultRecord>& record, QWidget* parentForMessages);
void exportLoadTableWorkbook(const std::optional<workbook::LoadTableRecord>& record, QWidget* parentForMessages);
void exportSizingWorkbook(const std::optional<workbook::SizingRecord>& record, QWidget* parentForMessages);
void exportSimulationWorkbook(const std::optional<workbook::SimulationRecord>& record, QWidget* parentForMessages);

}  // namespace trevalo
