#pragma once

#include "engine/design_targets.h"
#include "wizard/navigator.h"

#include <optional>

namespace trevalo {

// The sizing entries the user holds: the sizing form's when it is loaded, otherwise those of
// the opened project; empty when there are none. The single result is judged against them.
std::optional<engine::SizingEntries> savedSizingEntries(const Navigator& navigator);

}  // namespace trevalo
