#include "export/xlsx_writer.h"

#include "export/cell_value.h"
#include "export/column_widths.h"
#include "export/page_breaks.h"
#include "export/template_package.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace trevalo::workbook {

namespace {

constexpr std::uint8_t kPaperA4 = 9;
// The font of every written cell: a Simplified Chinese face that Debian packages, so that
// LibreOffice draws the Chinese in Simplified Chinese glyph forms rather than falling back to
// a pan-CJK face in its Japanese forms; Excel without it substitutes its own Chinese face.
constexpr const char* kFontName = "WenQuanYi Zen Hei";

// Formats are owned by the workbook; this hands out one per combination in use.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : m_book(book) {}

    lxw_format* format(const SheetCell& cell, const std::string& numberFormat, bool italicHeading)
    {
        const bool italic = italicHeading && cell.headingSize > 0;
        lxw_format*& format = m_formats[{cell.headingSize, italic, cell.bold, cell.wrapped, cell.centred,
                                         cell.signatureLine, numberFormat}];
        if (format == nullptr) {
            format = workbook_add_format(m_book);
            format_set_font_name(format, kFontName);
            // A row grown for wrapped text reads from its top line across.
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
            // Headings stand out by size and weight; a slanted Chinese face only blurs the
            // strokes, so only the sheets whose headings are italic by design slant them.
            if (cell.headingSize > 0)
                format_set_font_size(format, cell.headingSize);
            if (italic)
                format_set_italic(format);
            if (cell.headingSize > 0 || cell.bold)
                format_set_bold(format);
            if (cell.wrapped) {
                format_set_text_wrap(format);
            }
            if (cell.centred)
                format_set_align(format, LXW_ALIGN_CENTER);
            if (cell.signatureLine)
                format_set_bottom(format, LXW_BORDER_THIN);
            if (!numberFormat.empty())
                format_set_num_format(format, numberFormat.c_str());
        }
        return format;
    }

private:
    lxw_workbook* m_book;
    std::map<std::tuple<int, bool, bool, bool, bool, bool, std::string>, lxw_format*> m_formats;
};

constexpr double kDefaultRowHeight = 15;

lxw_row_t rowIndex(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t columnIndex(int column) { return static_cast<lxw_col_t>(column - 1); }

bool writeCells(lxw_worksheet* sheet, const SheetModel& model, FormatCache& formats)
{
    const auto format = [&formats, &model](const SheetCell& cell, const std::string& numberFormat) {
        return formats.format(cell, numberFormat, model.italicHeadings());
    };
    for (const auto& [position, cell] : model.cells()) {
        const lxw_row_t row = rowIndex(position.row);
        const lxw_col_t column = columnIndex(position.column);
        lxw_error error = LXW_NO_ERROR;
        if (cell.mergedThrough > position.column) {
            error = worksheet_merge_range(sheet, row, column, row, columnIndex(cell.mergedThrough), cell.text.c_str(),
                                          format(cell, {}));
        } else if (cell.number) {
            error = worksheet_write_number(sheet, row, column, *cell.number,
                                           format(cell, cell.numberFormat));
        } else if (cell.text.empty()) {
            if (cell.headingSize > 0 || cell.signatureLine)
                error = worksheet_write_blank(sheet, row, column, format(cell, {}));
        } else if (const auto number = plainDecimalNumber(cell.text)) {
            error = worksheet_write_number(sheet, row, column, number->value,
                                           format(cell, number->numberFormat));
        } else {
            error = worksheet_write_string(sheet, row, column, cell.text.c_str(), format(cell, {}));
        }
        if (error != LXW_NO_ERROR)
            return false;
    }
    return true;
}

// The first sheet's widths: fitted to its contents, or set by the layout itself, which stand
// over the fitted ones; column C a narrow separator.
std::map<int, double> dataSheetWidths(const SheetModel& model)
{
    std::map<int, double> widths = fittedColumnWidths(model);
    for (const auto& [column, width] : model.columnWidths())
        widths[column] = width;
    widths[3] = kSeparatorColumnWidth;
    return widths;
}

bool setColumnWidths(lxw_worksheet* sheet, const std::map<int, double>& widths)
{
    for (const auto& [column, width] : widths) {
        const lxw_col_t index = columnIndex(column);
        if (worksheet_set_column(sheet, index, index, width, nullptr) != LXW_NO_ERROR)
            return false;
    }
    return true;
}

// Rows with a heading larger than the default font are made tall enough for it, and rows the
// layout gave a height of their own (wrapped text, room to sign) keep the taller of the two.
bool setRowHeights(lxw_worksheet* sheet, const SheetModel& model)
{
    std::map<int, double> heights = model.rowHeights();
    for (const auto& [position, cell] : model.cells()) {
        if (cell.headingSize > 0)
            heights[position.row] = printedRowHeight(model, position.row);
    }
    for (const auto& [row, height] : heights) {
        if (height > kDefaultRowHeight && worksheet_set_row(sheet, rowIndex(row), height, nullptr) != LXW_NO_ERROR)
            return false;
    }
    return true;
}

// Pages that end where the layout allows: no heading at the foot of a page, no block kept
// together split.
// The library keeps one list of breaks a sheet, so the sheet's own breaks (before these row
// indices) join the layout's in that one call.
bool setRowBreaks(lxw_worksheet* sheet, const SheetModel& model, const std::map<int, double>& widths,
                  const std::vector<lxw_row_t>& ownBreaks = {})
{
    const std::vector<int> breaks = rowBreaks(model, widths);
    // The library reads the list up to a 0; a break after row r is a break before index r.
    std::vector<lxw_row_t> indices(breaks.begin(), breaks.end());
    indices.insert(indices.end(), ownBreaks.begin(), ownBreaks.end());
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty())
        return true;
    indices.push_back(0);
    return worksheet_set_h_pagebreaks(sheet, indices.data()) == LXW_NO_ERROR;
}

