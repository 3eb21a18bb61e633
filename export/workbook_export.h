#pragma once

#include "export/export_record.h"

#include <optional>

class QString;
class QWidget;

namespace trevalo::workbook {

// The "生成Excel表格" actions of the result forms: write the record into a new workbook in a
// new folder of its own and hand it to the desktop's spreadsheet application. A workbook
// that cannot be written (or no record at all) is reported in a message box over
// parentForMessages; one that nothing opens, in a dialog that shows where it was saved.
void exportSingleResultWorkbook(const std::optional<SingleResultRecord>& record, QWidget* parentForMessages);
void exportLoadTableWorkbook(const std::optional<LoadTableRecord>& record, QWidget* parentForMessages);
// The sizing form's workbook: its one sheet "选型", without a calculation sheet.
void exportSizingWorkbook(const std::optional<SizingRecord>& record, QWidget* parentForMessages);

// What those actions write for the record, written to path (.xlsx a workbook, .xltx a
// template) and opened by nothing. The file at path is replaced only by a complete workbook;
// false, with nothing left behind, when it cannot be written or the name ends otherwise.
bool writeSingleResultWorkbookTo(const SingleResultRecord& record, const QString& path);
bool writeLoadTableWorkbookTo(const LoadTableRecord& record, const QString& path);

}  // namespace trevalo::workbook
