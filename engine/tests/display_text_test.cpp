#include "engine/display_text.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

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

TEST(SingleText, WritesTheSingleValueInFull)
{
    EXPECT_EQ(singleText(4.9f), "4.9");
    EXPECT_EQ(singleText(6.0f), "6");
    EXPECT_EQ(singleText(7.2f), "7.2");
}

}  // namespace
}  // namespace trevalo::engine
