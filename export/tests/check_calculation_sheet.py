#!/usr/bin/python3
"""check_calculation_sheet.py CASE SINGLE.xlsx TABLE.xlsx: reads back the calculation sheets of a
case ("worked" or "office") and of its load sweep, prints every difference and exits 1 when there is any."""
import math
import sys

import openpyxl

LOW = {"A": 1.26984, "B": 0.7, "C": 2.4, "D": 2.53968, "E": 0.49, "F": 2.53968, "G": 0.7, "K": 5.07936}
MIDDLE = {"A": 1.111111, "B": 1.25, "C": 2.5, "D": 2.22222, "E": 1.5625, "F": 2.22222, "G": 1.25, "K": 4.44444}
SPEED_CLASSES = "v ≤ 2 m/s 低速；2 < v < 5 m/s 中速；v ≥ 5 m/s 高速"

# Worked by hand and with a model written from the published formulas, tables and targets.
# single: symbol -> value; machine: the structural-load terms and shaft row; conclusion:
# symbol -> (value, target, margin, verdict); table: load -> (cars, HC(T) %, interval, verdict);
# inputs: name -> (formula, value, unit) of the rows the calculation takes as entered.
CASES = {
    "worked": {
        "coefficients": LOW,
        "single": {"P_up": 3.9, "P_dn": 2.6, "S_up": 3.3695075, "S_dn": 2.3962028, "HR": 8.4267134,
                   "da": 5.113885, "ta": 6.84444, "t_x": 5.6658643, "T_f": 51.56469, "t_d0": 4.5, "Δt_a": 0,
                   "Δt_o": 0, "t_d": 4.5, "t_p": 0.95, "T_d": 25.9456965, "T_p": 14.0594162, "T_l": 2.0002556,
                   "RTT": 93.570058, "W": 900},
        "machine": {"Q_e": 1000, "f": 300, "n_r": 4, "c": 2300, "w": 2800, "r": 120, "G_m": 1500, "γ": 1.25,
                    "W_s": 17425, "W_s kN": 170.88087625, "井深": 1.7, "井顶缓冲高度": 4.9},
        "conclusion": {"HC(T) %": (8.336, 6, 2.336, "满足"), "INT": (46.785029, 60, 13.214971, "满足")},
        "inputs": {"评估载重": ("输入载重按 75 kg 向下取整", 975, "kg"), "人数分配": (None, "每层平均分配", None),
                   "速度等级": (SPEED_CLASSES, "低速", None), "电梯门类型": (None, "2CO", None),
                   "开门宽度（门表行）": ("输入宽度归入标准宽度", 900, "mm"), "电梯预先开门": (None, "无", None),
                   "折耗率": ("输入", 5, "%"), "上行百分比": ("输入", 30, "%"), "下行百分比": ("输入", 20, "%")},
        "overall": "满足",
        "table": {"675/9": (2, 7.433858, 36.320307, "满足"), "1350/18": (2, 9.2328, 58.487135, "满足"),
                  "1425/19": (2, 9.392783, 60.684888, "不满足"), "1800/24": (2, 10.128928, 71.083535, "不满足")},
    },
    "office": {
        "coefficients": MIDDLE,
        "single": {"P_up": 14.4, "P_dn": 1.8, "S_up": 8.5721172, "S_dn": 1.739658, "HR": 11.6226652,
                   "da": 10.0694437, "ta": 8.05555, "t_x": 5.3873953, "T_f": 74.7079926, "t_d0": 6.3, "Δt_a": 1,
                   "Δt_o": 1, "t_d": 4.3, "t_p": 0.9, "T_d": 44.3406333, "T_p": 36.9150712, "T_l": 8.1255704,
                   "RTT": 164.0892675, "W": 1000},
        "machine": {"Q_e": 1350, "f": 400, "n_r": 6, "c": 3100, "w": 3775, "r": 252, "G_m": 1500, "γ": 1.25,
                    "W_s": 23067.5, "W_s kN": 226.214898875, "井深": 2.5, "井顶缓冲高度": 5.2},
        "conclusion": {"HC(T) %": (9.872675, 12, -2.127325, "不满足"), "INT": (41.022317, 30, -11.022317, "不满足")},
        "inputs": {"评估载重": ("输入载重按 75 kg 向下取整", 1350, "kg"), "人数分配": (None, "每层平均分配", None),
                   "速度等级": (SPEED_CLASSES, "中速", None), "电梯门类型": (None, "2SO", None),
                   "开门宽度（门表行）": ("输入宽度归入标准宽度", 1000, "mm"), "电梯预先开门": (None, "有", None),
                   "折耗率": ("输入", 10, "%"), "上行百分比": ("输入", 80, "%"), "下行百分比": ("输入", 10, "%")},
        "overall": "不满足",
        "table": {"750/10": (7, 13.722074, 16.396939, "满足"), "825/11": (6, 12.191934, 20.300307, "满足"),
                  "1200/16": (6, 14.111694, 25.510758, "满足"), "1275/17": (5, 12.053665, 31.733087, "不满足"),
                  "1800/24": (5, 13.947416, 38.716849, "不满足")},
    },
}
SINGLE_SECTIONS = ["输入数据（计算所用值）", "计算过程", "电梯机房结构荷载、井深及井顶缓冲高度", "结果（与结果窗口显示一致）",
                   "估算（超出上行高峰计算范围）", "结论（与设计目标比较）"]
