"""GIF files for the image generators of the overlay packages, written with
the standard library alone so that the images can be redrawn anywhere and
come out the same byte for byte on every run.

    import sys; sys.path.insert(0, <the tools folder>)
    from imagegen.gif import gif_bytes
"""
import math
import struct


def lzw(indexes, min_code_size):
    """GIF's variable-width LZW, packed least significant bit first, with a
    clear code whenever the table fills."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bit_buffer, bit_count = bytearray(), 0, 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    current = ()
    for index in indexes:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code == 4096:
            emit(clear, width)
            table, next_code, width = reset()
        else:
            table[candidate] = next_code
            # The decoder widens one code later than the encoder adds the entry.
            if next_code == (1 << width) and width < 12:
                width += 1
            next_code += 1
        current = (index,)
    if current:
        emit(table[current], width)
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    """Data split into blocks of at most 255 bytes, each led by its length,
    ended by an empty block."""
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start : start + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes(blocks) + b"\x00"


def gif_bytes(width, height, palette, frames, delay_cs=0, transparent=None, colour_resolution=None):
    """A GIF89a file of one global colour table.

    palette: (r, g, b) colours, padded with black to a power of two.
    frames: one flat list of palette indexes per frame, row by row; more than
        one frame makes an animation that loops forever, delay_cs hundredths
        of a second a frame.
    transparent: the palette index shown as transparent, or None. With one,
        each frame replaces the last instead of being drawn over it.
    colour_resolution: the bits per primary colour the header declares; by
        default the bits of the colour table.
    """
    bits = max(1, math.ceil(math.log2(max(len(palette), 2))))
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    resolution = colour_resolution or bits
    gif = bytearray(b"GIF89a")
    gif += struct.pack("<HHBBB", width, height, 0x80 | ((resolution - 1) << 4) | (bits - 1), 0, 0)
    for colour in table:
        gif += bytes(colour)
    if len(frames) > 1:
        gif += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"
    if transparent is None:
        flags, transparent_index = 0, 0
    else:
        flags, transparent_index = (2 << 2) | 1, transparent
    min_code_size = max(2, bits)
    for indexes in frames:
        gif += b"\x21\xf9\x04" + struct.pack("<BHB", flags, delay_cs, transparent_index) + b"\x00"
        gif += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        gif += bytes([min_code_size]) + sub_blocks(lzw(indexes, min_code_size))
    gif += b"\x3b"
    return bytes(gif)
