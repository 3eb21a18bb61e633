#include "export/export_destination.h"

#include <gtest/gtest.h>

namespace trevalo::workbook {
namespace {

struct NameCase {
    const char* name;
    QString projectName;
    QString fileName;
};

class WorkbookFileName : public testing::TestWithParam<NameCase> {};

TEST_P(WorkbookFileName, IsTheProjectNameAndTheMoment)
{
    const QDateTime moment(QDate(2026, 12, 6), QTime(18, 30, 5));
    EXPECT_EQ(workbookFileName(GetParam().projectName, moment), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkbookFileName,
    testing::Values(
        NameCase{"chineseName", "办公楼A座", "办公楼A座 2026-12-06 18-30-05.xltx"},
        NameCase{"emptyName", "", "Trevalo 2026-12-06 18-30-05.xltx"},
        NameCase{"blanksOnly", "   ", "Trevalo 2026-12-06 18-30-05.xltx"},
        NameCase{"forbiddenAndControlCharacters", "A/B\\C:D*E?F\"G<H>I|J\t楼",
                 "A_B_C_D_E_F_G_H_I_J_楼 2026-12-06 18-30-05.xltx"},
        NameCase{"leadingAndTrailingDots", "..楼. ", "楼 2026-12-06 18-30-05.xltx"},
        NameCase{"dotsOnly", "...", "Trevalo 2026-12-06 18-30-05.xltx"},
        NameCase{"oneLeadingDot", ".楼", "楼 2026-12-06 18-30-05.xltx"},
        NameCase{"longNameShortened", QString(100, QChar(0x697C)),
                 QString(60, QChar(0x697C)) + " 2026-12-06 18-30-05.xltx"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace trevalo::workbook