// The sheet's own page setup on A4: orientation, fitting, header and footer, the rows and
// columns printed on every page, printed gridlines.
bool applyPageSetup(lxw_worksheet* sheet, const PageSetup& page)
{
    worksheet_set_paper(sheet, kPaperA4);
    if (page.landscape)
        worksheet_set_landscape(sheet);
    else
        worksheet_set_portrait(sheet);
    if (page.fitToWidth > 0)
        worksheet_fit_to_pages(sheet, static_cast<std::uint16_t>(page.fitToWidth), 0);
    lxw_col_t columnBreaks[] = {static_cast<lxw_col_t>(page.pageBreakBefore - 1), 0};
    if (page.fitToWidth == 0 && page.pageBreakBefore > 1 &&
        worksheet_set_v_pagebreaks(sheet, columnBreaks) != LXW_NO_ERROR)
        return false;
    if (page.gridlines)
        worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
    if (page.printArea &&
        worksheet_print_area(sheet, rowIndex(page.printArea->first.row), columnIndex(page.printArea->first.column),
                             rowIndex(page.printArea->last.row), columnIndex(page.printArea->last.column)) != LXW_NO_ERROR)
        return false;
    if (!page.header.empty() && worksheet_set_header(sheet, page.header.c_str()) != LXW_NO_ERROR)
        return false;
    if (!page.footer.empty() && worksheet_set_footer(sheet, page.footer.c_str()) != LXW_NO_ERROR)
        return false;
    if (page.repeatedRows &&
        worksheet_repeat_rows(sheet, rowIndex(page.repeatedRows->first), rowIndex(page.repeatedRows->second)) !=
            LXW_NO_ERROR)
        return false;
    return !page.repeatedColumns ||
           worksheet_repeat_columns(sheet, columnIndex(page.repeatedColumns->first),
                                    columnIndex(page.repeatedColumns->second)) == LXW_NO_ERROR;
}

// A sheet with number cells and widths of its own.
bool addReportSheet(lxw_workbook* book, const char* name, const SheetModel& model, FormatCache& formats,
                    const std::vector<lxw_row_t>& ownBreaks = {})
{
    lxw_worksheet* sheet = workbook_add_worksheet(book, name);
    if (sheet == nullptr || !writeCells(sheet, model, formats) || !setColumnWidths(sheet, model.columnWidths()) ||
        !setRowHeights(sheet, model))
        return false;
    return applyPageSetup(sheet, model.page()) && setRowBreaks(sheet, model, model.columnWidths(), ownBreaks);
}

