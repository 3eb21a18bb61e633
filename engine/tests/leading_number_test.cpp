#include "engine/leading_number.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace trevalo::engine {
namespace {

struct ReadingCase {
    const char* name;
    const char* text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<ReadingCase> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber)
{
    EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
const std::string kFourHundredOneDigits = "1" + std::string(400, '0');

// Worked out by hand from the reading rule, as are the whole numbers of the next table.
INSTANTIATE_TEST_SUITE_P(
    Engine, LeadingNumber,
    testing::Values(ReadingCase{"empty", "", 0}, ReadingCase{"blanks", "   ", 0},
                    ReadingCase{"letters", "abc", 0}, ReadingCase{"integer", "42", 42},
                    ReadingCase{"decimal", "1.75", 1.75}, ReadingCase{"leadingPoint", ".5", 0.5},
                    ReadingCase{"trailingPoint", "5.", 5}, ReadingCase{"lonePoint", ".", 0},
                    ReadingCase{"minus", "-3", -3}, ReadingCase{"plus", "+3", 3},
                    ReadingCase{"signAlone", "-", 0}, ReadingCase{"blanksInside", " 1 2 . 5 ", 12.5},
                    ReadingCase{"tabsAndLineFeeds", "\t1\n0", 10}, ReadingCase{"carriageReturnEnds", "1\r0", 1},
                    ReadingCase{"trailingText", "900mm", 900}, ReadingCase{"commaIsNoPoint", "1,5", 1},
                    ReadingCase{"secondPointEnds", "1.2.3", 1.2}, ReadingCase{"exponent", "1e3", 1000},
                    ReadingCase{"exponentWithSign", "25E-1", 2.5}, ReadingCase{"exponentD", "2d2", 200},
                    ReadingCase{"exponentWithoutDigits", "2e", 2}, ReadingCase{"exponentSignOnly", "2e+x", 2},
                    ReadingCase{"hexadecimal", "&H1F", 31}, ReadingCase{"hexadecimalLower", "&hff", 255},
                    ReadingCase{"octal", "&O17", 15}, ReadingCase{"octalStopsAtEight", "&o178", 15},
                    ReadingCase{"prefixAlone", "&H", 0}, ReadingCase{"ampersandOnly", "&5", 0},
                    ReadingCase{"tooLarge", "1e400", kInfinity}, ReadingCase{"tooLargeNegative", "-1e400", -kInfinity},
                    ReadingCase{"tooSmall", "1e-400", 0}, ReadingCase{"tooLargeCapitalExponent", ".2E+52155", kInfinity},
                    // Exponents at and beyond the largest 64-bit integer, with digits before the point.
                    ReadingCase{"largestExponent", "12d9223372036854775807", kInfinity},
                    ReadingCase{"smallestExponent", "12e-9223372036854775808", 0},
                    ReadingCase{"exponentBeyondIntegers", "12e99999999999999999999", kInfinity},
                    ReadingCase{"tooManyDigits", kFourHundredOneDigits.c_str(), kInfinity},
                    ReadingCase{"exponentBeyondLong", "1e-99999999999999999999", 0},
                    ReadingCase{"letterHAfterADigit", "2h", 2}),
    CaseName());

// Full-width characters typed by a Chinese input method, read by hand as if they were ASCII.
const ReadingCase kFullWidthTexts[] = {
    {"digits", "１０００", 1000},          {"point", "３．５", 3.5},        {"minus", "－２", -2},
    {"plus", "＋７", 7},                   {"mixed", "1０.5", 10.5},        {"ideographicSpace", "１　０", 10},
    {"exponent", "２ｅ３", 2000},          {"capitalExponent", "１Ｅ－１", 0.1},
    {"stopsAtOtherFullWidth", "９Ａ", 9},  {"otherFullWidthOnly", "Ａ１", 0}, {"hex", "&H１Ｆ", 1}};
INSTANTIATE_TEST_SUITE_P(FullWidth, LeadingNumber, testing::ValuesIn(kFullWidthTexts), CaseName());

struct PresenceCase {
    const char* name;
    const char* text;
    bool present;
};

class NumberPresence : public testing::TestWithParam<PresenceCase> {};

TEST_P(NumberPresence, TellsATextWithoutAnyNumberFromOneThatReadsAsZero)
{
    EXPECT_EQ(hasLeadingNumber(GetParam().text), GetParam().present) << '"' << GetParam().text << '"';
}

const PresenceCase kPresences[] = {
    {"empty", "", false},        {"blanks", " \t", false},        {"letters", "abc", false},
    {"zero", "0", true},         {"signAlone", "-", false},       {"lonePoint", ".", false},
    {"signedPoint", "-.5", true}, {"trailingText", "5s", true},   {"letterFirst", "a1", false},
    {"prefixAlone", "&H", false}, {"prefixNoDigit", "&Hx", false}, {"hexZero", "&H0", true},
    {"fullWidthZero", "０", true}};
INSTANTIATE_TEST_SUITE_P(Engine, NumberPresence, testing::ValuesIn(kPresences), CaseName());

struct RoundingCase {
    const char* name;
    double value;
    std::optional<std::int16_t> rounded;
};

class ToInt16 : public testing::TestWithParam<RoundingCase> {};

TEST_P(ToInt16, RoundsTiesToEvenAndRefusesOverflow)
{
    EXPECT_EQ(toInt16(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, ToInt16,
    testing::Values(RoundingCase{"halfDown", 200.5, 200}, RoundingCase{"aboveHalf", 200.6, 201},
                    RoundingCase{"halfUp", 129.5, 130}, RoundingCase{"halfToEvenBelow", 128.5, 128},
                    RoundingCase{"negativeHalf", -2.5, -2}, RoundingCase{"largest", 32767.4, 32767},
                    RoundingCase{"tieAboveLargest", 32767.5, std::nullopt},
                    RoundingCase{"smallest", -32768.5, -32768},
                    RoundingCase{"belowSmallest", -32768.6, std::nullopt},
                    RoundingCase{"infinite", kInfinity, std::nullopt}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine
