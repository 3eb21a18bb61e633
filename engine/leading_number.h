#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trevalo::engine {

// The value of the longest leading number of an entered text. Blanks, tabs and
// line feeds are ignored anywhere; "." is the decimal point whatever the locale;
// an optional sign and exponent are read, and the prefixes &H and &O read a
// hexadecimal or octal integer. A text without a leading number reads as 0.
// Full-width digits, point, signs and exponent letters read as their ASCII
// counterparts, and the ideographic space is a blank.
// A number too large for a double reads as plus or minus infinity.
double leadingNumber(std::string_view text);

// Whether a text has a leading number at all: "abc" and "" have none, "0" and "-2x" have one.
bool hasLeadingNumber(std::string_view text);

// The whole number a form takes from a value: rounded to nearest, ties to even,
// held as a 16-bit signed integer. Empty when the rounded value does not fit.
std::optional<std::int16_t> toInt16(double value);

}  // namespace trevalo::engine
