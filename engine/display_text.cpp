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

// Below this the rounded product fits an integer count. Its rounding error (from fma) is exact,
// and so is its distance from the whole number below wherever a tie is possible, so a tie is
// seen as one at any size: from 2^52 on the product is itself whole.
constexpr double kExactScaled = 0x1p62;

constexpr std::array<double, 7> kScales{1, 10, 100, 1000, 1e4, 1e5, 1e6};

// value x scale rounded to an integer, decided on the exact product: p + e is exactly
// value x scale (e is the rounding error of p).
std::int64_t scaledCount(double value, double scale, Ties ties)
{
    const double product = value * scale;
    const double error = std::fma(value, scale, -product);
    const double below = std::floor(product);
    const double aboveHalf = (product - below) - 0.5;  // exact: both lie within one unit
    auto result = static_cast<std::int64_t>(below);
    if (aboveHalf > -error)
        ++result;
    else if (aboveHalf == -error && (ties == Ties::ToEven ? (result % 2) != 0 : value > 0))
        ++result;
    return result;
}

}  // namespace

std::string fixedText(double value, int decimals, Ties ties)
{
    decimals = std::clamp(decimals, 0, static_cast<int>(kScales.size()) - 1);
    const double scale = kScales[static_cast<std::size_t>(decimals)];
    if (!(std::fabs(value) * scale < kExactScaled)) {
        // Whole beyond 2^62 at every scale, so no tie is left to settle. The largest double
        // has 309 integer digits.
        std::array<char, 330> buffer;
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
        return std::string(buffer.data(), result.ptr);
    }
    const std::int64_t count = scaledCount(value, scale, ties);
    std::string digits = std::to_string(count < 0 ? -count : count);
    if (decimals > 0) {
        const auto places = static_cast<std::size_t>(decimals);
        if (digits.size() <= places)
            digits.insert(0, places + 1 - digits.size(), '0');
        digits.insert(digits.size() - places, 1, '.');
    }
    // A count of zero is written without a sign, so no text reads "-0".
    return count < 0 ? "-" + digits : digits;
}

std::string figureText(double value)
{
    const std::string text = fixedText(value, 3, Ties::ToEven);
    return withoutTrailingZeros(text.data(), text.data() + text.size());
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
