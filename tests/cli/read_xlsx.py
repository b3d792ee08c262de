#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints an .xlsx workbook as JSON, as a spreadsheet program reads it: per sheet its frozen
pane, rows repeated on printed pages, column widths and every cell's value, cached value
of a formula, and number format. Runs under Debian's python3 (python3-openpyxl)."""
import json
import sys

import openpyxl


def cells(ws, cached):
    return [[{"value": c.value, "cached": cv.value, "format": c.number_format}
             for c, cv in zip(row, cached_row)]
            for row, cached_row in zip(ws.iter_rows(), cached.iter_rows())]


def main(path):
    book = openpyxl.load_workbook(path)
    values = openpyxl.load_workbook(path, data_only=True)
    sheets = []
    for ws in book.worksheets:
        sheets.append({
            "title": ws.title,
            "freeze": ws.freeze_panes,
            "print_rows": ws.print_title_rows,
            "paper": ws.page_setup.paperSize,
            "widths": {k: v.width for k, v in ws.column_dimensions.items()},
            "rows": cells(ws, values[ws.title]),
        })
    json.dump(sheets, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
