#!/usr/bin/python3
"""check_calculation_sheet.py SINGLE.xlsx TABLE.xlsx: reads back the calculation sheets of the
worked case and of its load sweep, prints every difference and exits 1 when there is any."""
import sys

import openpyxl

# The worked case's figures, worked by hand from the formulas; compared to the digits given.
WORKED = {"P_up": "3.9", "P_dn": "2.6", "S_up": "3.3695075", "S_dn": "2.3962028", "HR": "8.4267134",
          "da": "5.113885", "ta": "6.84444", "t_x": "5.6658643", "T_f": "51.56469", "t_d": "4.5",
          "t_p": "0.95", "T_d": "25.9456965", "T_p": "14.0594162", "T_l": "2.0002556", "RTT": "93.570058"}


def calculation_sheet(path, problems):
    book = openpyxl.load_workbook(path)
    if book.sheetnames[1:2] != ["计算书"] or book.active is not book.worksheets[0]:
        problems.append(f"{path}: sheets {book.sheetnames}, active {book.active.title}")
    sheet = book["计算书"]
    setup = sheet.page_setup  # an absent fitToWidth means one page wide
    if (str(setup.paperSize), setup.orientation, setup.fitToWidth or 1, setup.fitToHeight) != ("9", "landscape", 1, 0) \
            or not sheet.sheet_properties.pageSetUpPr.fitToPage:
        problems.append(f"{path}: page setup {setup.paperSize} {setup.orientation} {setup.fitToWidth}x{setup.fitToHeight}")
    return book, {row[0].value: row for row in sheet.iter_rows() if row[0].value}


def shown(value, digits):
    return f"{value:.{digits}f}" if isinstance(value, (int, float)) else f"text {value!r}"


def check(single_path, table_path):
    problems = []
    _, rows = calculation_sheet(single_path, problems)
    for symbol, text in WORKED.items():
        digits = len(text.partition(".")[2])
        cell = rows[symbol][3] if symbol in rows else None
        value = cell.value if cell else None
        if shown(value, digits) != f"{float(text):.{digits}f}":
            problems.append(f"{symbol}: {shown(value, digits)}, expected {text}")
        # The sheet must also show the figure to at least those digits.
        elif len(cell.number_format.partition(".")[2].rstrip(";@")) < digits:
            problems.append(f"{symbol}: shown as {cell.number_format!r}, fewer than {digits} decimals")

    book, rows = calculation_sheet(table_path, problems)
    # Each load's column against the round trip time of its row in the load table.
    table = {row[3].value: row[6].value for row in book.worksheets[0].iter_rows(min_row=6, max_row=21)}
    keys = [cell.value for cell in rows["符号"][4:]]
    if keys != list(table):
        problems.append(f"load columns {keys}, table rows {list(table)}")
    for key, cell in zip(keys, rows["RTT"][4:]):
        if shown(cell.value, 3) != shown(table.get(key), 3):
            problems.append(f"{key}: RTT {cell.value}, table {table.get(key)}")
    return problems


if __name__ == "__main__":
    PROBLEMS = check(sys.argv[1], sys.argv[2])
    print("\n".join(PROBLEMS))
    sys.exit(1 if PROBLEMS else 0)
