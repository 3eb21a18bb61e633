#pragma once

#include "engine/entry_ids.h"
#include "engine/notice.h"

#include <string>

namespace trevalo::engine {

// A run that ended with a notice; no figure of it is shown anywhere.
struct Refusal {
    Notice notice = Notice::InputError;
    bool clearDoorWidth = false;  // the door width entry is emptied and focused
    // The entry at fault and one short sentence on what is wrong with it; both empty when no
    // single entry is at fault.
    EntryRef entry;
    std::string reason;
};

}  // namespace trevalo::engine
