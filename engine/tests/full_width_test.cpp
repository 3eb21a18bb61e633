#include "engine/analysis_inputs.h"
#include "engine/tests/case_name.h"

#include <gtest/gtest.h>

namespace trevalo::engine {
namespace {

struct FullWidthCase {
    const char* name;
    const char* text;
    double value;
};

class FullWidth : public testing::TestWithParam<FullWidthCase> {};

TEST_P(FullWidth, ReadAsTheirAsciiCounterparts) { EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value); }

// Each text read by hand as if its full-width characters were ASCII.
const FullWidthCase kTexts[] = {
    {"digits", "１０００", 1000},          {"point", "３．５", 3.5},        {"minus", "－２", -2},
    {"plus", "＋７", 7},                   {"mixed", "1０.5", 10.5},        {"ideographicSpace", "１　０", 10},
    {"exponent", "２ｅ３", 2000},          {"capitalExponent", "１Ｅ－１", 0.1},
    {"stopsAtOtherFullWidth", "９Ａ", 9},  {"otherFullWidthOnly", "Ａ１", 0}, {"hex", "&H１Ｆ", 1}};
INSTANTIATE_TEST_SUITE_P(Engine, FullWidth, testing::ValuesIn(kTexts), CaseName());

}  // namespace
}  // namespace trevalo::engine
