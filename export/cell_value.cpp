#include "export/cell_value.h"

#include <charconv>
#include <cstdint>

namespace trevalo::workbook {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The spreadsheet's General format shows at most this many characters of a number.
constexpr std::size_t kGeneralWidth = 11;
constexpr int kExactDigits = 15;

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || c == 0x2014 || c == 0x2018 || c == 0x2019 ||
           c == 0x201C || c == 0x201D || c == 0x2026 || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::optional<NumberCell> plainDecimalNumber(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++at;
    const std::size_t integerStart = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const std::size_t integerDigits = at - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0'))
        return std::nullopt;
    std::size_t decimals = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        const std::size_t fractionStart = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        decimals = at - fractionStart;
        if (decimals == 0)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;

    int significant = 0;
    bool leading = true;
    for (std::size_t i = integerStart; i < text.size(); ++i) {
        if (!isDigit(text[i]) || (leading && text[i] == '0'))
            continue;
        leading = false;
        ++significant;
    }
    if (significant > kExactDigits || (negative && significant == 0))
        return std::nullopt;

    NumberCell cell;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), cell.value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const bool trailingZero = decimals > 0 && text.back() == '0';
    // General writes tiny fractions such as 0.00001 with an exponent.
    const bool tiny = text.substr(integerStart).starts_with("0.0000");
    if (trailingZero || tiny || text.size() > kGeneralWidth)
        cell.numberFormat = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
    return cell;
}

double displayWidth(std::string_view utf8)
{
    double width = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead
                        : length == 2 ? (lead & 0x1Fu)
                        : length == 3 ? (lead & 0x0Fu)
                                      : (lead & 0x07u);
        for (std::size_t k = 1; k < length && at + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[at + k]) & 0x3Fu);
        width += isWide(code) ? 2.0 : 1.0;
        at += length;
    }
    return width;
}

}  // namespace trevalo::workbook
