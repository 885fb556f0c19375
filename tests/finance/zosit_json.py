#!/usr/bin/python3
"""Prints what a test needs to know of a workbook as JSON: per sheet its name, merges,
column widths, row heights and every non-empty or bordered cell with value and format."""
import json
import sys

import openpyxl


def cell_info(c):
    v = c.value
    if hasattr(v, "isoformat"):
        v = v.isoformat()
    b = c.border
    return {
        "v": v,
        "fmt": c.number_format,
        "bold": bool(c.font.b),
        "font": c.font.name,
        "size": c.font.sz,
        "h": c.alignment.horizontal,
        "vc": c.alignment.vertical,
        "wrap": bool(c.alignment.wrap_text),
        "borders": "".join(s[0] for s in ("left", "right", "top", "bottom")
                           if getattr(b, s).style == "thin"),
    }


wb = openpyxl.load_workbook(sys.argv[1])
out = []
for ws in wb.worksheets:
    cells = {}
    for row in ws.iter_rows():
        for c in row:
            if c.value is not None or c.border.left.style:
                cells[c.coordinate] = cell_info(c)
    out.append({
        "name": ws.title,
        "merges": sorted(str(r) for r in ws.merged_cells.ranges),
        "widths": {k: d.width for k, d in ws.column_dimensions.items() if d.width},
        "heights": {str(k): d.height for k, d in ws.row_dimensions.items() if d.height},
        "cells": cells,
    })
json.dump(out, sys.stdout, ensure_ascii=False)
