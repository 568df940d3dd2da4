#!/usr/bin/python3
# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks, on a box framed by openbox, that the title bar shows the whole title.

Measures the title with FreeType (Pillow) in the font file that fontconfig gives for the
window manager's title font, then reads openbox's title bar: the label window that openbox
sized for the text (xwininfo), and the pixels of the text drawn in it (a screenshot).

    box_title_fits.py WINDOW TITLE FONT_FILE PIXEL_SIZE SCREENSHOT
"""
import re
import subprocess
import sys

from PIL import Image, ImageFont


def children(window):
    """The direct children of a window: (id, x, y, width, height, viewable)."""
    out = subprocess.run(["xwininfo", "-children", "-id", window], capture_output=True, text=True, check=True).stdout
    found = []
    for match in re.finditer(r"^\s+(0x[0-9a-f]+) .*?:\s+\(.*?\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)",
                             out, re.MULTILINE):
        child, width, height, _, _, x, y = match.groups()
        state = subprocess.run(["xwininfo", "-id", child], capture_output=True, text=True, check=True).stdout
        found.append((child, int(x), int(y), int(width), int(height), "IsViewable" in state))
    return found


def parent(window):
    out = subprocess.run(["xwininfo", "-children", "-id", window], capture_output=True, text=True, check=True).stdout
    return re.search(r"Parent window id: (0x[0-9a-f]+)", out).group(1)


def title_label(box):
    """Openbox's label window: in the title bar (the frame's child holding the buttons), the
    shown child that is not a square (the icon and the buttons are)."""
    frame = parent(box)
    for child in children(frame):
        shown = [c for c in children(child[0]) if c[5]]
        squares = [c for c in shown if c[3] == c[4]]
        others = [c for c in shown if c[3] != c[4]]
        if len(squares) >= 2:  # the icon and at least a close button: the title bar
            return (others[0] if others else None), squares
    return None, []


def ink_columns(screenshot, label):
    """The columns of the label where something differs from the label's background."""
    _, x, y, width, height, _ = label
    image = Image.open(screenshot).convert("RGB")
    background = [image.getpixel((x, y + row)) for row in range(height)]
    inked = []
    for column in range(width):
        for row in range(height):
            pixel = image.getpixel((x + column, y + row))
            if sum(abs(a - b) for a, b in zip(pixel, background[row])) > 60:
                inked.append(column)
                break
    return inked


def main():
    box, title, font_file, pixels, screenshot = sys.argv[1:6]
    font = ImageFont.truetype(font_file, int(pixels))
    advance = font.getlength(title)
    left, _, right, _ = font.getbbox(title)
    ink = right - left
    label, squares = title_label(box)
    if label is None:
        print(f"{title!r}: openbox shows no title label at all (the bar holds {len(squares)} icon and buttons)")
        return 1
    inked = ink_columns(screenshot, label)
    drawn = inked[-1] - inked[0] + 1 if inked else 0
    print(f"{title!r}: needs {advance:.1f} px ({ink} px of ink) in {pixels} px bold; "
          f"openbox's label is {label[3]} px wide, its text {drawn} px of ink; "
          f"{len(squares)} icon and buttons")
    failed = False
    # Openbox sizes the label to the text when it fits and cuts the text with an ellipsis when
    # it does not; a pixel's worth of rounding apart, both must hold the whole title.
    if label[3] + 1 < advance:
        print(f"  the label is narrower than the title: the title is cut")
        failed = True
    if abs(drawn - ink) > 2:
        print(f"  the text drawn is not the whole title ({drawn} px of ink for {ink} px)")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
