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

struct FixedCase {
    const char* name;
    double value;
    int decimals;
    const char* toEven;
    const char* awayFromZero;
};

class FixedText : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedText, KeepsItsDecimalsAndSettlesTiesByTheRuleAsked)
{
    EXPECT_EQ(fixedText(GetParam().value, GetParam().decimals, Ties::ToEven), GetParam().toEven);
    EXPECT_EQ(fixedText(GetParam().value, GetParam().decimals, Ties::AwayFromZero), GetParam().awayFromZero);
}

// Worked out by hand: 12.25, 0.125 and 2.5 are exact binary ties, and so are 4503599627370494.5
// (doubles are half units apart there) and 400000000000000.25 (sixteenths); 0.35 is stored just
// below its decimal and 0.0000015 just above.
INSTANTIATE_TEST_SUITE_P(
    Engine, FixedText,
    testing::Values(FixedCase{"oneDecimalTie", 12.25, 1, "12.2", "12.3"}, FixedCase{"twoDecimalTie", 0.125, 2, "0.12", "0.13"},
                    FixedCase{"wholeTie", 2.5, 0, "2", "3"}, FixedCase{"negativeTie", -2.5, 0, "-2", "-3"},
                    FixedCase{"oddTie", 3.5, 0, "4", "4"}, FixedCase{"storedBelow", 0.35, 1, "0.3", "0.3"},
                    FixedCase{"storedAbove", 0.0000015, 6, "0.000002", "0.000002"},
                    FixedCase{"zerosKept", 7, 2, "7.00", "7.00"}, FixedCase{"leadingZeros", 0.0625, 3, "0.062", "0.063"},
                    FixedCase{"noNegativeZero", -0.004, 2, "0.00", "0.00"}, FixedCase{"carry", 9.96, 1, "10.0", "10.0"},
                    FixedCase{"wholeTieAtHalfUnits", 4503599627370494.5, 0, "4503599627370494", "4503599627370495"},
                    FixedCase{"tenthTieOfALargeValue", 400000000000000.25, 1, "400000000000000.2", "400000000000000.3"},
                    FixedCase{"huge", 1e20, 1, "100000000000000000000.0", "100000000000000000000.0"}),
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
