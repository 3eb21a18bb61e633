#include "engine/json_writer.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trevalo::engine {
namespace {

struct StringCase {
    const char* name;
    std::string_view text;
    const char* json;
};

class JsonStrings : public testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, AreQuotedAndEscaped) { EXPECT_EQ(JsonWriter().string(GetParam().text).text(), GetParam().json); }

// Quote, backslash and the control characters escaped (the five with short escapes by them);
// everything else, UTF-8 and DEL included, as it is.
INSTANTIATE_TEST_SUITE_P(
    Engine, JsonStrings,
    testing::Values(StringCase{"plain", "办公楼A座", R"("办公楼A座")"}, StringCase{"quote", R"(A"座)", R"("A\"座")"},
                    StringCase{"backslash", R"(C:\楼)", R"("C:\\楼")"}, StringCase{"newLine", "a\nb", R"("a\nb")"},
                    StringCase{"shortEscapes", "\t\r\b\f", R"("\t\r\b\f")"},
                    StringCase{"nul", std::string_view("a\0b", 3), R"("a\u0000b")"},
                    StringCase{"otherControls", "\x01\x1f", R"("\u0001\u001f")"}, StringCase{"delete", "\x7f", "\"\x7f\""},
                    StringCase{"slash", "1/2", R"("1/2")"}),
    CaseName());

struct NumberCase {
    const char* name;
    double value;
    const char* shortest;
    const char* wholeInFull;
};

class JsonNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumbers, AreWrittenInTheWriterForm)
{
    EXPECT_EQ(JsonWriter(JsonWriter::Numbers::Shortest).number(GetParam().value).text(), GetParam().shortest);
    EXPECT_EQ(JsonWriter(JsonWriter::Numbers::WholeInFull).number(GetParam().value).text(), GetParam().wholeInFull);
}

// The shortest form takes an exponent wherever that is shorter; the other writes whole
// numbers up to 2^53 in full, and beyond them pads the shortest digits with zeros unless
// the exponent form, counted with a sign and two digits, is shorter.
INSTANTIATE_TEST_SUITE_P(
    Engine, JsonNumbers,
    testing::Values(NumberCase{"fraction", 2.5, "2.5", "2.5"}, NumberCase{"hundredThousand", 1e5, "1e+05", "100000"},
                    NumberCase{"wholeAtTheLimit", 9007199254740992.0, "9007199254740992", "9007199254740992"},
                    NumberCase{"beyondTheLimit", 1e16, "1e+16", "1e+16"},
                    NumberCase{"paddedBeyondTheLimit", 438933609040762880.0, "438933609040762880", "438933609040762900"},
                    NumberCase{"negativeZero", -0.0, "-0", "0"}, NumberCase{"negativeWhole", -1e6, "-1e+06", "-1000000"},
                    NumberCase{"smallDecimal", 0.00012, "0.00012", "0.00012"},
                    NumberCase{"smallExponent", 1.2e-5, "1.2e-05", "1.2e-05"},
                    NumberCase{"longBeyondTheLimit", 1.2345678901e16, "1.2345678901e+16", "1.2345678901e+16"},
                    NumberCase{"largeFraction", 1.5e20, "1.5e+20", "1.5e+20"},
                    NumberCase{"infinite", std::numeric_limits<double>::infinity(), "null", "null"},
                    NumberCase{"notANumber", std::nan(""), "null", "null"}),
    CaseName());

}  // namespace
}  // namespace trevalo::engine
