#pragma once

#include "export/export_record.h"
#include "wizard/navigator.h"

#include <optional>

namespace trevalo {

// What a result form's export writes, read from the forms as they stand now. Empty when
// the entries no longer lead to the kind of result the form shows.
std::optional<workbook::SingleResultRecord> collectSingleResultRecord(const Navigator& navigator);
std::optional<workbook::LoadTableRecord> collectLoadTableRecord(const Navigator& navigator);
// The sizing form's entries and their search on the input forms as they stand.
std::optional<workbook::SizingRecord> collectSizingRecord(const Navigator& navigator);

}  // namespace trevalo