// The charts name the cells' face too; the library copies the name.
void useCellFont(lxw_chart* chart)
{
    std::string fontName = kFontName;
    lxw_chart_font plain = {};
    plain.name = fontName.data();
    lxw_chart_font bold = plain;
    bold.bold = 1;
    chart_title_set_name_font(chart, &bold);
    chart_axis_set_name_font(chart->x_axis, &bold);
    chart_axis_set_name_font(chart->y_axis, &bold);
    chart_axis_set_num_font(chart->x_axis, &plain);
    chart_axis_set_num_font(chart->y_axis, &plain);
    chart_legend_set_font(chart, &plain);
}

void addSeries(lxw_chart* chart, const LoadChart& rows, int valueColumn, const char* name)
{
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kDataSheetName, rowIndex(rows.firstRow),
                                columnIndex(kLoadKeyColumn), rowIndex(rows.lastRow),
                                columnIndex(kLoadKeyColumn));
    chart_series_set_values(series, kDataSheetName, rowIndex(rows.firstRow), columnIndex(valueColumn),
                            rowIndex(rows.lastRow), columnIndex(valueColumn));
    chart_series_set_name(series, name);
    chart_series_set_marker_type(series, LXW_CHART_MARKER_AUTOMATIC);
}

lxw_chart* lineChart(lxw_workbook* book, const LoadChart& rows, int valueColumn, const char* title,
                     const char* seriesName, const char* valueAxisName)
{
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_LINE);
    addSeries(chart, rows, valueColumn, seriesName);
    chart_title_set_name(chart, title);
    chart_axis_set_name(chart->x_axis, "额定载重/人数 (kg/人)");
    chart_axis_set_name(chart->y_axis, valueAxisName);
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    useCellFont(chart);
    // The keys ("1050/14") turned, so that neighbouring ones never run together.
    std::string fontName = kFontName;
    lxw_chart_font turned = {};
    turned.name = fontName.data();
    turned.rotation = -45;
    chart_axis_set_num_font(chart->x_axis, &turned);
    return chart;
}

// A chart 1.6 x 1.7 times the default 480 x 288 px fills the width of an A4 landscape page and
// 26 default rows of its height; the second starts two rows below.
constexpr lxw_row_t kSecondChartRow = 28;

// libxlsxwriter 1.1.4 has no secondary value axis, so the round trip time and the
// handling capacity each get a chart with a value axis of its own, one above the other.
bool addChartSheet(lxw_workbook* book, const LoadChart& rows)
{
    lxw_worksheet* sheet = workbook_add_worksheet(book, kChartSheetName);
    if (sheet == nullptr)
        return false;
    lxw_chart* roundTrip = lineChart(book, rows, kRoundTripColumn, "总行程时间与额定载重",
                                     "总行程时间 RTT (秒)", "总行程时间 (秒)");
    lxw_chart* handling = lineChart(book, rows, kHandlingPercentColumn,
                                    "5分钟内单机运载人数百分比与额定载重", "运载人数百分比 HC (%)",
                                    "运载人数百分比 (%)");
    // Each chart on a page of its own at full size, so that no label prints smaller than its
    // 10 pt; the second chart starts the second page.
    PageSetup page = rows.page;
    page.fitToWidth = 0;
    lxw_row_t breaks[] = {kSecondChartRow, 0};
    if (!applyPageSetup(sheet, page) || worksheet_set_h_pagebreaks(sheet, breaks) != LXW_NO_ERROR)
        return false;
    lxw_chart_options size = {};
    size.x_scale = 1.6;
    size.y_scale = 1.7;
    // Clear of the page break, so that its frame does not print on the first page.
    lxw_chart_options below = size;
    below.y_offset = 4;
    return worksheet_insert_chart_opt(sheet, 0, 0, roundTrip, &size) == LXW_NO_ERROR &&
           worksheet_insert_chart_opt(sheet, kSecondChartRow, 0, handling, &below) == LXW_NO_ERROR;
}

