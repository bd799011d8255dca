#!/usr/bin/env python3
"""Write the program icon: one 32x32, 16-colour image in a .ico file.

Usage: gen_icon.py OUT.ico

The picture is a silver disc with a bold "K" badge; everything outside them
and inside the centre hole is transparent through the AND mask.
"""
import math
import struct
import sys

SIZE = 32

# Standard 16-colour VGA palette, in the order Windows expects.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, BLUE, YELLOW, MAGENTA, CYAN, WHITE = (
    0, 4, 7, 8, 12, 11, 13, 14, 15)

# Bold K badge over the lower right of the disc, like a label sticker.
K_GLYPH = [
    "####...####",
    "####..####.",
    "####.####..",
    "########...",
    "#######....",
    "######.....",
    "######.....",
    "#######....",
    "########...",
    "####.####..",
    "####..####.",
    "####...####",
]
K_LEFT, K_TOP = 20, 19
DISC = 28          # disc diameter; it sits in the top-left of the icon


def disc_pixel(x, y):
    """Colour index for a pixel, or None where the icon is transparent."""
    # Doubled coordinates so the centre falls between pixels.
    dx, dy = 2 * x + 1 - DISC, 2 * y + 1 - DISC
    d2 = dx * dx + dy * dy
    if d2 > DISC * DISC or d2 < 5 * 5:
        return None                      # outside, or the centre hole
    if d2 > (DISC - 2) ** 2 or d2 < 7 * 7:
        return GREY                      # outer rim and hole edge
    if d2 < 11 * 11:
        return WHITE                     # clear plastic hub
    if d2 < 13 * 13:
        return GREY                      # where the data area starts
    # Rainbow sheen across the top-right and bottom-left diagonals.
    if dx * dy < 0:
        t = (abs(dx) - abs(dy)) * 16 // math.isqrt(d2)
        if -7 < t < 7:
            return (MAGENTA, CYAN, WHITE, CYAN, YELLOW)[(t + 7) * 5 // 14]
    return SILVER


def build_image():
    img = [[disc_pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    ink = {(K_LEFT + c, K_TOP + r)
           for r, line in enumerate(K_GLYPH)
           for c, ch in enumerate(line) if ch == '#'}
    # Black outline, drawn even outside the disc, so the badge stands alone.
    for x, y in ink:
        for ox in (-1, 0, 1):
            for oy in (-1, 0, 1):
                img[y + oy][x + ox] = BLACK
    # Blue face with a darker lower-right edge for a little depth.
    for x, y in ink:
        edge = (x + 1, y) not in ink or (x, y + 1) not in ink
        img[y][x] = NAVY if edge else BLUE
    return img


def pack_rows(img):
    xor, mask = bytearray(), bytearray()
    for row in reversed(img):            # bottom-up like any DIB
        for x in range(0, SIZE, 2):
            a, b = row[x] or 0, row[x + 1] or 0
            xor.append(a << 4 | b)
        bits = 0
        for x, px in enumerate(row):
            bits = bits << 1 | (px is None)
        mask += bits.to_bytes(SIZE // 8, 'big')
    # 32 pixels make 16 and 4 byte rows, already multiples of 4.
    return bytes(xor), bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: gen_icon.py OUT.ico')
    xor, mask = pack_rows(build_image())
    # Height is doubled: the DIB holds the colour image and the mask.
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0,
                       len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<4B', b, g, r, 0) for r, g, b in VGA)
    res = info + palette + xor + mask
    head = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(res),
                        6 + 16)
    with open(sys.argv[1], 'wb') as f:
        f.write(head + entry + res)


if __name__ == '__main__':
    main()
