#!/usr/bin/python3
"""Reads back an exported workbook and compares it with what the export test expects.

Usage: check_workbook.py WORKBOOK EXPECTATIONS.json
The expectations hold every text cell of the first sheet with its heading size, the
fitted range and, for a load table workbook, the sheet rows the chart plots.
Prints one line per difference and exits 1 when there is any.
"""
import json
import sys
import unicodedata

import openpyxl
from openpyxl.utils import get_column_letter

WIDE_PUNCTUATION = set("\u2014\u2018\u2019\u201c\u201d\u2026")


def text_width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" or c in WIDE_PUNCTUATION else 1
               for c in text)


def characters(stored_width):
    """Column width as the spreadsheet shows it: the stored width includes 5 pixels of
    padding on a 7-pixel digit."""
    if stored_width is None:
        return None
    return (round(stored_width * 7) - 5) / 7


def shown_text(cell):
    """The text the spreadsheet shows for the cell's value and number format."""
    value = cell.value
    if value is None:
        return ""
    if isinstance(value, str):
        return value
    fmt = cell.number_format
    if fmt == "General":
        if float(value).is_integer() and abs(value) < 1e15:
            return str(int(value))
        return repr(float(value))
    if fmt == "0" or (fmt.startswith("0.") and set(fmt[2:]) == {"0"}):
        decimals = len(fmt) - 2 if fmt != "0" else 0
        return f"{value:.{decimals}f}"
    return f"<unexpected number format {fmt!r} for {value!r}>"


def check(path, expected):
    problems = []
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    if book.active is not sheet:
        problems.append("the first sheet is not the active sheet")

    cells = expected["cells"]
    seen = set()
    for row in sheet.iter_rows():
        for cell in row:
            text = shown_text(cell)
            if text == "":
                continue
            seen.add(cell.coordinate)
            want = cells.get(cell.coordinate)
            if want is None:
                problems.append(f"{cell.coordinate}: unexpected {text!r}")
            elif text != want["text"]:
                problems.append(f"{cell.coordinate}: {text!r}, expected {want['text']!r}")
            heading = want.get("heading", 0) if want else 0
            font = cell.font
            if heading:
                if not (font.b and font.i and font.sz == heading):
                    problems.append(f"{cell.coordinate}: font bold={font.b} italic={font.i} "
                                    f"size={font.sz}, expected bold italic {heading}")
            elif font.b or font.i:
                problems.append(f"{cell.coordinate}: bold or italic without being a heading")
    for coordinate, want in cells.items():
        if want["text"] and coordinate not in seen:
            problems.append(f"{coordinate}: empty, expected {want['text']!r}")

    # Columns fitted to the fit range only; C stays narrow.
    last_row, last_column = expected["fitRows"], expected["fitColumns"]
    for column in range(1, last_column + 1):
        letter = get_column_letter(column)
        dimension = sheet.column_dimensions.get(letter)
        width = characters(dimension.width) if dimension is not None and dimension.customWidth else None
        if letter == "C":
            if width != 2:
                problems.append(f"column C width {width}, expected 2")
            continue
        needed = 0
        for row in range(1, last_row + 1):
            want = cells.get(f"{letter}{row}")
            if want and want["text"]:
                scale = want.get("heading", 0) / 11 if want.get("heading", 0) else 1
                needed = max(needed, text_width(want["text"]) * scale)
        if needed == 0:
            if width is not None:
                problems.append(f"column {letter} width {width} though empty in the fit range")
        elif width is None or not needed <= width <= needed * 1.15 + 2:
            problems.append(f"column {letter} width {width}, contents of the fit range need {needed}")

    if sheet.page_setup.orientation != "landscape":
        problems.append(f"orientation {sheet.page_setup.orientation}")
    if not sheet.print_options.gridLines:
        problems.append("gridlines are not printed")
    if sheet.sheet_view.showGridLines is False:
        problems.append("gridlines are hidden on screen")

    chart_rows = expected.get("chartRows")
    if chart_rows is None:
        if len(book.worksheets) != 1:
            problems.append(f"sheets {book.sheetnames}, expected one")
    else:
        problems += check_charts(book, chart_rows)
    return problems


def check_charts(book, rows):
    problems = []
    if book.sheetnames[1:] != ["图表"]:
        return [f"sheets {book.sheetnames}, expected a second sheet 图表"]
    charts = book["图表"]._charts
    if len(charts) != 2:
        return [f"{len(charts)} charts on 图表, expected 2"]
    first, last = rows
    first_sheet = book.sheetnames[0]
    for chart, column in zip(charts, "GH"):
        if len(chart.series) != 1:
            problems.append(f"chart of column {column}: {len(chart.series)} series")
            continue
        series = chart.series[0]
        values = series.val.numRef.f.replace("'", "")
        categories = series.cat.strRef.f if series.cat.strRef else series.cat.numRef.f
        categories = categories.replace("'", "")
        if values != f"{first_sheet}!${column}${first}:${column}${last}":
            problems.append(f"chart values {values}")
        if categories != f"{first_sheet}!$D${first}:$D${last}":
            problems.append(f"chart categories {categories}")
        for axis, name in ((chart.x_axis, "x"), (chart.y_axis, "y")):
            title = axis.title
            text = "".join(run.t for p in title.tx.rich.p for run in (p.r or [])) if title else ""
            if not any("\u4e00" <= c <= "\u9fff" for c in text):
                problems.append(f"chart of column {column}: {name} axis title {text!r}")
        title = chart.title
        text = "".join(run.t for p in title.tx.rich.p for run in (p.r or [])) if title else ""
        if not any("\u4e00" <= c <= "\u9fff" for c in text):
            problems.append(f"chart of column {column}: title {text!r}")
    return problems


def main():
    with open(sys.argv[2], encoding="utf-8") as handle:
        expected = json.load(handle)
    problems = check(sys.argv[1], expected)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
