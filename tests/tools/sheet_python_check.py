#!/usr/bin/env python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the very Python lines of the practical sheets (the ```python blocks of
docs/fiches-tp.md) on CSV files the program saved, as a student would, and checks that they print
what the sheets quote. Each block names its file on its first line ("# periode.py ..."); the tool
makes the runs of each and saves them in folders, under the names the program offers ("<script>
<folder>" a line): a block reads every file of its folder. The ```text blocks that follow a block,
before the next one, quote what it prints in each of its folders, in order, one block a folder.
The figures of each file's "Période" also stand in the sheet's table of the third law, in the
row of the file's start speed.

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


def value_of(section, name):
    """The value printed on the line "name : value", as the sheet writes it (decimal comma)."""
    for line in section:
        if line.startswith(name + " : "):
            return line[len(name) + 3:].split(" ")[0].replace(".", ",")
    raise SystemExit(f"the sheet's Python printed no \"{name} : \" line:\n" + "\n".join(section))


def sections(output):
    """The lines printed for each file, each section starting with the file's name."""
    found = []
    for line in output.splitlines():
        if line.startswith("mesures-"):
            found.append([line])
        elif found:
            found[-1].append(line)
    return found


def start_speed(heading):
    """The start speed a file's heading gives: "mesures-….csv (vitesse x au départ : 25000 m/s)"."""
    marker = "vitesse x au départ : "
    if marker not in heading:
        raise SystemExit(f"the sheet's Python gives no start speed in {heading!r}")
    return heading[heading.index(marker) + len(marker):].split(" ")[0]


def script_name(block):
    """The file a block is saved as, from its first line: "# periode.py : ..." gives "periode"."""
    first = block[0].strip() if block else ""
    if not first.startswith("# ") or ".py" not in first:
        raise SystemExit(f"a Python block does not name its file on its first line: {first!r}")
    return first[2:first.index(".py")]


def main():
    sheets, tool = sys.argv[1], sys.argv[2:]
    with open(sheets, encoding="utf-8") as file:
        lines = file.read().splitlines()
    blocks = fenced_blocks(lines, "python")
    texts = fenced_blocks(lines, "text")
    scripts = {}
    for number, (start, block) in enumerate(blocks):
        end = blocks[number + 1][0] if number + 1 < len(blocks) else len(lines)
        quoted = ["\n".join(unindented(text)) for begin, text in texts if start < begin < end]
        if not quoted:
            raise SystemExit(f"no ```text block after the Python of line {start + 1} quotes what it prints")
        scripts[script_name(unindented(block))] = (unindented(block), quoted)
    table = [line.strip() for line in lines if line.strip().startswith("|")]

    failures = []
    with tempfile.TemporaryDirectory() as folder:
        runs = [line.split() for line in subprocess.run([*tool, "measurements", folder], check=True,
                                                         capture_output=True, text=True).stdout.splitlines()]
        if {script for script, _ in runs} != set(scripts):
            raise SystemExit(f"the tool made runs for {sorted({s for s, _ in runs})}, the sheets hold {sorted(scripts)}")
        for script, (_, quoted) in scripts.items():
            folders = sum(1 for made, _ in runs if made == script)
            if folders != len(quoted):
                failures.append(f"{script}: the sheets quote {len(quoted)} outputs, the tool made {folders} folders")
        done = {script: 0 for script in scripts}
        for script, run in runs:
            code, quoted = scripts[script]
            number = done[script]
            done[script] += 1
            run_folder = os.path.join(folder, run)
            with open(os.path.join(run_folder, script + ".py"), "w", encoding="utf-8") as file:
                file.write("\n".join(code) + "\n")
            result = subprocess.run([sys.executable, script + ".py"], cwd=run_folder, capture_output=True,
                                    text=True, encoding="utf-8", timeout=30)
            if result.returncode != 0:
                failures.append(f"{script} on {run}: the sheet's Python failed:\n{result.stderr}")
                continue
            output = result.stdout.rstrip("\n")
            if number < len(quoted) and output != quoted[number]:
                failures.append(f"{script} on {run}: the sheet quotes\n{quoted[number]}\nbut its Python prints\n{output}")
            for section in sections(output):
                if not any(line.startswith("Période : ") for line in section):
                    continue
                row = "| `{}` | {} | {} | {} |".format(start_speed(section[0]), value_of(section, "Période"),
                                                       value_of(section, "Demi-grand axe"), value_of(section, "T²/a³"))
                if not any(line.startswith(row) for line in table):
                    failures.append(f"{script} on {run}: the sheets lack a row starting {row}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
