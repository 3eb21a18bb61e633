#pragma once

#include <cstdio>
#include <cstdlib>

namespace trevalo::engine {

// A property of every input: when it fails the fuzzer stops with its name and keeps the input.
inline void require(bool condition, const char* property)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

}  // namespace trevalo::engine
