#include "export/cell_value.h"

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
                    NumberCase{"negativeZeroStaysText", "-0", std::nullopt, ""},
                    NumberCase{"superfluousLeadingZero", "007", std::nullopt, ""},
                    NumberCase{"pointWithoutDigits", "5.", std::nullopt, ""},
                    NumberCase{"noIntegerDigits", ".5", std::nullopt, ""},
                    NumberCase{"leadingBlank", " 5", std::nullopt, ""},
                    NumberCase{"thousandsSeparator", "1,000", std::nullopt, ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
