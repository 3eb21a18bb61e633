#include "engine/tests/case_name.h"
#include "export/page_breaks.h"
#include "export/printed_pages.h"
#include "export/workbook_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
                    // 60 three-byte characters are 180 bytes, as long as a name is kept whole.
                    PagesCase{"longestWholeName", repeated("楼", 60), "&L" + repeated("楼", 60) + "&R计算书"},
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

struct BreaksCase {
    const char* name;
    int columns;  // each ten characters wide
    int fitToWidth;
    bool landscape;
    int headingSize;  // of every row; 0: plain rows of 16 pt
    std::optional<std::pair<int, int>> repeatedRows;
    std::optional<std::pair<int, int>> keptTogether;
    std::vector<int> breaks;  // the last row of each page but the last
};

class PageBreaks : public testing::TestWithParam<BreaksCase> {};

// A hundred rows. An A4 page less 0.75 inch above and below, of which 96 % is used, holds
// 487.3 x 0.96 = 467.8 pt landscape (29 plain rows, 22 rows of a 15 pt heading at 21 pt) and
// 704.5 pt portrait (44 rows). Twenty columns of 10 characters take 20 x 75 px x 0.75 = 1125 pt
// against the 741.1 pt between the side margins: fitted, the page holds 467.8 / 0.6588 = 710.1 pt.
INSTANTIATE_TEST_SUITE_P(
    Export, PageBreaks,
    testing::Values(BreaksCase{"landscape", 1, 1, true, 0, {}, {}, {29, 58, 87}},
                    BreaksCase{"portrait", 1, 1, false, 0, {}, {}, {44, 88}},
                    BreaksCase{"headingRows", 1, 1, true, 15, {}, {}, {22, 44, 66, 88}},
                    BreaksCase{"wideColumnsFittedPrintSmaller", 20, 1, true, 0, {}, {}, {44, 88}},
                    BreaksCase{"wideColumnsAtFullSize", 20, 0, true, 0, {}, {}, {29, 58, 87}},
                    // Repeated on the pages after its own, the row takes room there; a page
                    // that starts with it holds it once.
                    BreaksCase{"repeatedRowStartsAPage", 1, 1, true, 0, std::pair{30, 30}, {}, {29, 58, 86}},
                    BreaksCase{"rowsKeptTogetherMoveOn", 1, 1, true, 0, {}, std::pair{28, 31}, {27, 56, 85}}),
    engine::CaseName());

TEST_P(PageBreaks, EndEachPageWhereItIsFull)
{
    const BreaksCase& c = GetParam();
    SheetModel sheet;
    std::map<int, double> widths;
    for (int row = 1; row <= 100; ++row) {
        sheet.write({row, 1}, "行");
        if (c.headingSize > 0)
            sheet.setHeading("A" + std::to_string(row), c.headingSize);
    }
    for (int column = 1; column <= c.columns; ++column) {
        sheet.write({1, column}, "列");
        widths[column] = 10;
    }
    sheet.page().fitToWidth = c.fitToWidth;
    sheet.page().landscape = c.landscape;
    sheet.page().repeatedRows = c.repeatedRows;
    if (c.keptTogether)
        sheet.keepTogether(c.keptTogether->first, c.keptTogether->second);
    EXPECT_EQ(rowBreaks(sheet, widths), c.breaks);
}

}  // namespace
}  // namespace trevalo::workbook
