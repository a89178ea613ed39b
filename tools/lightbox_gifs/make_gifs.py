#!/usr/bin/env python3
"""Draws the five GIF images of the Lightbox overlay's controls.

    python3 tools/lightbox_gifs/make_gifs.py [--check] [FOLDER]

The folder defaults to assets/lightbox, where the generated images are
committed. With --check nothing is written: the exit status tells whether the
folder's images are exactly what this generator draws. The images are drawn from code so that they can be changed and
redrawn without an image editor; the sizes are the ones the overlay's style
sheet and script expect (the close label fills the 66 px wide close control,
the previous/next labels sit at the sides of the image, the loading spinner
sits in the middle of the empty box).
"""
import math
import os
import sys

# The GIF writer shared by the image generators is in tools/imagegen; importing
# it must leave no compiled files in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from imagegen.arguments import parse
from imagegen.gif import gif_bytes

# Colours, as (r, g, b). Index 0 of every palette is the transparent colour.
TRANSPARENT = (255, 0, 255)
WHITE = (255, 255, 255)
TEXT = (102, 102, 102)      # the default caption colour of the overlay
DARK = (64, 64, 64)
LIGHT = (200, 200, 200)

# A 5 x 7 pixel font, just the letters the labels need.
FONT = {
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#..", "..#.."],
}


class Canvas:
    """A palette image: a grid of colour indexes."""

    def __init__(self, width, height, palette, fill=0):
        self.width, self.height, self.palette = width, height, palette
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, colour)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + radius - x - 0.5, 0, x - (x1 - radius) + 0.5)
                dy = max(y0 + radius - y - 0.5, 0, y - (y1 - radius) + 0.5)
                if dx * dx + dy * dy <= radius * radius:
                    self.set(x, y, colour)

    def text(self, x, y, word, colour, scale=1):
        for letter in word:
            for row, bits in enumerate(FONT[letter]):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        self.rect(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, colour)
            x += 6 * scale

    def cross(self, cx, cy, half, thickness, colour):
        for t in range(-half, half + 1):
            for w in range(thickness):
                self.set(cx + t, cy + t + w - thickness // 2, colour)
                self.set(cx + t, cy - t + w - thickness // 2, colour)

    def triangle(self, x_tip, cy, length, pointing_right, colour):
        for i in range(length):
            x = x_tip - i if pointing_right else x_tip + i
            for y in range(cy - i // 2 - 1, cy + i // 2 + 2):
                self.set(x, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.set(x, y, colour)


def encode_gif(frames, delay_cs=0):
    """frames: Canvas objects of one size and palette. More than one frame
    makes an animation that loops forever."""
    first = frames[0]
    return gif_bytes(first.width, first.height, first.palette,
                     [[index for row in frame.pixels for index in row] for frame in frames],
                     delay_cs=delay_cs, transparent=0)


def close_button(size=22):
    """The close control: a grey cross in a dark round-cornered square."""
    canvas = Canvas(size, size, [TRANSPARENT, DARK, WHITE])
    canvas.rounded_rect(1, 1, size - 1, size - 1, 4, 1)
    canvas.cross(size // 2, size // 2, size // 2 - 6, 2, 2)
    return canvas


def close_label():
    """"CLOSE" beside the close control, 66 x 22 like the close area."""
    canvas = Canvas(66, 22, [TRANSPARENT, DARK, WHITE, TEXT])
    canvas.text(4, 8, "CLOSE", 3)
    button = close_button(22)
    for y in range(22):
        for x in range(22):
            if button.pixels[y][x]:
                canvas.set(44 + x, y, button.pixels[y][x])
    return canvas


def step_label(word, pointing_right):
    """A white tab with an arrow and "PREV" or "NEXT", shown over the image."""
    canvas = Canvas(63, 32, [TRANSPARENT, WHITE, DARK, LIGHT])
    canvas.rounded_rect(0, 3, 63, 29, 6, 1)
    text_width = len(word) * 6 * 2 - 2
    if pointing_right:
        canvas.text(3, 9, word, 2, 2)
        canvas.triangle(60, 16, 8, True, 2)
    else:
        canvas.triangle(2, 16, 8, False, 2)
        canvas.text(63 - 3 - text_width, 9, word, 2, 2)
    return canvas


def loading_frames(size=32, dots=8):
    """A ring of dots whose dark head runs round, one frame per step."""
    shades = [(96, 96, 96), (130, 130, 130), (165, 165, 165), (200, 200, 200)]
    palette = [TRANSPARENT] + shades
    frames = []
    for step in range(dots):
        canvas = Canvas(size, size, palette)
        for dot in range(dots):
            age = (step - dot) % dots
            angle = 2 * math.pi * dot / dots - math.pi / 2
            cx = size / 2 + math.cos(angle) * (size / 2 - 5)
            cy = size / 2 + math.sin(angle) * (size / 2 - 5)
            canvas.disc(cx, cy, 3.2 if age == 0 else 2.6, 1 + min(age, 3))
        frames.append(canvas)
    return frames


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    options, paths = parse(sys.argv[1:], "usage: make_gifs.py [--check] [FOLDER]", ("--check",))
    check = "--check" in options
    folder = paths[0] if paths else os.path.join(here, "..", "..", "assets", "lightbox")
    images = {
        "close.gif": encode_gif([close_button()]),
        "closelabel.gif": encode_gif([close_label()]),
        "nextlabel.gif": encode_gif([step_label("NEXT", True)]),
        "prevlabel.gif": encode_gif([step_label("PREV", False)]),
        "loading.gif": encode_gif(loading_frames(), delay_cs=10),
    }
    if check:
        stale = []
        for name, data in images.items():
            path = os.path.join(folder, name)
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(name)
        if stale:
            sys.exit("not what the generator draws (run tools/lightbox_gifs/make_gifs.py): " + ", ".join(stale))
        return
    os.makedirs(folder, exist_ok=True)
    for name, data in images.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
