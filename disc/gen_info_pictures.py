"""Writes the pictures of the disc's info page: a small monitor (GIF with a
transparent background, which every Windows decodes).

usage: gen_info_pictures.py OUTPUT_FOLDER
"""

import struct
import sys
from pathlib import Path


def gif(width, height, palette, pixels, transparent=None):
    """A GIF87a/89a image: palette is a list of (r, g, b), pixels a list of rows of indices.

    The LZW stream sends a clear code before the table would grow, so every code is one
    8-bit pixel index: bigger than real compression, but plain and obviously right.
    """
    size_bits = max(1, (len(palette) - 1).bit_length())
    table = list(palette) + [(0, 0, 0)] * ((1 << size_bits) - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | (size_bits - 1), 0, 0)
    out += b"".join(bytes(c) for c in table)
    if transparent is not None:
        out += bytes((0x21, 0xF9, 4, 0x01, 0, 0, transparent, 0))
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    min_code = 7  # codes are 8 bits wide: clear 128, end 129
    clear, end = 1 << min_code, (1 << min_code) + 1
    codes = []
    flat = [index for row in pixels for index in row]
    for start in range(0, len(flat), 100):
        codes.append(clear)
        codes += flat[start:start + 100]
    codes.append(end)
    data = bytes(codes)
    out.append(min_code)
    for start in range(0, len(data), 255):
        block = data[start:start + 255]
        out += bytes((len(block),)) + block
    out += b"\x00\x3b"
    return bytes(out)


def monitor():
    """32 x 28: a grey monitor with a blue screen on its stand."""
    w, h = 32, 28
    palette = [(255, 0, 255), (0, 0, 0), (192, 192, 192), (0, 0, 160), (0, 255, 255),
               (128, 128, 128)]
    px = [[0] * w for _ in range(h)]

    def box(x0, y0, x1, y1, fill, outline=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                px[y][x] = outline if (edge and outline is not None) else fill

    box(0, 0, 31, 21, 2, 1)       # case
    box(3, 3, 28, 18, 3, 5)       # screen
    for i in range(5):            # a glint on the screen
        px[5 + i][6 + i] = 4
    box(13, 22, 18, 23, 5)        # neck
    box(7, 24, 24, 27, 2, 1)      # foot
    return gif(w, h, palette, px, transparent=0)


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "monitor.gif").write_bytes(monitor())


if __name__ == "__main__":
    main()
