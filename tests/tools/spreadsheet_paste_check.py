#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What "Copier les mesures" puts on the clipboard, read by LibreOffice Calc as a paste of text is
read under French settings (tab-separated, French numbers): every value must become a number, the
very number the text says, and only the header row and the last row's empty fields be no number.

    spreadsheet_paste_check.py SOFFICE MEMORY_RUN_TOOL...
"""

import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"

# Sheet 3's ellipse for a hundredth of a year: 88 rows, their numbers large and small.
RUN = ["G1=13271244", "x1=1,9", "y1=1", "G2=0", "xs=1,9", "ys=0,1", "vx=25000", "vy=0", "Text1=0,01"]


def cells(row):
    """A row's cells as (type, value, text), repeated cells spelled out."""
    out = []
    for cell in row.findall(f"{{{TABLE}}}table-cell"):
        repeat = int(cell.get(f"{{{TABLE}}}number-columns-repeated", "1"))
        text = "".join(p.text or "" for p in cell.findall(f"{{{TEXT}}}p"))
        out += [(cell.get(f"{{{OFFICE}}}value-type"), cell.get(f"{{{OFFICE}}}value"), text)] * repeat
    return out


def main():
    soffice, tool = sys.argv[1], sys.argv[2:]
    copied = subprocess.run(tool + ["--copy"] + RUN, check=True, capture_output=True).stdout.decode("utf-8")
    lines = [line.split("\t") for line in copied.split("\r\n") if line]
    with tempfile.TemporaryDirectory() as folder:
        pasted = os.path.join(folder, "colle.txt")
        with open(pasted, "w", encoding="utf-8", newline="") as out:
            out.write(copied)
        # Tab-separated, '"' around texts, UTF-8, from line 1, French (1036) numbers: a paste of
        # text into Calc under French settings.
        subprocess.run([soffice, "--headless", f"-env:UserInstallation=file://{folder}/profile",
                        "--infilter=Text - txt - csv (StarCalc):9,34,76,1,,1036",
                        "--convert-to", "fods", "--outdir", folder, pasted],
                       check=True, capture_output=True, timeout=300)
        table = ElementTree.parse(os.path.join(folder, "colle.fods"))
    rows = [cells(row) for row in table.iter(f"{{{TABLE}}}table-row")][: len(lines)]
    faults = []
    for number, (line, row) in enumerate(zip(lines, rows)):
        for column, field in enumerate(line):
            kind, value, _ = row[column] if column < len(row) else (None, None, "")
            if number == 0 or field == "":
                if kind == "float":
                    faults.append(f"row {number + 1}, column {column + 1}: {field!r} became a number")
            elif kind != "float" or float(value) != float(field.replace(",", ".")):
                faults.append(f"row {number + 1}, column {column + 1}: {field!r} became {kind} {value!r}")
    if len(rows) != len(lines) or len(lines) < 50:
        faults.append(f"{len(lines)} lines copied, {len(rows)} rows pasted")
    for fault in faults[:20]:
        print(fault)
    print(f"{len(lines)} rows of {len(lines[0])} columns pasted; {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
