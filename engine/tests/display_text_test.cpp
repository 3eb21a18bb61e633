#include "engine/analysis/analysis.h"
#include "engine/display_text.h"
#include "engine/tests/case_name.h"
#include "engine/tests/entries.h"

#include <gtest/gtest.h>

#include <utility>

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

// Worked out by hand: exact binary ties (0.0625, 0.1875) go to the even thousandth, while
// decimals that only look like ties are decided by their binary value (1.2345 is stored
// just below, 2.0005 just above).
INSTANTIATE_TEST_SUITE_P(
    Engine, FigureText,
    testing::Values(TextCase{"trailingZeroDropped", 93.570058, "93.57"}, TextCase{"whole", 17625, "17625"},
                    TextCase{"negativeZero", -0.0, "0"}, TextCase{"roundsToNegativeZero", -0.0004, "0"},
                    TextCase{"negative", -1.25, "-1.25"}, TextCase{"tieDown", 0.0625, "0.062"},
                    TextCase{"tieUp", 0.1875, "0.188"}, TextCase{"negativeTie", -2.0625, "-2.062"},
                    TextCase{"looksLikeTieBelow", 1.2345, "1.234"}, TextCase{"looksLikeTieAbove", 2.0005, "2.001"},
                    TextCase{"carry", 9.9996, "10"}, TextCase{"largeTie", 1099511627776.0625, "1099511627776.062"},
                    TextCase{"hugeTie", 8000000000000.0625, "8000000000000.062"}, TextCase{"tiny", 1e-20, "0"},
                    TextCase{"noExponent", 1e20, "100000000000000000000"}),
    CaseName());

// The load as entered with its whole persons (1000 kg carries 13), the door's width as typed.
TEST(ConfigurationText, NamesTheGroupAsTheResultFormDoes)
{
    for (const auto& [entries, text] :
         {std::pair{Entries{}, "2 台 × 1000 kg（13 人），1.75 m/s，2CO 900 mm"},
          std::pair{Entries{.door = kFour, .width = "2050", .speed = "2.5", .load = "1050", .cars = "3"},
                    "3 台 × 1050 kg（14 人），2.5 m/s，4CO 2050 mm"}}) {
        const AnalysisInputs inputs = inputsOf(entries);
        const auto outcome = runAnalysis(inputs);
        ASSERT_TRUE(std::holds_alternative<SingleResult>(outcome));
        EXPECT_EQ(configurationText(std::get<SingleResult>(outcome), inputs.elevator), text);
    }
}

}  // namespace
}  // namespace trevalo::engine
