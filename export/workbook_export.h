#pragma once

class QWidget;

namespace trevalo {

class Navigator;

// The "生成Excel表格" actions of the result forms: read the input forms and the result
// form as they stand now, write a new workbook into a new folder of its own and open
// it in the desktop's spreadsheet application. A workbook that cannot be written, or
// one that cannot be opened, is reported in a message box over parentForMessages.
void exportSingleResultWorkbook(const Navigator& navigator, QWidget* parentForMessages);
void exportLoadTableWorkbook(const Navigator& navigator, QWidget* parentForMessages);

}  // namespace trevalo
