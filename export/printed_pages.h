#pragma once

#include "export/sheet_model.h"
#include "export/workbook_layout.h"

#include <string>

namespace trevalo::workbook {

// The header (the project name, the sheet's title) and the footer (page number, page count,
// export moment) of one printed sheet.
void setPrintedPage(PageSetup& page, const std::string& projectName, const std::string& title,
                    const std::string& exportMoment);

// Every sheet of the layout prints with the project name and its title in the page header,
// and the page number, the page count and the export moment in the footer.
void setPrintedPages(WorkbookLayout& layout, const std::string& projectName, const std::string& exportMoment);

}  // namespace trevalo::workbook
