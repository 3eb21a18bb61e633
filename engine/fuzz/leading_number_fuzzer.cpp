// leadingNumber against a second, independent reading of the same rule: a pattern
// match of the longest leading number, converted by the C library.
#include "engine/leading_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <utility>

namespace {

// Full-width characters of a Chinese input method read as their ASCII counterparts
// (the ideographic space as a blank). No two encodings overlap, so the order of the
// replacements does not matter.
std::string withAsciiCounterparts(std::string text)
{
    static const std::pair<const char*, const char*> kCounterparts[] = {
        {"\u3000", " "}, {"\uFF0B", "+"}, {"\uFF0D", "-"}, {"\uFF0E", "."}, {"\uFF25", "E"}, {"\uFF45", "e"},
        {"\uFF10", "0"}, {"\uFF11", "1"}, {"\uFF12", "2"}, {"\uFF13", "3"}, {"\uFF14", "4"},
        {"\uFF15", "5"}, {"\uFF16", "6"}, {"\uFF17", "7"}, {"\uFF18", "8"}, {"\uFF19", "9"}};
    for (const auto& [wide, ascii] : kCounterparts)
        for (auto at = text.find(wide); at != std::string::npos; at = text.find(wide, at))
            text.replace(at, std::string(wide).size(), ascii);
    return text;
}

double referenceReading(const std::string& entered)
{
    std::string text;
    for (char c : withAsciiCounterparts(entered))
        if (c != ' ' && c != '\t' && c != '\n')
            text.push_back(c);
    static const std::regex hexadecimal("^&[hH]([0-9a-fA-F]*)");
    static const std::regex octal("^&[oO]([0-7]*)");
    static const std::regex decimal("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?");
    std::smatch match;
    if (std::regex_search(text, match, hexadecimal) || std::regex_search(text, match, octal)) {
        const int radix = text[1] == 'h' || text[1] == 'H' ? 16 : 8;
        double value = 0;
        for (char c : match[1].str())
            value = value * radix + std::stoi(std::string(1, c), nullptr, 16);
        return value;
    }
    if (!std::regex_search(text, match, decimal))
        return 0;
    std::string number = match[0].str();
    for (char& c : number)
        if (c == 'd' || c == 'D')
            c = 'e';
    return std::strtod(number.c_str(), nullptr);  // the fuzzer runs in the "C" locale
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    // Long texts only slow the regular expressions down; they teach nothing new.
    if (size > 400)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double expected = referenceReading(text);
    const double actual = trevalo::engine::leadingNumber(text);
    if (!(actual == expected)) {
        std::fprintf(stderr, "leadingNumber(\"%s\") = %.17g, the rule gives %.17g\n", text.c_str(), actual, expected);
        std::abort();
    }
    return 0;
}
