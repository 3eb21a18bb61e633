#pragma once

#include "export/export_record.h"
#include "wizard/navigator.h"

#include <optional>

namespace trevalo {

// What a result form's export writes, read from the forms as they stand now. Empty when
// the entries no longer lead to the kind of result the form shows.
std::optional<workbook::SingleResultRecord> collectSingleResultRecord(const Navigator& navigator);
std::optional<workbook::LoadTableRecord> collectLoadTableRecord(const Navigator& navigator);

}  // namespace trevalo
