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
    std::string numberFormat;
};

class PlainDecimal : public testing::TestWithParam<NumberCase> {};

TEST_P(PlainDecimal, StoresANumberOnlyWhenItShowsTheSameText)
{
    const NumberCase& param = GetParam();
    const std::optional<NumberCell> cell = plainDecimalNumber(param.text);
    ASSERT_EQ(cell.has_value(), param.value.has_value());
    if (cell) {
        EXPECT_DOUBLE_EQ(cell->value, *param.value);
        EXPECT_EQ(cell->numberFormat, param.numberFormat);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainDecimal,
    testing::Values(NumberCase{"figure", "93.57", 93.57, ""},
                    NumberCase{"integer", "500", 500, ""},
                    NumberCase{"zero", "0", 0, ""},
                    NumberCase{"fractionBelowOne", "0.5", 0.5, ""},
                    NumberCase{"negative", "-3.25", -3.25, ""},
                    NumberCase{"trailingZeroKeepsItsDecimals", "1.90", 1.9, "0.00"},
                    NumberCase{"zeroWithDecimals", "0.00", 0, "0.00"},
                    NumberCase{"wholeWithPointZero", "3.0", 3, "0.0"},
                    NumberCase{"tooWideForGeneral", "123456789.125", 123456789.125, "0.000"},
                    NumberCase{"longInteger", "123456789012", 123456789012, "0"},
                    NumberCase{"tinyFraction", "0.00001", 0.00001, "0.00000"},
                    NumberCase{"fifteenDigits", "12345678901.2345", 12345678901.2345, "0.0000"},
                    NumberCase{"sixteenDigitsStayText", "1234567890123456", std::nullopt, ""},
                    NumberCase{"negativeZeroStaysText", "-0", std::nullopt, ""},
                    NumberCase{"negativeZeroDecimalsStayText", "-0.00", std::nullopt, ""},
                    NumberCase{"superfluousLeadingZero", "007", std::nullopt, ""},
                    NumberCase{"leadingZeroBeforeDigit", "01.5", std::nullopt, ""},
                    NumberCase{"pointWithoutDigits", "5.", std::nullopt, ""},
                    NumberCase{"noIntegerDigits", ".5", std::nullopt, ""},
                    NumberCase{"plusSign", "+5", std::nullopt, ""},
                    NumberCase{"exponent", "1e5", std::nullopt, ""},
                    NumberCase{"blank", " 5", std::nullopt, ""},
                    NumberCase{"empty", "", std::nullopt, ""},
                    NumberCase{"minusOnly", "-", std::nullopt, ""},
                    NumberCase{"loadKey", "675/9", std::nullopt, ""},
                    NumberCase{"doorText", "2CO……900", std::nullopt, ""},
                    NumberCase{"thousandsSeparator", "1,000", std::nullopt, ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct WidthCase {
    const char* name;
    std::string text;
    double width;
};

class DisplayWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidth, CountsCjkCharactersTwice)
{
    EXPECT_DOUBLE_EQ(displayWidth(GetParam().text), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayWidth,
    testing::Values(WidthCase{"ascii", "RTT (SEC)", 9}, WidthCase{"han", "住宅", 4},
                    WidthCase{"fullWidthColon", "项目名称：", 10},
                    WidthCase{"emDashesAndEllipses", "2CO……900", 10},
                    WidthCase{"mixed", "第 12 层人数", 12}, WidthCase{"empty", "", 0},
                    WidthCase{"latinAccentIsNarrow", "é", 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct AddressCase {
    const char* name;
    std::string address;
    std::optional<CellPosition> position;
};

class CellAddress : public testing::TestWithParam<AddressCase> {};

TEST_P(CellAddress, ParsesAndNamesColumns)
{
    const AddressCase& param = GetParam();
    EXPECT_EQ(parseCellAddress(param.address), param.position);
    if (param.position) {
        EXPECT_EQ(columnName(param.position->column) + std::to_string(param.position->row),
                  param.address);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellAddress,
    testing::Values(AddressCase{"first", "A1", CellPosition{1, 1}},
                    AddressCase{"tableCorner", "M21", CellPosition{21, 13}},
                    AddressCase{"twoLetters", "AA10", CellPosition{10, 27}},
                    AddressCase{"lastLetterOfTwo", "AZ3", CellPosition{3, 52}},
                    AddressCase{"noRow", "B", std::nullopt},
                    AddressCase{"noColumn", "17", std::nullopt},
                    AddressCase{"rowZero", "A0", std::nullopt},
                    AddressCase{"lowerCase", "a1", std::nullopt},
                    AddressCase{"trailingText", "A1x", std::nullopt}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
