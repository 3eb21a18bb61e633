#include "engine/analysis/entry_notes.h"

#include "engine/display_text.h"

namespace trevalo::engine {

std::vector<std::string> entryNotes(const Installation& installation)
{
    std::vector<std::string> notes;
    if (!installation.expressZoneSet) {
        const float firstRun = expressDistanceOf(installation);
        if (firstRun > 3 * installation.floorHeight)
            notes.push_back("首层至第一服务层的距离按 " + figureText(firstRun) + " m 计，请核对行程、层高和层数");
    }
    return notes;
}

}  // namespace trevalo::engine
