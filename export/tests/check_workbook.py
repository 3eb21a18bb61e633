#!/usr/bin/python3
"""check_workbook.py WORKBOOK EXPECTATIONS.json: reads an exported workbook back and prints
every difference from the expectations (the listed cells, fonts and headings, fitted widths,
page setup, the load table's charts, the template content type, the package's entry
headers); exits 1 when there is any."""
import json
import re
import struct
import sys
import unicodedata
import zipfile

import openpyxl
from openpyxl.utils import get_column_letter

from check_calculation_sheet import PRINTABLE_WIDTH, break_problems, column_points, page_setup

FONT = "WenQuanYi Zen Hei"
WIDE_PUNCTUATION = set("\u2014\u2018\u2019\u201c\u201d\u2026")
PLAIN_NUMBER = re.compile(r"-?(0|[1-9][0-9]*)(\.[0-9]+)?")


def text_width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" or c in WIDE_PUNCTUATION else 1
               for c in text)


def shown_text(cell):
    """The text the spreadsheet shows for the cell's value and number format."""
    value, fmt = cell.value, cell.number_format
    if value is None or isinstance(value, str):
        return value or ""
    if fmt == "General":
        return str(int(value)) if float(value).is_integer() and abs(value) < 1e15 else repr(float(value))
    if re.fullmatch(r"0(\.0+)?", fmt):
        return f"{value:.{max(len(fmt) - 2, 0)}f}"
    return f"<unexpected number format {fmt!r} for {value!r}>"


def check_cells(sheet, expected):
    problems = [f"{address}: {shown_text(sheet[address])!r}, expected {text!r}"
                for address, text in expected["cells"].items() if shown_text(sheet[address]) != text]
    headings = {"A1": 16, "B1": 16, "A4": 14, "D4": 14}
    if expected.get("listRow"):
        headings[f"A{expected['listRow']}"] = 12
    for cell in (cell for row in sheet.iter_rows() for cell in row if shown_text(cell)):
        text, font, size = shown_text(cell), cell.font, headings.get(cell.coordinate)
        if PLAIN_NUMBER.fullmatch(text) and not isinstance(cell.value, (int, float)):
            problems.append(f"{cell.coordinate}: {text!r} stored as text, not as a number")
        if font.name != FONT:
            problems.append(f"{cell.coordinate}: font {font.name!r}")
        # The headings bold italic and larger, every other cell plain.
        if (bool(font.b), bool(font.i), font.sz) != (bool(size), bool(size), size or 11):
            problems.append(f"{cell.coordinate}: bold={font.b} italic={font.i} size={font.sz}, heading {size}")
    return problems


def upright(sheets):
    """The sheets added to the specified one print no italic: a slanted Chinese face blurs."""
    return [f"{sheet.title}!{cell.coordinate}: italic" for sheet in sheets
            for row in sheet.iter_rows() for cell in row if cell.value is not None and cell.font.i]


def check_widths(sheet, fit_columns):
    """Columns fitted to the contents of rows 1 to 18 only; C stays narrow."""
    problems = []
    for column in range(1, fit_columns + 1):
        letter = get_column_letter(column)
        dimension = sheet.column_dimensions.get(letter)
        # As the spreadsheet shows it: the stored width adds 5 pixels of padding to 7-pixel digits.
        width = (round(dimension.width * 7) - 5) / 7 if dimension is not None and dimension.customWidth else None
        cells = [sheet[f"{letter}{row}"] for row in range(1, 19)]
        needed = max((text_width(shown_text(c)) * c.font.sz / 11 for c in cells if shown_text(c)), default=0)
        if letter == "C":
            fits = width == 2
        else:
            fits = width is None if needed == 0 else width is not None and needed <= width <= needed * 1.15 + 2
        if not fits:
            problems.append(f"column {letter} width {width}, contents of the fit range need {needed}")
    return problems


def rich_text(title):
    return "".join(run.t for p in title.tx.rich.p for run in (p.r or [])) if title else ""


# The title and the axes of the charts of columns G and H.
CHART_TITLES = {"G": ("总行程时间与额定载重", "额定载重/人数 (kg/人)", "总行程时间 (秒)"),
                "H": ("5分钟内单机运载人数百分比与额定载重", "额定载重/人数 (kg/人)", "运载人数百分比 (%)")}


