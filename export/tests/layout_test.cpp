#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace trevalo::workbook {
namespace {

// Header texts typed from the load table workbook's table of headers.
TEST(LoadTableHeaders, FollowTheAnalysisRelabelling)
{
    for (const bool relabelled : {false, true}) {
        LoadTableRecord record;
        record.analysis.directionRelabelled = relabelled;
        const SheetModel sheet = loadTableLayout(record).sheet;
        EXPECT_EQ(sheet.text("E5"), relabelled ? "DN" : "UP");
        EXPECT_EQ(sheet.text("F5"), relabelled ? "UP" : "DN");
        EXPECT_EQ(sheet.text("J5"), relabelled ? "PS (DN)" : "PS (UP)");
    }
}

TEST(LoadTableBody, HiddenRowZeroKeepsOnlyItsLoadKey)
{
    LoadTableRecord record;
    for (auto& column : record.form.cellTexts)
        column[0] = "7";
    record.form.cellTexts[0][0] = "675/9";
    record.form.rowZeroHidden = true;
    const SheetModel sheet = loadTableLayout(record).sheet;
    EXPECT_EQ(sheet.text("D6"), "675/9");
    for (const char* address : {"E6", "F6", "G6", "H6", "I6", "J6", "K6"})
        EXPECT_EQ(sheet.text(address), "") << address;
}

struct StructuralCase {
    const char* name;
    bool requested;
    std::string finishingWeight;
    const char* choice;
};

class StructuralLoadEntries : public testing::TestWithParam<StructuralCase> {};

// The two entries that decide the structural load stand in D15:E16, whether asked for or not.
TEST_P(StructuralLoadEntries, AreWrittenBelowTheResultBlock)
{
    SingleResultRecord record;
    record.entered.inputs.elevator.machineRoomRequested = GetParam().requested;
    record.entered.inputs.elevator.finishingWeight = GetParam().finishingWeight;
    const SheetModel sheet = singleResultLayout(record).sheet;
    EXPECT_EQ(sheet.text("D15"), "计算电梯机房结构荷载");
    EXPECT_EQ(sheet.text("E15"), GetParam().choice);
    EXPECT_EQ(sheet.text("D16"), "装修重量 (kg)");
    EXPECT_EQ(sheet.text("E16"), GetParam().finishingWeight);
    EXPECT_EQ(sheet.text("D11"), "");
    EXPECT_EQ(sheet.text("D14"), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, StructuralLoadEntries,
                         testing::Values(StructuralCase{"requested", true, "300", "是"},
                                         StructuralCase{"notRequestedKeepsTheTypedWeight", false, "12.5kg", "否"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
