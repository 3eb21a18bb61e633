#pragma once

#include "export/workbook_layout.h"

namespace trevalo {
class LoadTableForm;
class SingleResultForm;
}  // namespace trevalo

namespace trevalo::workbook {

// What the export takes from a result form: captions whether shown or not, and
// the visibility the analysis left. A form that is not loaded reads as empty.
SingleResultCaptions readSingleResultForm(const SingleResultForm* form);
LoadTableCaptions readLoadTableForm(const LoadTableForm* form);

}  // namespace trevalo::workbook
