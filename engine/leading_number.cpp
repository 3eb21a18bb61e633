#include "engine/leading_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace trevalo::engine {

namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The ASCII counterpart of the full-width character whose UTF-8 encoding starts at
// text[pos], as a Chinese input method types it: digits, point, signs and the exponent
// letter; the ideographic space is a blank (returned as ' '). 0 for anything else.
char fullWidthCounterpart(std::string_view text, std::size_t pos)
{
    if (pos + 2 >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[pos]);
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    const auto third = static_cast<unsigned char>(text[pos + 2]);
    if (lead == 0xE3 && second == 0x80 && third == 0x80)  // U+3000
        return ' ';
    if (lead != 0xEF)
        return 0;
    if (second == 0xBC) {  // U+FF00 .. U+FF3F
        if (third >= 0x90 && third <= 0x99)
            return static_cast<char>('0' + (third - 0x90));
        switch (third) {
        case 0x8B:
            return '+';
        case 0x8D:
            return '-';
        case 0x8E:
            return '.';
        case 0xA5:
            return 'E';
        default:
            return 0;
        }
    }
    return second == 0xBD && third == 0x85 ? 'e' : 0;  // U+FF45
}

int digitValue(char c, int radix)
{
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

double radixInteger(const std::string& s, std::size_t pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = digitValue(s[pos], radix);
        if (digit < 0)
            break;
        value = value * radix + digit;
    }
    return value;
}

// The longest prefix of s that is a decimal number: [sign] digits [. digits] [exponent].
std::size_t decimalPrefixLength(const std::string& s, bool& hasDigits)
{
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            ++pos;
            ++digits;
        }
    }
    hasDigits = digits > 0;
    if (!hasDigits)
        return 0;
    // An exponent counts only when digits follow it; "2e" reads as 2.
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E' || s[pos] == 'd' || s[pos] == 'D')) {
        std::size_t exponent = pos + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-'))
            ++exponent;
        if (exponent < s.size() && isDigit(s[exponent])) {
            while (exponent < s.size() && isDigit(s[exponent]))
                ++exponent;
            pos = exponent;
        }
    }
    return pos;
}

// The decimal order of magnitude of a number text that a double cannot hold:
// positive when it is too large, negative when it is too small.
long outOfRangeMagnitude(const std::string& number)
{
    long exponent = 0;
    const auto mark = number.find('e');
    if (mark != std::string::npos) {
        const char* first = number.data() + mark + 1;
        const char* last = number.data() + number.size();
        if (*first == '+')
            ++first;
        if (std::from_chars(first, last, exponent).ec == std::errc::result_out_of_range)
            exponent = *first == '-' ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
        // Far beyond any double either way, and room left to add the mantissa's order.
        exponent = std::clamp(exponent, std::numeric_limits<long>::min() / 2, std::numeric_limits<long>::max() / 2);
    }
    const std::string mantissa = number.substr(0, mark);
    const auto point = mantissa.find('.');
    const auto firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return -1;
    const long integerEnd = static_cast<long>(point == std::string::npos ? mantissa.size() : point);
    const long position = static_cast<long>(firstSignificant);
    const long order = position < integerEnd ? integerEnd - position : integerEnd - position + 1;
    return order + exponent;
}

// The leading number of a text; empty when the text has none.
std::optional<double> readLeadingNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        char c = text[pos];
        const char counterpart = static_cast<unsigned char>(c) < 0x80 ? 0 : fullWidthCounterpart(text, pos);
        if (counterpart != 0) {
            c = counterpart;
            pos += 2;
        }
        if (!isIgnored(c))
            s.push_back(c);
    }

    if (s.size() >= 2 && s[0] == '&') {
        const int radix = s[1] == 'h' || s[1] == 'H' ? 16 : s[1] == 'o' || s[1] == 'O' ? 8 : 0;
        if (radix != 0) {
            if (s.size() == 2 || digitValue(s[2], radix) < 0)
                return std::nullopt;
            return radixInteger(s, 2, radix);
        }
    }

    bool hasDigits = false;
    const std::size_t length = decimalPrefixLength(s, hasDigits);
    if (!hasDigits)
        return std::nullopt;

    // from_chars reads no "+" and no "d" exponent, and is independent of the locale.
    std::string number;
    number.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (i == 0 && s[i] == '+')
            continue;
        number.push_back(s[i] == 'd' || s[i] == 'D' || s[i] == 'E' ? 'e' : s[i]);
    }
    double value = 0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const bool negative = *first == '-';
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        value = outOfRangeMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

}  // namespace

double leadingNumber(std::string_view text) { return readLeadingNumber(text).value_or(0.0); }

bool hasLeadingNumber(std::string_view text) { return readLeadingNumber(text).has_value(); }

std::optional<std::int16_t> toInt16(double value)
{
    const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace trevalo::engine
