#include "engine/display_text.h"

#include <array>
#include <charconv>

namespace trevalo::engine {

namespace {

std::string withoutTrailingZeros(std::string text)
{
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

}  // namespace

std::string figureText(double value)
{
    // to_chars converts the exact binary value and rounds a true tie to even.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 3);
    return withoutTrailingZeros(std::string(buffer.data(), result.ptr));
}

std::string singleText(float value)
{
    // Shortest text that reads back as the same single-precision value.
    std::array<char, 128> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return withoutTrailingZeros(std::string(buffer.data(), result.ptr));
}

}  // namespace trevalo::engine
