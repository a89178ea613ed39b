"""A PNG writer for the image generators: 8-bit RGB or RGBA, no filtering."""
import struct
import zlib


def png_bytes(rows):
    """rows: a list of rows of (r, g, b) or (r, g, b, a) tuples, top row first."""
    height, width = len(rows), len(rows[0])
    colour_type = 6 if len(rows[0][0]) == 4 else 2

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
