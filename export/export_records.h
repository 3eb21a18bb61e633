#pragma once

#include "export/export_record.h"

#include <optional>
#include <string>

namespace trevalo::workbook {

// What an export writes, made from the entries and the engine's outcome alone: the result
// captions are the texts the engine gives the result forms, the targets its chosen ones.
// The date and time captions are those the building data form shows (or would show now).
EnteredData enteredData(const engine::AnalysisInputs& inputs, const std::optional<engine::SizingEntries>& sizing,
                        std::string dateCaption, std::string timeCaption);
SingleResultRecord singleResultRecord(EnteredData entered, const engine::SingleResult& result,
                                      const std::optional<engine::SizingEntries>& sizing);
LoadTableRecord loadTableRecord(EnteredData entered, const engine::LoadTable& table);

}  // namespace trevalo::workbook
