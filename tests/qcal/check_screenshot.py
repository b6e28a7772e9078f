#!/usr/bin/env python3
"""A screenshot of a terminal showing qcal: every character cell has the
terminal's own background, but for the cells whose colour was asked for,
which show the terminal's foreground as their background (the highlight in
reverse video); and the Sundays' red is there.

Usage: check_screenshot.py IMAGE CELL_WIDTH CELL_HEIGHT BACKGROUND FOREGROUND HIGHLIGHTED_CELLS
Colours as rrggbb. The image is read through ImageMagick's convert.
"""
import collections
import subprocess
import sys


def pixels(image):
    """Width, height and rows of (r, g, b) of an image, from its PPM form."""
    ppm = subprocess.run(["convert", image, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum, separated by white space
        while ppm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    data = ppm[pos + 1:]
    return width, height, [[tuple(data[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
                           for y in range(height)]


def rgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def main():
    image, cell_width, cell_height, background, foreground, highlighted = sys.argv[1:7]
    cell_width, cell_height, highlighted = int(cell_width), int(cell_height), int(highlighted)
    background, foreground = rgb(background), rgb(foreground)
    width, height, rows = pixels(image)
    problems, filled, red = [], [], 0
    for top in range(0, height - cell_height + 1, cell_height):
        for left in range(0, width - cell_width + 1, cell_width):
            counts = collections.Counter(rows[y][x] for y in range(top, top + cell_height)
                                         for x in range(left, left + cell_width))
            red += sum(n for (r, g, b), n in counts.items() if r > 160 and g < 96 and b < 96)
            dominant = counts.most_common(1)[0][0]
            where = f"cell {left // cell_width},{top // cell_height}"
            if dominant == foreground:
                filled.append(where)
            elif dominant != background:
                problems.append(f"{where} has the background {dominant}")
    if len(filled) != highlighted:
        problems.append(f"{len(filled)} cells in the terminal's foreground, expected {highlighted}: {filled[:12]}")
    if red == 0:
        problems.append("no red: the Sundays lost their colour")
    for problem in problems[:20]:
        print("FAIL:", problem)
    print(f"{image}: " + ("ok" if not problems else f"{len(problems)} problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