def check_charts(book, first):
    charts = book["图表"]._charts
    if len(charts) != 2:
        return [f"{len(charts)} charts on 图表, expected 2"]
    problems, data = [], book.sheetnames[0]
    for chart, column in zip(charts, "GH"):
        series = chart.series[0]
        references = [series.val.numRef.f, (series.cat.strRef or series.cat.numRef).f]
        wanted = [f"{data}!${column}${first}:${column}$21", f"{data}!$D${first}:$D$21"]
        if len(chart.series) != 1 or [reference.replace("'", "") for reference in references] != wanted:
            problems.append(f"chart of column {column}: {len(chart.series)} series, references {references}")
        # The category keys turned, so that neighbouring ones never run together.
        body = chart.x_axis.txPr.bodyPr if chart.x_axis.txPr is not None else None
        if body is None or not body.rot:
            problems.append(f"chart of column {column}: category labels not turned")
        titles = tuple(rich_text(title) for title in (chart.title, chart.x_axis.title, chart.y_axis.title))
        if titles != CHART_TITLES[column]:
            problems.append(f"chart of column {column}: title and axes {titles}")
    return problems


def check_printed_pages(book, path, expected):
    """Every sheet names the project and itself in the header and numbers its pages in the
    footer, with the moment that also names the file; the conclusion checks the building
    type's targets."""
    problems = []
    moment = re.search(r"(\d{4}-\d\d-\d\d) (\d\d)-(\d\d)-(\d\d)\.xltx$", path)
    stamp = f"导出时间 {moment[1]} {moment[2]}:{moment[3]}:{moment[4]}" if moment else None
    titles = {"Sheet1": "输入数据与结果", "计算书": "计算书", "图表": "图表", "选型": "选型", "全部试算": "全部试算",
              "仿真": "仿真"}
    for sheet in book.worksheets:
        shown = (sheet.oddHeader.left.text, sheet.oddHeader.right.text, sheet.oddFooter.left.text,
                 sheet.oddFooter.right.text)
        wanted = ("测试项目", titles.get(sheet.title), "第 &P 页 共 &N 页", stamp)
        if shown != wanted:
            problems.append(f"{sheet.title}: header and footer {shown}, expected {wanted}")
    text = " ".join(str(c.value) for row in book["计算书"].iter_rows() for c in row if c.value is not None) \
        if "计算书" in book.sheetnames else ""
    return problems + [f"计算书 does not state the target {t!r}" for t in expected.get("targets", []) if t not in text]


BASIS = ("计算方法：上行高峰总行程时间计算", "选型方法：对最少台数至最多台数", "人数分布模型：各层人数",
         "平均候梯时间来源：CIBSE Guide D (Barney)", "间隔评级来源：CIBSE Guide D", "修正：至少停一站：",
         "修正：四扇中分门：")


def sizing_breaks(sheet, heading):
    """The answer's block prints whole, the block to sign with the table's last row; no page ends
    with a heading: the targets', the answer's, the basis', the table's title and its heading."""
    column = {cell.row: cell.value for cell in sheet["D"] if cell.value is not None}
    bold = {row for row in column if sheet.cell(row, 4).font.b}
    start = next((row for row, text in column.items() if text == "推荐配置"), None)
    sign = next((row for row, text in column.items() if text == "签署"), None)
    if start is None or sign is None:
        return [f"no 推荐配置 ({start}) or 签署 ({sign}) in column D"]
    end = start
    while end + 1 in column:
        end += 1
    closed = max(row for row in range(1, sign) if sheet.cell(row, 4).value is not None or sheet.cell(row, 1).value)
    headings = (bold - {sign + i for i in range(1, 5)}) | {heading - 1, heading}
    return break_problems(sheet, "选型", headings, [(start, end), (closed, sign + 4)])


def check_trials(book, expected):
    """The sheet 全部试算: every configuration tried, one page wide, its heading on every page."""
    sheet = book["全部试算"]
    problems = [f"全部试算 {address}: {shown_text(sheet[address])!r}, expected {text!r}"
                for address, text in expected.get("trials", {}).items() if shown_text(sheet[address]) != text]
    if page_setup(sheet) != ("9", "landscape", (1, 0), "$4:$4", None):
        problems.append(f"全部试算: page setup {page_setup(sheet)}")
    return problems + break_problems(sheet, "全部试算", {3, 4}, [])


