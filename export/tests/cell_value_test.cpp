#include "export/cell_value.h"
#include "export/sheet_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace trevalo::workbook {
namespace {

struct NumberCase {
    const char* name;
    std::string text;
    std::optional<double> value;  // empty: stays text
    std::string numberFormat;     // empty: General
};

class PlainDecimal : public testing::TestWithParam<NumberCase> {};

// A text becomes a number only where the spreadsheet then shows exactly that text.
TEST_P(PlainDecimal, StoresANumberOnlyWhenItShowsTheSameText)
{
    const std::optional<NumberCell> cell = plainDecimalNumber(GetParam().text);
    ASSERT_EQ(cell.has_value(), GetParam().value.has_value());
    if (cell) {
        EXPECT_DOUBLE_EQ(cell->value, *GetParam().value);
        EXPECT_EQ(cell->numberFormat, GetParam().numberFormat);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainDecimal,
    testing::Values(NumberCase{"negativeFigure", "-3.25", -3.25, ""},
                    NumberCase{"trailingZeroKeepsItsDecimals", "1.90", 1.9, "0.00"},
                    NumberCase{"tooWideForGeneral", "123456789.125", 123456789.125, "0.000"},
                    NumberCase{"longInteger", "123456789012", 123456789012, "0"},
                    NumberCase{"tinyFractionGeneralWouldShowWithExponent", "0.00001", 0.00001, "0.00000"},
                    NumberCase{"fifteenSignificantDigits", "12345678901.2345", 12345678901.2345, "0.0000"},
                    NumberCase{"sixteenSignificantDigitsStayText", "1234567890123456", std::nullopt, ""},
                    NumberCase{"negativeFraction", "-0.5", -0.5, ""},
                    NumberCase{"negativeZeroStaysText", "-0", std::nullopt, ""},
                    NumberCase{"superfluousLeadingZero", "007", std::nullopt, ""},
                    NumberCase{"pointWithoutDigits", "5.", std::nullopt, ""},
                    NumberCase{"noIntegerDigits", ".5", std::nullopt, ""},
                    NumberCase{"leadingBlank", " 5", std::nullopt, ""},
                    NumberCase{"thousandsSeparator", "1,000", std::nullopt, ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct WidthCase {
    const char* name;
    std::string text;
    double width;  // in character widths: two for a wide character, one for any other
};

class DisplayWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidth, CountsWideCharactersTwice)
{
    EXPECT_DOUBLE_EQ(displayWidth(GetParam().text), GetParam().width);
}

// Wide as Unicode's East Asian Width gives them (W or F), at the ends of the wide blocks, and
// the narrow neighbours just outside them; the dashes, quotes and ellipsis Chinese text uses are
// set wide too. A character of four bytes is one character.
INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayWidth,
    testing::Values(WidthCase{"latin", "Ab 1.5", 6},
                    WidthCase{"chineseAndFullWidth", "楼\u3000\uFF01", 6},
                    WidthCase{"endsOfTheWideBlocks",
                              "\u1100\u115F\u2E80\uAC00\uD7A3\uF900\uFE30\uFE4F\uFF60\uFFE0\uFFE6", 22},
                    WidthCase{"narrowBesideThem", "\u10FF\u1160\uA4D0\uFB00\uFE2F\uFF61", 6},
                    WidthCase{"chinesePunctuation", "—‘’“”…–", 13},
                    WidthCase{"fourBytesThenLatin", "\U00020000a", 3}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct AddressCase {
    const char* name;
    const char* address;
    std::optional<CellPosition> position;  // empty: not an address
};

class CellAddress : public testing::TestWithParam<AddressCase> {};

TEST_P(CellAddress, IsColumnLettersThenRowDigitsWithinTheSheet)
{
    EXPECT_EQ(parseCellAddress(GetParam().address), GetParam().position);
}

// A sheet has the columns A to XFD and the rows 1 to 1048576.
INSTANTIATE_TEST_SUITE_P(
    Cases, CellAddress,
    testing::Values(AddressCase{"plain", "B17", CellPosition{17, 2}},
                    AddressCase{"lastCell", "XFD1048576", CellPosition{1048576, 16384}},
                    AddressCase{"columnBeyond", "XFE1", std::nullopt},
                    AddressCase{"rowBeyond", "A1048577", std::nullopt},
                    AddressCase{"rowZero", "A0", std::nullopt},
                    AddressCase{"noRow", "AB", std::nullopt},
                    AddressCase{"digitsFirst", "1A", std::nullopt},
                    AddressCase{"lowerCase", "b2", std::nullopt}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