// The average wait per floor as horizontal bars beside its table: the first floor listed, the
// main floor, at the foot, as a designer reads a building.
bool addPerFloorChart(lxw_workbook* book, lxw_worksheet* sheet, const SimulationSheet& simulation)
{
    const lxw_row_t first = rowIndex(simulation.perFloorFirstRow);
    const lxw_row_t last = rowIndex(simulation.perFloorLastRow);
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_BAR);
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kSimulationSheetName, first, 0, last, 0);
    chart_series_set_values(series, kSimulationSheetName, first, 2, last, 2);
    chart_series_set_name(series, "平均候梯时间");
    chart_set_series_gap(chart, 30);
    chart_title_set_name(chart, "各层平均候梯时间");
    // A bar chart's x axis runs across the page, its y axis (the floors) up the side.
    chart_axis_set_name(chart->x_axis, "平均候梯时间 (秒)");
    chart_axis_set_name(chart->y_axis, "楼层");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    useCellFont(chart);
    // The chart's default height is 288 pixels; a printed row of 16 points is about 21 of them.
    lxw_chart_options size = {};
    size.x_scale = 1.25;
    size.y_scale = simulation.perFloorChartRows * 21.0 / 288;
    return worksheet_insert_chart_opt(sheet, first - 1, columnIndex(simulation.chartColumn), chart, &size) ==
           LXW_NO_ERROR;
}

// The sheet "仿真" with the waiting times as a column chart beside their table.
bool addSimulationSheet(lxw_workbook* book, const SimulationSheet& simulation, FormatCache& formats)
{
    const lxw_row_t first = rowIndex(simulation.histogramFirstRow);
    const lxw_row_t last = rowIndex(simulation.histogramLastRow);
    // The sheet keeps the table and its chart together on one page.
    if (!addReportSheet(book, kSimulationSheetName, simulation.sheet, formats))
        return false;
    lxw_worksheet* sheet = workbook_get_worksheet_by_name(book, kSimulationSheetName);
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kSimulationSheetName, first, 0, last, 0);
    chart_series_set_values(series, kSimulationSheetName, first, 1, last, 1);
    chart_series_set_name(series, "人数");
    chart_set_series_gap(chart, 30);
    chart_title_set_name(chart, "候梯时间分布");
    chart_axis_set_name(chart->x_axis, "候梯时间 (秒)");
    chart_axis_set_name(chart->y_axis, "人数");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    useCellFont(chart);
    // Beside the table, as tall as its 25 rows.
    lxw_chart_options size = {};
    size.x_scale = 1.25;
    size.y_scale = 1.75;
    if (worksheet_insert_chart_opt(sheet, first - 1, columnIndex(simulation.chartColumn), chart, &size) !=
        LXW_NO_ERROR)
        return false;
    return simulation.perFloorLastRow < simulation.perFloorFirstRow || addPerFloorChart(book, sheet, simulation);
}

}  // namespace

namespace {

bool writePackage(const WorkbookLayout& layout, const std::string& path, bool asTemplate)
{
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, layout.sheetName);
    FormatCache formats(book);
    const std::map<int, double> widths = dataSheetWidths(layout.sheet);
    bool written = sheet != nullptr && writeCells(sheet, layout.sheet, formats) && setColumnWidths(sheet, widths) &&
                   setRowHeights(sheet, layout.sheet) && applyPageSetup(sheet, layout.sheet.page()) &&
                   setRowBreaks(sheet, layout.sheet, widths);
    if (written) {
        worksheet_activate(sheet);
        if (layout.calculation)
            written = addReportSheet(book, kCalculationSheetName, *layout.calculation, formats);
        if (written && layout.trials)
            written = addReportSheet(book, kTrialsSheetName, *layout.trials, formats);
        if (written && layout.chart)
            written = addChartSheet(book, *layout.chart);
        if (written && layout.simulation)
            written = addSimulationSheet(book, *layout.simulation, formats);
    }
    // Closing writes the file and frees the workbook whatever happened before.
    const lxw_error closed = workbook_close(book);
    return written && closed == LXW_NO_ERROR && finishPackage(path, asTemplate);
}

}  // namespace

bool writeWorkbook(const WorkbookLayout& layout, const std::string& path)
{
    return writePackage(layout, path, true);
}

bool writePlainWorkbook(const WorkbookLayout& layout, const std::string& path)
{
    return writePackage(layout, path, false);
}

}  // namespace trevalo::workbook
