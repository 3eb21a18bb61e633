#pragma once

#include <string>

namespace trevalo::engine {

// A figure as the result forms show it: rounded to 3 decimals with ties to even,
// decided on the exact value of the double, written as plain decimal text without
// trailing zeros, never "-0" and never an exponent. Only finite values are shown.
std::string figureText(double value);

// The shortest text that reads back as the same double, as JSON writes a number.
std::string shortestText(double value);

}  // namespace trevalo::engine
