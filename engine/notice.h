#pragma once

namespace trevalo::engine {

// The four fixed refusals; a failed check reports exactly one of them.
enum class Notice { FloorsOutOfRange, IncompleteInput, InputError, DoorWidthNonStandard };

}  // namespace trevalo::engine
