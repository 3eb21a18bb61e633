#pragma once

#include <string_view>

namespace trevalo::engine {

// The four fixed refusals; a failed check reports exactly one of them.
enum class Notice { FloorsOutOfRange, IncompleteInput, InputError, DoorWidthNonStandard };

// The fixed one-line text of a notice, in UTF-8; no notice names a field or a value.
std::string_view noticeText(Notice notice);

}  // namespace trevalo::engine