def check_sizing(book, path, expected):
    """The sheet 选型: its cells, the targets, the answer and the basis above the table, each
    statement merged over the table's width, the block to sign at the end, and pages that print
    every text at 9 pt or more: at full size, the inputs (A to C) and the report (D on) each
    within a page width; then the sheet 全部试算."""
    sheet, heading = book.worksheets[0], expected["headingRow"]
    problems = [] if book.sheetnames == ["选型", "全部试算"] else [f"sheets {book.sheetnames}"]
    problems += [f"{address}: {shown_text(sheet[address])!r}, expected {text!r}"
                 for address, text in expected["cells"].items() if shown_text(sheet[address]) != text]
    problems += check_printed_pages(book, path, expected) + sizing_breaks(sheet, heading) + upright(book.worksheets)
    if "全部试算" in book.sheetnames:
        problems += check_trials(book, expected)
    last = sheet.max_column
    if page_setup(sheet) != ("9", "landscape", None, f"${heading}:${heading}", None):
        problems.append(f"page setup {page_setup(sheet)}")
    # The report prints from column D, leading with the inputs line, the targets and the
    # recommendation; the input block on the left stays in the workbook unprinted.
    if not sheet.print_area or not sheet.print_area[0].replace("'", "").split("!")[-1].startswith("$D$1:"):
        problems.append(f"print area {sheet.print_area}, expected the report from D1")
    recommended = next((r for r in range(1, sheet.max_row + 1) if sheet.cell(r, 4).value == "推荐配置"), None)
    first_break = min((brk.id for brk in sheet.row_breaks.brk), default=sheet.max_row)
    if recommended is None or first_break < recommended + 1:
        problems.append(f"推荐配置 at row {recommended}, not with its configuration on the first page (break after {first_break})")
    for first, end in ((4, last),):
        points = sum(column_points(sheet, get_column_letter(c)) for c in range(first, end + 1))
        if points > PRINTABLE_WIDTH:
            problems.append(f"columns {first} to {end}: {points:.0f} pt, wider than the page's {PRINTABLE_WIDTH:.0f}")
    for row in (heading, heading + 1):
        aligned = {sheet.cell(row, c).alignment.horizontal for c in range(4, last + 1)}
        if aligned != {"center"}:
            problems.append(f"table row {row} aligned {aligned}, not centred")
    sizes = [c.font.sz or 11 for row in sheet.iter_rows() for c in row if c.value is not None]
    if min(sizes) < 9:
        problems.append(f"text at {min(sizes)} pt")
    merged = {str(r) for r in sheet.merged_cells.ranges}
    basis = {sheet.cell(r, 4).value: r for r in range(5, heading) if isinstance(sheet.cell(r, 4).value, str)}
    for start in BASIS:
        row = next((r for text, r in basis.items() if text.startswith(start)), None)
        if row is None or f"D{row}:{get_column_letter(last)}{row}" not in merged:
            problems.append(f"basis {start!r}: row {row}, merged {sorted(merged)}")
    labels = [(c.row, c.value) for c in sheet["D"] if c.value is not None]
    if [text for _, text in labels[-5:]] != ["签署", "计算", "校对", "审核", "日期"]:
        problems.append(f"column D ends with {labels[-5:]}, not the block to sign")
    for row, _ in labels[-4:]:
        lines = [sheet.cell(row, c).border.bottom.style for c in range(4, 10)]
        if (sheet.row_dimensions[row].height or 15) < 30 or lines != [None, "thin", "thin", "thin", "thin", None]:
            problems.append(f"row {row}: height {sheet.row_dimensions[row].height}, lines to sign {lines}")
    return problems


