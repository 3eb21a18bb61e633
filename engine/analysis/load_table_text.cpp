#include "engine/analysis/load_table_text.h"

#include "engine/display_text.h"

namespace trevalo::engine {

std::array<std::string, kLoadTableColumns> loadTableHeaderTexts(const LoadTable& table)
{
    const auto relabelled = table.relabelledHeaders();
    return {"载重/人数", relabelled[0], relabelled[1], "RTT(SEC)", "HC(%)", "HC(PERSONS)", relabelled[2], "HR"};
}

std::string loadTableRowKey(int row)
{
    return figureText(tableRowLoad(row)) + "/" + std::to_string(tableRowPersons(row));
}

}  // namespace trevalo::engine
