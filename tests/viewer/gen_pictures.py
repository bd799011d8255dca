"""Writes the picture fixtures of the control's tests into a folder.

Each format holds pixels that a test can name:
- sample.bmp, sample.gif, sample.png: the same opaque 4 x 2 picture
  (red, green, blue, white / black, yellow, cyan, magenta);
- clear.gif: 2 x 1, index 0 transparent, index 1 red;
- alpha.png: 2 x 1, red at alpha 255 and white at alpha 128;
- gray.jpg: 16 x 8 greyscale, left block 64, right block 192 (DC-only blocks,
  so any decoder gives these values back);
- big.bmp: 300 x 150, a link-sized area: left half orange, right half teal.

usage: gen_pictures.py OUTPUT_FOLDER
"""

import struct
import sys
import zlib
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "disc"))
from gen_info_pictures import gif  # noqa: E402

SAMPLE = [[(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)],
          [(0, 0, 0), (255, 255, 0), (0, 255, 255), (255, 0, 255)]]


def bmp(rows):
    """24-bit bottom-up BMP of rows of (r, g, b)."""
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    body = b""
    for row in reversed(rows):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        body += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + body


def png(rows):
    """RGBA PNG of rows of (r, g, b, a)."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    width, height = len(rows[0]), len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def sample_gif():
    palette = sorted({p for row in SAMPLE for p in row})
    return gif(4, 2, palette, [[palette.index(p) for p in row] for row in SAMPLE])


def gray_jpeg():
    """Baseline greyscale JPEG, 16 x 8: two 8 x 8 blocks with only a DC coefficient.

    Quantisation 1 everywhere; a flat block of value v has DC 8 * (v - 128): -512 and +512,
    coded as differences -512 (category 10) and +1024 (category 11).
    """
    def segment(marker, body):
        return struct.pack(">BBH", 0xFF, marker, len(body) + 2) + body

    def huffman(table_class, lengths, symbols):
        counts = bytes(lengths.count(n) for n in range(1, 17))
        return bytes((table_class << 4,)) + counts + bytes(symbols)

    out = b"\xff\xd8"
    out += segment(0xE0, b"JFIF\0\x01\x01\0\0\x01\0\x01\0\0")
    out += segment(0xDB, b"\0" + b"\x01" * 64)
    out += segment(0xC0, struct.pack(">BHHB", 8, 8, 16, 1) + b"\x01\x11\x00")
    # DC: categories 10 and 11 as the 2-bit codes 00 and 01; AC: end of block as 0.
    out += segment(0xC4, huffman(0, [2, 2], [10, 11]) + huffman(1, [1], [0]))
    out += segment(0xDA, b"\x01\x01\x00\x00\x3f\x00")
    bits = "00" + format(-512 + 1023, "010b") + "0"   # block 1: DC -512, EOB
    bits += "01" + format(1024, "011b") + "0"         # block 2: DC +1024, EOB
    bits += "1" * (-len(bits) % 8)
    data = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    out += data.replace(b"\xff", b"\xff\x00")
    return out + b"\xff\xd9"


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    files = {
        "sample.bmp": bmp(SAMPLE),
        "sample.gif": sample_gif(),
        "sample.png": png([[p + (255,) for p in row] for row in SAMPLE]),
        "clear.gif": gif(2, 1, [(0, 0, 0), (255, 0, 0)], [[0, 1]], transparent=0),
        "alpha.png": png([[(255, 0, 0, 255), (255, 255, 255, 128)]]),
        "gray.jpg": gray_jpeg(),
        "big.bmp": bmp([[(255, 128, 0)] * 150 + [(0, 128, 128)] * 150] * 150),
    }
    for name, data in files.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