def check_simulation(book, path, expected):
    """The sheet 仿真 after the single result's: its cells, A4 one page wide, a column chart of the
    waiting time table's passengers against its seconds, and a bar chart of the floors' waits."""
    sheet = book["仿真"]
    problems = [] if book.sheetnames == ["Sheet1", "计算书", "仿真"] else [f"sheets {book.sheetnames}"]
    found = {shown_text(sheet.cell(r, 1)): r for r in range(1, sheet.max_row + 1)}
    for caption, wanted in expected["simulation"].items():
        row = found.get(caption)
        shown = [shown_text(sheet.cell(row, c)) for c in range(2, 2 + len(wanted))] if row else None
        if shown != wanted:
            problems.append(f"{caption!r}: {shown}, expected {wanted}")
    if page_setup(sheet)[:3] != ("9", "landscape", (1, 0)):
        problems.append(f"仿真 page setup {page_setup(sheet)}")
    first = found.get("0–5")
    # The floors' rows: the main floor, then 1, 2, ... up the building.
    floors_first = found.get("首层")
    floors_last = floors_first
    while floors_first and shown_text(sheet.cell(floors_last + 1, 1)) == str(floors_last + 1 - floors_first):
        floors_last += 1
    charts = sheet._charts
    if len(charts) != 2 or any(c.tagname != "barChart" for c in charts) or first is None or floors_first is None:
        return problems + [f"{len(charts)} charts on 仿真, the tables at rows {first} and {floors_first}"]
    # The waiting time table's passengers in columns, and the floors' average waits in bars.
    for chart, direction, values, categories, title in (
            (charts[0], "col", f"$B${first}:$B${first + 24}", f"$A${first}:$A${first + 24}", "候梯时间分布"),
            (charts[1], "bar", f"$C${floors_first}:$C${floors_last}", f"$A${floors_first}:$A${floors_last}",
             "各层平均候梯时间")):
        series = chart.series[0]
        references = [r.replace("'", "") for r in (series.val.numRef.f, (series.cat.strRef or series.cat.numRef).f)]
        if references != [f"仿真!{values}", f"仿真!{categories}"] or chart.barDir != direction:
            problems.append(f"{title}: {chart.barDir} chart of {references}")
        if rich_text(chart.title) != title:
            problems.append(f"chart title {rich_text(chart.title)!r}")
    return problems + check_printed_pages(book, path, expected) + upright(book.worksheets[1:])


def check(path, expected):
    book = openpyxl.load_workbook(path)
    if expected.get("headingRow"):
        return check_sizing(book, path, expected)
    if expected.get("simulation"):
        return check_simulation(book, path, expected)
    sheet, table = book.worksheets[0], "chartRow" in expected
    problems = [] if book.active is sheet else ["the first sheet is not the active sheet"]
    if book.sheetnames[1:] != (["计算书", "图表"] if table else ["计算书"]):
        problems.append(f"sheets {book.sheetnames}")
    problems += check_cells(sheet, expected) + check_widths(sheet, 13 if table else 5) + upright(book.worksheets[1:])
    # The single result one page wide; the load table at full size over its pages, its keys and
    # headings on each.
    wanted = ("9", "landscape", None, "$5:$5", "$D:$D") if table else ("9", "landscape", (1, 0), None, None)
    if page_setup(sheet) != wanted:
        problems.append(f"page setup {page_setup(sheet)}, expected {wanted}")
    problems += check_printed_pages(book, path, expected)
    for row, points in ((1, 16), (4, 14)):
        if (sheet.row_dimensions[row].height or 15) < points * 1.3:
            problems.append(f"row {row} height {sheet.row_dimensions[row].height} for a {points} pt heading")
    with zipfile.ZipFile(path) as package, open(path, "rb") as raw:
        data = raw.read()
        # Each entry's own header agrees with the directory, which some readers never consult.
        for info in package.infolist():
            header = struct.unpack_from("<IHHHHHIIIHH", data, info.header_offset)
            listed = (info.compress_type, info.CRC, info.compress_size, info.file_size)
            if header[0] != 0x04034B50 or header[2] & 8 == 0 and (header[3],) + header[6:9] != listed:
                problems.append(f"{info.filename}: local header {header}, directory {listed}")
        if b"spreadsheetml.template.main+xml" not in package.read("[Content_Types].xml"):
            problems.append("the workbook part is not declared a template")
        for name in (n for n in package.namelist() if n.startswith("xl/charts/chart")):
            # Chinese in a chart is drawn in its East Asian face, which must be named too.
            if package.read(name).count(f'<a:ea typeface="{FONT}"/>'.encode()) < 3:
                problems.append(f"{name} names no East Asian face {FONT}")
    if not sheet.print_options.gridLines or sheet.sheet_view.showGridLines is False:
        problems.append("gridlines not printed, or hidden on screen")
    return problems + (check_charts(book, expected["chartRow"]) if "图表" in book.sheetnames else [])


if __name__ == "__main__":
    with open(sys.argv[2], encoding="utf-8") as handle:
        PROBLEMS = check(sys.argv[1], json.load(handle))
    print("\n".join(PROBLEMS))
    sys.exit(1 if PROBLEMS else 0)