TABLE_SECTIONS = ["输入数据（计算所用值，各额定载重相同，列于第一列）", "计算过程（每种额定载重一列）", "结论（满足 HC 目标所需电梯数量）"]
RESULTS = {"RTT", "INT", "HC(T) %", "HC(P)", "HC(P) %", "W_s"}
INTERMEDIATES = {"P_up", "S_up", "HR", "da", "ta", "t_x", "T_f", "T_d", "T_p", "T_l"}
# The printable width of A4 landscape between the default margins of 0.7 inch, in points.
PRINTABLE_WIDTH = 842 - 2 * 0.7 * 72


def close(actual, expected):
    return isinstance(actual, (int, float)) and math.isclose(actual, expected, rel_tol=2e-7, abs_tol=2e-6)


def column_points(sheet, letter):
    dimension = sheet.column_dimensions.get(letter)
    width = dimension.width if dimension is not None and dimension.width else 8.43
    # LibreOffice prints a width unit of these workbooks at about 9.3 px (96 per inch), wider
    # than Excel's 7 px; the larger one is taken.
    return (width * 9.5 + 5) * 0.75


def fits_to_width(sheet):
    properties = sheet.sheet_properties.pageSetUpPr
    return bool(properties and properties.fitToPage)


def page_setup(sheet):
    """A4 (paper 9) and the orientation; pages a fitted sheet's width takes (an absent
    fitToWidth means 1) and its height (0: as many as needed); the rows and columns printed
    on every page."""
    setup = sheet.page_setup
    fitted = (setup.fitToWidth or 1, setup.fitToHeight) if fits_to_width(sheet) else None
    return str(setup.paperSize), setup.orientation, fitted, sheet.print_title_rows, sheet.print_title_cols


def row_points(sheet, row):
    dimension = sheet.row_dimensions.get(row)
    return dimension.height if dimension is not None and dimension.height else 15


def fitted_scale(sheet):
    if not fits_to_width(sheet):
        return 1.0
    used = {cell.column_letter for row in sheet.iter_rows() for cell in row if cell.value is not None}
    return min(1.0, PRINTABLE_WIDTH / max(1, sum(column_points(sheet, letter) for letter in used)))


def break_problems(sheet, title, headings, blocks):
    """Where the pages end, as the written breaks say: never right after a heading, never inside
    a block that prints whole, and each page as the breaks cut it fits on A4 between the margins
    at the sheet's scale, so that the spreadsheet needs no break of its own."""
    breaks = [brk.id for brk in sheet.row_breaks.brk]
    problems = [f"{title}: a page ends with the heading in row {b}" for b in breaks if b in headings]
    problems += [f"{title}: a page ends at row {b}, inside rows {first} to {last}"
                 for b in breaks for first, last in blocks if first <= b < last]
    paper = 595.3 if sheet.page_setup.orientation == "landscape" else 841.9
    room = paper - 2 * 0.75 * 72
    titles = sheet.print_title_rows
    first_title, last_title = (int(part.strip("$")) for part in titles.split(":")) if titles else (0, -1)
    repeated = sum(row_points(sheet, row) for row in range(first_title, last_title + 1))
    scale = fitted_scale(sheet)
    for start, end in zip([1] + [b + 1 for b in breaks], breaks + [sheet.max_row]):
        points = sum(row_points(sheet, row) for row in range(start, end + 1))
        points += repeated if start > last_title else 0
        if points * scale > room:
            problems.append(f"{title}: rows {start} to {end} take {points * scale:.0f} pt, a page {room:.0f}")
    return problems


