#!/usr/bin/env python3
"""Draws the placeholder a thumbnail cell shows for a picture it cannot show.

    python3 tools/placeholder/make_placeholder.py [--check] [FILE]

The file defaults to assets/placeholder/filenotfound.png, where the image is
committed. With --check nothing is written: the exit status tells whether the
file is exactly what this generator draws. The picture is 120 x 120 pixels,
the size of the box previews are fitted into: a light grey field (the cell's
grey, so the placeholder blends into an empty cell) with the outline of a
landscape picture crossed out.
"""
import os
import sys

# The PNG writer shared by the image generators is in tools/imagegen; importing
# it must leave no compiled files in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from imagegen.arguments import parse
from imagegen.png import png_bytes

SIZE = 120
GREY = (0xE0, 0xE0, 0xE0)
FRAME = (0x90, 0x90, 0x90)
HILLS = (0xB0, 0xB0, 0xB0)
SUN = (0xC8, 0xC8, 0xC8)
CROSS = (0xC0, 0x30, 0x30)


def draw():
    pixels = [[GREY] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            pixels[y][x] = colour

    left, top, right, bottom = 24, 32, 96, 88
    # Hills: two slopes inside the picture's outline.
    for x in range(left, right):
        first = 70 - abs(x - 48) // 2
        second = 76 - abs(x - 78) // 2
        for y in range(min(first, second), bottom):
            put(x, y, HILLS)
    # The sun, a small disc in the upper right.
    for y in range(top, bottom):
        for x in range(left, right):
            if (x - 80) ** 2 + (y - 46) ** 2 <= 36:
                put(x, y, SUN)
    # The outline, two pixels wide.
    for width in range(2):
        for x in range(left - width, right + width):
            put(x, top - width, FRAME)
            put(x, bottom + width - 1, FRAME)
        for y in range(top - width, bottom + width):
            put(left - width, y, FRAME)
            put(right + width - 1, y, FRAME)
    # Crossed out from corner to corner, three pixels thick.
    for step in range(right - left + 16):
        x = left - 8 + step
        for thickness in range(-1, 2):
            put(x, top - 8 + step * (bottom - top + 16) // (right - left + 16) + thickness, CROSS)
    return pixels


def main(arguments):
    options, paths = parse(arguments, "usage: make_placeholder.py [--check] [FILE]", ("--check",))
    check = "--check" in options
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    path = paths[0] if paths else os.path.join(root, "assets", "placeholder", "filenotfound.png")
    data = png_bytes(draw())
    if check:
        with open(path, "rb") as existing:
            if existing.read() != data:
                print(f"{path} is not what {__file__} draws", file=sys.stderr)
                return 1
        return 0
    with open(path, "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
