#include "engine/entry_ids.h"

namespace trevalo::engine {

EntryRef EntryRef::floorRow(std::size_t row)
{
    EntryRef ref(EntryId::FloorPopulations);
    ref.m_row = row;
    return ref;
}

std::string EntryRef::path() const
{
    if (!m_id)
        return {};
    std::string text(entryInfo(*m_id).path);
    if (m_row)
        text += "[" + std::to_string(*m_row) + "]";
    return text;
}

}  // namespace trevalo::engine
