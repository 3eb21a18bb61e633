#include "app/sizing_entries.h"

#include "app/project_session.h"
#include "results/sizing_form.h"

namespace trevalo {

std::optional<engine::SizingEntries> savedSizingEntries(const Navigator& navigator)
{
    if (const auto* sizing = navigator.formAs<SizingForm>(FormId::Form7))
        return sizing->entries();
    if (const ProjectSession* session = ProjectSession::of(navigator))
        return session->sizingEntries();
    return std::nullopt;
}

}  // namespace trevalo
