#include "engine/display_text.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>

namespace trevalo::engine {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

class FigureText : public testing::TestWithParam<TextCase> {};

TEST_P(FigureText, RoundsToThreeDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(figureText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, FigureText,
    testing::Values(TextCase{"roundTripTime", 93.570058, "93.57"}, TextCase{"threeDecimals", 46.785029, "46.785"},
                    TextCase{"whole", 17625, "17625"}, TextCase{"zero", 0, "0"},
                    TextCase{"negativeZero", -0.0, "0"}, TextCase{"roundsToNegativeZero", -0.0004, "0"},
                    TextCase{"negative", -1.25, "-1.25"},
                    // Exact binary ties round to even; a decimal that only looks like a tie does not.
                    TextCase{"tieDown", 0.0625, "0.062"}, TextCase{"tieUp", 0.1875, "0.188"},
                    TextCase{"looksLikeTieBelow", 1.2345, "1.234"}, TextCase{"looksLikeTieAbove", 2.0005, "2.001"},
                    TextCase{"carry", 9.9996, "10"}, TextCase{"large", 1e20, "100000000000000000000"},
                    TextCase{"tiny", 1e-20, "0"}),
    CaseName());

TEST(FigureText, SinglePrecisionHeadroomsReadAsTabulated)
{
    EXPECT_EQ(figureText(4.9f), "4.9");
    EXPECT_EQ(figureText(6.0f), "6");
    EXPECT_EQ(figureText(7.2f), "7.2");
}

}  // namespace
}  // namespace trevalo::engine

namespace trevalo::engine {
namespace {

// An independent reading of the rounding rule: the standard library's exact fixed-point
// conversion, trailing zeros removed.
std::string referenceText(double value)
{
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 3).ptr;
    std::string text(buffer.data(), end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

TEST(FigureTextAgreement, MatchesTheExactConversionNearEveryKindOfTie)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, static_cast<double>(i % 16) - 3);
        double value = unit(random) * scale;
        if (i % 3 == 1)  // a decimal tie as typed, just off or on the binary value
            value = (std::round(value * 1000) + 0.5) / 1000;
        if (i % 3 == 2)  // an exact binary tie
            value = std::round(value * 16) / 16;
        ASSERT_EQ(figureText(value), referenceText(value)) << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace trevalo::engine
