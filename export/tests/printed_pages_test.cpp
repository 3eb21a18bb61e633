#include "engine/tests/case_name.h"
#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace trevalo::workbook {
namespace {

struct PagesCase {
    const char* name;
    std::string project;
    std::string header;  // of the calculation sheet
};

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

class PrintedPages : public testing::TestWithParam<PagesCase> {};

// Header codes start with '&', so a literal one is doubled; the spreadsheet refuses a header of
// 255 bytes or more, so a long name is cut at a character boundary and marked with an ellipsis.
INSTANTIATE_TEST_SUITE_P(
    Export, PrintedPages,
    testing::Values(PagesCase{"plainName", "测试项目", "&L测试项目&R计算书"},
                    PagesCase{"ampersandDoubled", "A&B 大厦", "&LA&&B 大厦&R计算书"},
                    PagesCase{"codeLikeNameStaysText", "&P&N", "&L&&P&&N&R计算书"},
                    PagesCase{"emptyName", "", "&L&R计算书"},
                    // 70 three-byte characters are 210 bytes; 177 bytes is 59 characters, then "…".
                    PagesCase{"longNameCut", repeated("楼", 70), "&L" + repeated("楼", 59) + "…&R计算书"},
                    // 179 ampersands doubled are 358 bytes; a cut never splits a doubled one.
                    PagesCase{"longAmpersandsCut", std::string(179, '&'),
                              "&L" + std::string(176, '&') + "…&R计算书"}),
    engine::CaseName());

TEST_P(PrintedPages, EverySheetNamesProjectTitleAndPages)
{
    WorkbookLayout layout;
    layout.calculation = SheetModel();
    layout.chart = LoadChart{6, 21, {}};
    layout.trials = SheetModel();
    setPrintedPages(layout, GetParam().project, "2026-12-07 10:30:05");
    EXPECT_EQ(layout.calculation->page().header, GetParam().header);
    const std::string name = GetParam().header.substr(0, GetParam().header.rfind("&R"));
    EXPECT_EQ(layout.sheet.page().header, name + "&R输入数据与结果");
    EXPECT_EQ(layout.chart->page.header, name + "&R图表");
    EXPECT_EQ(layout.trials->page().header, name + "&R全部试算");
    for (const PageSetup* page :
         {&layout.sheet.page(), &layout.calculation->page(), &layout.chart->page, &layout.trials->page()}) {
        EXPECT_EQ(page->footer, "&L第 &P 页 共 &N 页&R导出时间 2026-12-07 10:30:05");
        EXPECT_LT(page->header.size(), 255u);
    }
}

}  // namespace
}  // namespace trevalo::workbook
