#!/usr/bin/env python3
"""Draws the images of the overlay's "classic" skin: the five control icons
(PNG), the loading animation (GIF) and icons.psd, a layered Photoshop file
with one layer per icon for whoever wants to redraw them.

Only the standard library is used, so the images can be remade anywhere:

    python3 tools/shadowbox_skin/make_skin_images.py assets/shadowbox/src/skin/classic

The output is the same byte for byte on every run.
"""
import math
import struct
import sys
from pathlib import Path

# The GIF writer shared by the image generators is in tools/imagegen; importing
# it must leave no compiled files in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from imagegen.arguments import parse
from imagegen.gif import gif_bytes
from imagegen.png import png_bytes

ICON_SIZE = 16
SUPERSAMPLE = 4
ICON_NAMES = ["close", "next", "pause", "play", "previous"]


def triangle(ax, ay, bx, by, cx, cy):
    def inside(x, y):
        d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by)
        d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy)
        d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay)
        negative = d1 < 0 or d2 < 0 or d3 < 0
        positive = d1 > 0 or d2 > 0 or d3 > 0
        return not (negative and positive)

    return inside


def rectangle(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def thick_line(x0, y0, x1, y1, width):
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length

    def inside(x, y):
        t = (x - x0) * ux + (y - y0) * uy
        if t < 0 or t > length:
            return False
        return abs((x - x0) * uy - (y - y0) * ux) <= width / 2

    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


SHAPES = {
    "close": union(thick_line(3.5, 3.5, 12.5, 12.5, 2.6), thick_line(12.5, 3.5, 3.5, 12.5, 2.6)),
    "next": union(triangle(2, 3, 2, 13, 8, 8), triangle(8, 3, 8, 13, 14, 8)),
    "pause": union(rectangle(3.5, 3, 6.5, 13), rectangle(9.5, 3, 12.5, 13)),
    "play": triangle(4, 2.5, 4, 13.5, 13, 8),
    "previous": union(triangle(14, 3, 14, 13, 8, 8), triangle(8, 3, 8, 13, 2, 8)),
}


def draw_icon(name):
    """White glyph on a transparent ground, edges smoothed by supersampling.
    Returns rows of (r, g, b, a) pixels."""
    shape = SHAPES[name]
    rows = []
    step = 1.0 / SUPERSAMPLE
    for py in range(ICON_SIZE):
        row = []
        for px in range(ICON_SIZE):
            hits = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    if shape(px + (sx + 0.5) * step, py + (sy + 0.5) * step):
                        hits += 1
            alpha = round(255 * hits / (SUPERSAMPLE * SUPERSAMPLE))
            row.append((255, 255, 255, alpha))
        rows.append(row)
    return rows


def loading_gif():
    """A ring of eight dots on black, the bright one moving round: 8 frames."""
    size, dots, levels = 32, 8, 16
    palette = [(v * 17, v * 17, v * 17) for v in range(levels)]
    frames = []
    for frame in range(dots):
        indices = []
        for py in range(size):
            for px in range(size):
                shade = 0.0
                for dot in range(dots):
                    angle = 2 * math.pi * dot / dots - math.pi / 2
                    cx, cy = 16 + 10 * math.cos(angle), 16 + 10 * math.sin(angle)
                    age = (frame - dot) % dots
                    brightness = 1.0 - age / dots * 0.85
                    hits = 0
                    for sy in range(SUPERSAMPLE):
                        for sx in range(SUPERSAMPLE):
                            x = px + (sx + 0.5) / SUPERSAMPLE
                            y = py + (sy + 0.5) / SUPERSAMPLE
                            if (x - cx) ** 2 + (y - cy) ** 2 <= 2.6**2:
                                hits += 1
                    shade = max(shade, brightness * hits / SUPERSAMPLE**2)
                indices.append(round(shade * (levels - 1)))
        frames.append(indices)

    # 80 ms a frame, looping for ever; the header declares 8 bits per primary.
    return gif_bytes(size, size, palette, frames, delay_cs=8, colour_resolution=8)


def psd_bytes(icons):
    """An RGB Photoshop file with the icons side by side, one layer each,
    named after the icon, and a transparent merged image."""
    gap = 8
    width = len(icons) * ICON_SIZE + (len(icons) - 1) * gap
    height = ICON_SIZE

    composite = [[(0, 0, 0, 0)] * width for _ in range(height)]
    for number, (_, rows) in enumerate(icons):
        for y, row in enumerate(rows):
            for x, pixel in enumerate(row):
                composite[y][number * (ICON_SIZE + gap) + x] = pixel

    def plane(rows, channel):
        return bytes(pixel[channel] for row in rows for pixel in row)

    records, channel_data = bytearray(), bytearray()
    for number, (name, rows) in enumerate(icons):
        left = number * (ICON_SIZE + gap)
        planes = [(-1, plane(rows, 3)), (0, plane(rows, 0)), (1, plane(rows, 1)), (2, plane(rows, 2))]
        records += struct.pack(">iiiiH", 0, left, ICON_SIZE, left + ICON_SIZE, len(planes))
        for channel_id, data in planes:
            records += struct.pack(">hI", channel_id, len(data) + 2)
            channel_data += struct.pack(">H", 0) + data
        records += b"8BIMnorm" + bytes((255, 0, 0, 0))
        encoded = name.encode("ascii")
        pascal = bytes((len(encoded),)) + encoded
        pascal += b"\x00" * (-len(pascal) % 4)
        extra = struct.pack(">II", 0, 0) + pascal
        records += struct.pack(">I", len(extra)) + extra

    layer_info = struct.pack(">h", -len(icons)) + records + channel_data
    layer_info += b"\x00" * (len(layer_info) % 2)
    layer_section = struct.pack(">I", len(layer_info)) + layer_info + struct.pack(">I", 0)

    out = bytearray(b"8BPS" + struct.pack(">H", 1) + b"\x00" * 6)
    out += struct.pack(">HIIHH", 4, height, width, 8, 3)
    out += struct.pack(">I", 0)  # colour mode data
    out += struct.pack(">I", 0)  # image resources
    out += struct.pack(">I", len(layer_section)) + layer_section
    out += struct.pack(">H", 0)  # raw merged image, planar
    for channel in (0, 1, 2, 3):
        out += plane(composite, channel)
    return bytes(out)


def main(argv):
    usage = "usage: make_skin_images.py SKIN_FOLDER"
    _, paths = parse(argv[1:], usage)
    if not paths:
        sys.stderr.write(usage + "\n")
        return 2
    folder = Path(paths[0])
    (folder / "icons").mkdir(parents=True, exist_ok=True)
    icons = [(name, draw_icon(name)) for name in ICON_NAMES]
    for name, rows in icons:
        (folder / "icons" / (name + ".png")).write_bytes(png_bytes(rows))
    (folder / "loading.gif").write_bytes(loading_gif())
    (folder / "icons.psd").write_bytes(psd_bytes(icons))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