def calculation_breaks(sheet, title):
    """The sections' titles head their first rows, the conclusion prints whole, and the block to
    sign prints with the row it closes."""
    rows = list(sheet.iter_rows(min_row=3, max_col=4))
    filled = {row[0].row for row in rows if any(cell.value is not None for cell in row)}
    headings = {row[0].row for row in rows if row[0].font.b and row[0].value and all(c.value is None for c in row[1:])}
    blocks = []
    for row in rows:
        text = str(row[0].value or "")
        if text.startswith("结论"):
            end = row[0].row
            while end + 1 in filled:
                end += 1
            blocks.append((row[0].row, end))
        if text == "签署":
            blocks.append((max(r for r in filled if r < row[0].row), row[0].row + 4))
    if len(blocks) != 2:
        return [f"{title}: conclusion and block to sign {blocks}"]
    return break_problems(sheet, title, headings, blocks)


def page_problems(sheet, title):
    """No text prints under 9 pt; headers and footers are read back from the exported workbooks."""
    problems, fit = [], fits_to_width(sheet)
    scale = 1.0
    if fit and sheet.max_column > 1:
        used = {cell.column_letter for row in sheet.iter_rows() for cell in row if cell.value is not None}
        scale = min(1.0, PRINTABLE_WIDTH / max(1, sum(column_points(sheet, letter) for letter in used)))
    smallest = min(((cell.font.sz or 11) for row in sheet.iter_rows() for cell in row if cell.value is not None),
                   default=11)
    if smallest * scale < 9:
        problems.append(f"{title}: text prints at {smallest * scale:.1f} pt")
    return problems


def calculation_sheet(path, case, problems, table):
    book = openpyxl.load_workbook(path)
    sheet = book["计算书"]
    # The single result prints one page wide; the load table at full size over its pages.
    wanted = ("9", "landscape", None if table else (1, 0), "$2:$2", "$A:$D" if table else None)
    if page_setup(sheet) != wanted:
        problems.append(f"{path}: page setup {page_setup(sheet)}, expected {wanted}")
    problems += page_problems(sheet, "计算书") + page_problems(book["Sheet1"], "输入数据与结果")
    problems += calculation_breaks(sheet, f"{path} 计算书")
    if table:
        problems += page_problems(book["图表"], "图表")
        # Each chart on a page of its own at full size, the second from row 29.
        chart = book["图表"]
        if fits_to_width(chart) or [brk.id for brk in chart.row_breaks.brk] != [28]:
            problems.append(f"图表: fitted {fits_to_width(chart)}, page breaks {chart.row_breaks.brk}")
    rows = {}
    for row in sheet.iter_rows():
        if row[0].value or row[1].value:
            rows.setdefault(row[0].value or "", []).append(row)
    # The sections in order, each title alone in its row, and the block to sign at the end.
    outline = [row[0].value for row in sheet.iter_rows(max_col=4)
               if row[0].value and row[0].font.b and all(cell.value is None for cell in row[1:])]
    sections = TABLE_SECTIONS if table else SINGLE_SECTIONS
    if outline != ["计算书", "计算依据"] + sections + ["签署", "计算", "校对", "审核", "日期"]:
        problems.append(f"{path}: sections {outline}")
    # The column headings and every verdict print bold.
    for cell in (cell for row in sheet.iter_rows() for cell in row):
        if (cell.row == 2 and cell.value is not None or cell.value in ("满足", "不满足")) and not cell.font.b:
            problems.append(f"{path}: {cell.coordinate} {cell.value!r} not bold")
    text = " ".join(str(cell.value) for row in sheet.iter_rows() for cell in row if cell.value is not None)
    for needed in ("上行高峰总行程时间", "CIBSE Guide D (Barney)", "不足 1 时按 1 计", "四扇中分门",
                   "上行或下行百分比大于 100 时拒绝计算"):
        if needed not in text:
            problems.append(f"{path}: the basis does not say {needed!r}")
    return book, rows


