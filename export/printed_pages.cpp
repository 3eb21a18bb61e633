#include "export/printed_pages.h"

namespace trevalo::workbook {

namespace {

// The spreadsheet refuses a header or footer of 255 bytes or more.
constexpr std::size_t kMostHeaderBytes = 254;
constexpr std::size_t kMostNameBytes = 180;

// A text as header and footer show it literally: '&' starts a code there.
std::string literal(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&')
            escaped += '&';
    }
    return escaped;
}

// At most `bytes` bytes of a UTF-8 text, never ending inside a character or an escaped '&'.
std::string shortened(const std::string& text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    constexpr std::size_t kEllipsisBytes = 3;
    std::size_t end = bytes - kEllipsisBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    std::string cut = text.substr(0, end);
    std::size_t ampersands = 0;
    for (auto it = cut.rbegin(); it != cut.rend() && *it == '&'; ++it)
        ++ampersands;
    if (ampersands % 2 == 1)
        cut.pop_back();
    return cut + "…";
}

}  // namespace

void setPrintedPage(PageSetup& page, const std::string& name, const std::string& title,
                    const std::string& moment)
{
    page.header = shortened("&L" + shortened(literal(name), kMostNameBytes) + "&R" + literal(title), kMostHeaderBytes);
    page.footer = shortened("&L第 &P 页 共 &N 页&R导出时间 " + literal(moment), kMostHeaderBytes);
}

void setPrintedPages(WorkbookLayout& layout, const std::string& projectName, const std::string& exportMoment)
{
    setPrintedPage(layout.sheet.page(), projectName, layout.title, exportMoment);
    if (layout.calculation)
        setPrintedPage(layout.calculation->page(), projectName, "计算书", exportMoment);
    if (layout.trials)
        setPrintedPage(layout.trials->page(), projectName, kTrialsSheetName, exportMoment);
    if (layout.chart)
        setPrintedPage(layout.chart->page, projectName, "图表", exportMoment);
    if (layout.simulation)
        setPrintedPage(layout.simulation->sheet.page(), projectName, kSimulationSheetName, exportMoment);
}

}  // namespace trevalo::workbook
