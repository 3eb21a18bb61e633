#include "engine/display_text.h"

#include "engine/leading_number.h"
#include "engine/standard_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace trevalo::engine {

namespace {

std::string withoutTrailingZeros(const char* first, const char* last)
{
    if (std::find(first, last, '.') != last) {
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.')
            --last;
    }
    return std::string(first, last);
}

// Below this the thousandfold value and its rounding error are exact in doubles.
constexpr double kExactThousandths = 4.0e15;

// value x 1000 rounded to the nearest integer, ties to even, decided on the exact
// product: p + e is exactly value x 1000 (e is the rounding error of p).
std::int64_t thousandths(double value)
{
    const double product = value * 1000;
    const double error = std::fma(value, 1000, -product);
    const double below = std::floor(product);
    const double aboveHalf = (product - below) - 0.5;  // exact: both lie within one unit
    auto result = static_cast<std::int64_t>(below);
    if (aboveHalf > -error || (aboveHalf == -error && (result % 2) != 0))
        ++result;
    return result;
}

}  // namespace

std::string figureText(double value)
{
    if (std::fabs(value) * 1000 < kExactThousandths) {
        const std::int64_t count = thousandths(value);
        const std::uint64_t magnitude = count < 0 ? static_cast<std::uint64_t>(-count) : static_cast<std::uint64_t>(count);
        std::array<char, 32> buffer;
        char* end = buffer.data();
        // A negative count is at least one thousandth, so no text reads "-0".
        if (count < 0)
            *end++ = '-';
        end = std::to_chars(end, buffer.data() + buffer.size(), magnitude / 1000).ptr;
        const auto fraction = static_cast<unsigned>(magnitude % 1000);
        if (fraction != 0) {
            *end++ = '.';
            *end++ = static_cast<char>('0' + fraction / 100);
            *end++ = static_cast<char>('0' + fraction / 10 % 10);
            *end++ = static_cast<char>('0' + fraction % 10);
        }
        return withoutTrailingZeros(buffer.data(), end);
    }
    // to_chars converts the exact binary value and rounds a true tie to even. The
    // largest double has 309 integer digits.
    std::array<char, 320> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 3);
    return withoutTrailingZeros(buffer.data(), result.ptr);
}

std::string configurationText(const SingleResult& result, const ElevatorParameters& elevator)
{
    std::string text = figureText(result.figures.cars) + " 台 × " + figureText(result.machineRoom.ratedLoad) + " kg（" +
                       figureText(result.steps.persons) + " 人），" + figureText(result.steps.ratedSpeed) + " m/s";
    if (elevator.doorType)
        text += std::string("，") + doorTypeName(*elevator.doorType) + " " + figureText(leadingNumber(elevator.doorWidth)) + " mm";
    return text;
}

std::string shortestText(double value)
{
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace trevalo::engine
