#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the very Python lines of the practical sheets (the one ```python block of
docs/fiches-tp.md) on CSV files the program saved, as a student would, and checks that they
print what the sheet quotes: the whole output for the sheet's own run (the ```text block after
the Python), and one row of its Kepler table for each run.

    sheet_python_check.py SHEETS SHEET_FILES_TOOL...

The tool is a command: the program itself, or an emulator and the program (Wine for a Windows
build, Node for a WebAssembly one), so that the same check runs on every build of the tool.
"""

import os
import subprocess
import sys
import tempfile


def fenced_blocks(lines, language):
    """The blocks fenced as ```language, each with the index of its first line."""
    blocks, inside, start = [], None, 0
    for number, line in enumerate(lines):
        stripped = line.strip()
        if inside is None and stripped == "```" + language:
            inside, start = [], number
        elif inside is not None and stripped == "```":
            blocks.append((start, inside))
            inside = None
        elif inside is not None:
            inside.append(line)
    return blocks


def unindented(block):
    """A block as written inside a list item: its common indent taken off."""
    indent = min((len(line) - len(line.lstrip(" ")) for line in block if line.strip()), default=0)
    return [line[indent:] for line in block]


def value_of(output, name):
    """The value printed on the line "name : value", as the sheet writes it (decimal comma)."""
    for line in output.splitlines():
        if line.startswith(name + " : "):
            return line[len(name) + 3:].split(" ")[0].replace(".", ",")
    raise SystemExit(f"the sheet's Python printed no \"{name} : \" line:\n{output}")


def main():
    sheets, tool = sys.argv[1], sys.argv[2:]
    with open(sheets, encoding="utf-8") as file:
        lines = file.read().splitlines()
    python = fenced_blocks(lines, "python")
    if len(python) != 1:
        raise SystemExit(f"the sheets hold {len(python)} Python blocks, not one")
    python_start, script = python[0]
    quoted_outputs = [block for start, block in fenced_blocks(lines, "text") if start > python_start]
    if not quoted_outputs:
        raise SystemExit("no ```text block after the Python quotes what it prints")
    quoted_output = "\n".join(unindented(quoted_outputs[0]))
    table = {line.strip() for line in lines}

    failures = []
    with tempfile.TemporaryDirectory() as folder:
        speeds = subprocess.run([*tool, "measurements", folder], check=True, capture_output=True,
                                text=True).stdout.split()
        if not speeds:
            raise SystemExit("the tool made no run")
        for number, speed in enumerate(speeds):
            run_folder = os.path.join(folder, speed)
            with open(os.path.join(run_folder, "analyse.py"), "w", encoding="utf-8") as file:
                file.write("\n".join(unindented(script)) + "\n")
            result = subprocess.run([sys.executable, "analyse.py"], cwd=run_folder, capture_output=True,
                                    text=True, encoding="utf-8", timeout=30)
            if result.returncode != 0:
                failures.append(f"vx = {speed}: the sheet's Python failed:\n{result.stderr}")
                continue
            output = result.stdout.rstrip("\n")
            if number == 0 and output != quoted_output:
                failures.append(f"vx = {speed}: the sheet quotes\n{quoted_output}\nbut its Python prints\n{output}")
            row = "| `{}` | {} | {} | {} |".format(speed, value_of(output, "Période"),
                                                   value_of(output, "Demi-grand axe"), value_of(output, "T²/a³"))
            if row not in table:
                failures.append(f"vx = {speed}: the sheets lack the row {row}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