def expect(problems, where, cell, value, number_format=None):
    if not close(cell.value, value):
        problems.append(f"{where}: {cell.value!r}, expected {value}")
    elif number_format is not None and cell.number_format != number_format:
        problems.append(f"{where}: shown as {cell.number_format!r}, expected {number_format!r}")


def check(name, single_path, table_path):
    case, problems = CASES[name], []
    book, rows = calculation_sheet(single_path, case, problems, False)
    sheet = book["计算书"]
    value = lambda symbol, index=0: rows[symbol][index][3] if len(rows.get(symbol, [])) > index else None
    for symbol, number in {**case["coefficients"], **case["single"]}.items():
        form = "0.0000" if symbol in INTERMEDIATES else "0.000" if symbol in RESULTS else None
        if value(symbol) is None:
            problems.append(f"no row {symbol}")
        else:
            expect(problems, symbol, value(symbol), number, form)
    shaft = {row[1].value: row for row in rows.get("", []) if row[1].value in ("井深", "井顶缓冲高度")}
    for symbol, number in case["machine"].items():
        cell = value("W_s", 1) if symbol == "W_s kN" else shaft[symbol][3] if symbol in shaft else value(symbol)
        if cell is None:
            problems.append(f"no row {symbol}")
        else:
            expect(problems, symbol, cell, number)
    # Each figure's row of the conclusion, followed by its target, margin and verdict.
    cells = list(sheet.iter_rows())
    for symbol, (figure, target, margin, verdict) in case["conclusion"].items():
        at = rows[symbol][-1][0].row - 1
        names = [row[1].value for row in cells[at:at + 4]]
        if names[1:] != ["目标", "裕量", "判定"]:
            problems.append(f"conclusion {symbol}: rows {names}")
            continue
        expect(problems, f"conclusion {symbol}", cells[at][3], figure, "0.000")
        expect(problems, f"conclusion {symbol} target", cells[at + 1][3], target)
        expect(problems, f"conclusion {symbol} margin", cells[at + 2][3], margin, "0.000")
        if cells[at + 3][3].value != verdict:
            problems.append(f"conclusion {symbol}: {cells[at + 3][3].value!r}, expected {verdict}")
    named = {row[1].value: row for row in cells if row[1].value}
    for name, wanted in case["inputs"].items():
        shown = [cell.value for cell in named[name][2:5]] if name in named else None
        if shown != list(wanted):
            problems.append(f"input row {name}: {shown}, expected {list(wanted)}")
    overall = [row for row in rows.get("", []) if row[1].value == "综合结论"]
    if not overall or overall[0][3].value != case["overall"]:
        problems.append(f"overall verdict {overall[0][3].value if overall else None!r}, expected {case['overall']}")

    book, rows = calculation_sheet(table_path, case, problems, True)
    # Each load's column against the round trip time of its row in the load table.
    table = {row[3].value: row[6].value for row in book.worksheets[0].iter_rows(min_row=6, max_row=21) if row[6].value}
    keys = [cell.value for cell in rows["符号"][0][4:] if cell.value]
    if keys != list(table):
        problems.append(f"load columns {keys}, table rows {list(table)}")
    for key, cell in zip(keys, rows["RTT"][0][4:]):
        if round(cell.value, 3) != table.get(key) or cell.number_format != "0.000":
            problems.append(f"{key}: RTT {cell.value} as {cell.number_format}, table {table.get(key)}")
    conclusion = {row[1].value: row for row in rows.get("", []) if row[1].value in ("间隔是否满足目标",)}
    for key, (cars, percent, interval, verdict) in case["table"].items():
        at = 4 + keys.index(key) if key in keys else None
        if at is None:
            problems.append(f"no column {key}")
            continue
        expect(problems, f"{key} cars", rows["L"][-1][at], cars)
        expect(problems, f"{key} HC(T) %", rows["HC(T) %"][-1][at], percent, "0.000")
        expect(problems, f"{key} interval", rows["INT"][-1][at], interval, "0.000")
        if conclusion["间隔是否满足目标"][at].value != verdict:
            problems.append(f"{key}: interval verdict {conclusion['间隔是否满足目标'][at].value!r}, expected {verdict}")
    return problems


if __name__ == "__main__":
    PROBLEMS = check(sys.argv[1], sys.argv[2], sys.argv[3])
    print("\n".join(PROBLEMS))
    sys.exit(1 if PROBLEMS else 0)
