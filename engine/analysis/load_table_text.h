#pragma once

#include "engine/analysis/load_table.h"

#include <array>
#include <string>

namespace trevalo::engine {

// The load table's header texts as the form and the command line show them, key column
// first; the up, down and stops headers as the table relabels them.
std::array<std::string, kLoadTableColumns> loadTableHeaderTexts(const LoadTable& table);

// The key text of table row r: its rated load and rated persons, "675/9".
std::string loadTableRowKey(int row);

}  // namespace trevalo::engine
