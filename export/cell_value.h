#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalo::workbook {

// A text stored as a number whose displayed text is exactly that text.
struct NumberCell {
    double value = 0;
    std::string numberFormat;  // empty: the General format already shows the text
};

// The number of a plain decimal text: an optional minus, digits without a
// superfluous leading zero, optionally a point followed by digits. Texts the
// spreadsheet could not display unchanged as a number (a negative zero, more
// than 15 significant digits) stay text and give nothing.
std::optional<NumberCell> plainDecimalNumber(std::string_view text);

// The width of a text in character widths of the default font: a CJK character
// (and the punctuation a Chinese font sets full width) counts two.
double displayWidth(std::string_view utf8);

}  // namespace trevalo::workbook
