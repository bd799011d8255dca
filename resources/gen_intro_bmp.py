#!/usr/bin/env python3
"""Write the launcher's intro picture as an 8-bit, 256-colour BMP.

Usage: gen_intro_bmp.py OUT.bmp

Everything is computed from integers and fixed tables, so the output is
byte-identical on every run and platform.
"""
import struct
import sys

WIDTH, HEIGHT = 400, 269

# Palette layout: index ranges are fixed so drawing code can pick colours
# by meaning rather than by number.
BG0, BG_N = 1, 64          # background ramp, dark to light
FACE0, FACE_N = 65, 32     # title letter face, top to bottom
SUB0, SUB_N = 97, 32       # subtitle letters, top to bottom
GREY0, GREY_N = 129, 120   # spare neutral ramp so the palette is full
SHADOW, EDGE_DARK, EDGE_LIGHT, RULE, FRAME_IN, FRAME = range(249, 255)
WHITE = 255

# Bold 8x10 glyphs for the title; two-cell strokes stay solid when scaled up.
TITLE_FONT = {
    'K': ["##....##", "##...###", "##..###.", "##.###..", "#####...",
          "#####...", "##.###..", "##..###.", "##...###", "##....##"],
    'L': ["##......"] * 8 + ["########"] * 2,
    'E': ["########", "########", "##......", "##......", "######..",
          "######..", "##......", "##......", "########", "########"],
    'N': ["###...##", "####..##", "####..##", "##.##.##", "##.##.##",
          "##..####", "##..####", "##...###", "##...###", "##....##"],
    'D': ["######..", "#######.", "##...###", "##....##", "##....##",
          "##....##", "##....##", "##...###", "#######.", "######.."],
    'O': [".######.", "########", "###..###", "##....##", "##....##",
          "##....##", "##....##", "###..###", "########", ".######."],
}

# Plain 5x7 glyphs for small text, '#' = ink.  Only the letters the card needs.
FONT = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'I': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    'K': ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    '-': [".....", ".....", ".....", ".###.", ".....", ".....", "....."],
    ' ': ["....."] * 7,
}

# 4x4 ordered dither, values 0..15; keeps the background ramp free of bands.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def lerp(a, b, num, den):
    return tuple(x + (y - x) * num // den for x, y in zip(a, b))


def ramp(stops, n):
    """n colours through the given stops, evenly spaced."""
    out = []
    for i in range(n):
        pos = i * (len(stops) - 1) * 1000 // (n - 1)
        seg = min(pos // 1000, len(stops) - 2)
        out.append(lerp(stops[seg], stops[seg + 1], pos - seg * 1000, 1000))
    return out


def build_palette():
    pal = [(0, 0, 0)] * 256
    pal[BG0:BG0 + BG_N] = ramp([(2, 3, 12), (10, 14, 48), (34, 40, 104)], BG_N)
    pal[FACE0:FACE0 + FACE_N] = ramp(
        [(255, 246, 196), (255, 206, 84), (214, 112, 24)], FACE_N)
    pal[SUB0:SUB0 + SUB_N] = ramp([(230, 244, 255), (120, 180, 220)], SUB_N)
    pal[GREY0:GREY0 + GREY_N] = ramp([(8, 8, 8), (248, 248, 248)], GREY_N)
    pal[SHADOW] = (0, 0, 6)
    pal[EDGE_DARK] = (110, 44, 8)
    pal[EDGE_LIGHT] = (255, 255, 232)
    pal[RULE] = (90, 150, 210)
    pal[FRAME_IN] = (96, 64, 16)
    pal[FRAME] = (255, 200, 72)
    pal[WHITE] = (255, 255, 255)
    return pal


def background(img):
    # Vertical fade lifted by an elliptical glow behind the title.
    cx, cy = WIDTH // 2, 118
    for y in range(HEIGHT):
        for x in range(WIDTH):
            dx, dy = (x - cx) * 100 // 220, (y - cy) * 100 // 110
            glow = max(0, 10000 - dx * dx - dy * dy)  # 0..10000
            level = (HEIGHT - y) * 300 // HEIGHT + glow * 700 // 10000
            # level is 0..1000; dither it onto the 64-step ramp.
            v = level * (BG_N - 1) * 16 // 1000 + BAYER[y & 3][x & 3]
            img[y][x] = BG0 + min(BG_N - 1, v // 16)


def text_cells(text, font):
    """Ink cells (col, row) for a string, one blank column between glyphs.

    Returns the cell set, width and height in cells."""
    gw, gh = len(font[text[0]][0]), len(font[text[0]])
    cells = set()
    for i, ch in enumerate(text):
        for r, line in enumerate(font[ch]):
            for c, px in enumerate(line):
                if px == '#':
                    cells.add((i * (gw + 1) + c, r))
    return cells, len(text) * (gw + 1) - 1, gh


def draw_title(img, text, top, scale, bevel, shadow):
    cells, w, h = text_cells(text, TITLE_FONT)
    left = (WIDTH - w * scale) // 2
    height = h * scale
    # Shadow first so the face covers it.
    for c, r in cells:
        for y in range(r * scale, (r + 1) * scale):
            for x in range(c * scale, (c + 1) * scale):
                img[top + y + shadow][left + x + shadow] = SHADOW
    for c, r in cells:
        for y in range(r * scale, (r + 1) * scale):
            for x in range(c * scale, (c + 1) * scale):
                lx, ly = x - c * scale, y - r * scale
                colour = FACE0 + y * (FACE_N - 1) // (height - 1)
                # Bevel only on outer edges of a stroke, not between cells.
                if ly < bevel and (c, r - 1) not in cells:
                    colour = EDGE_LIGHT
                elif lx < bevel and (c - 1, r) not in cells:
                    colour = EDGE_LIGHT
                elif ly >= scale - bevel and (c, r + 1) not in cells:
                    colour = EDGE_DARK
                elif lx >= scale - bevel and (c + 1, r) not in cells:
                    colour = EDGE_DARK
                img[top + y][left + x] = colour


def draw_subtitle(img, text, top, scale):
    cells, w, h = text_cells(text, FONT)
    left = (WIDTH - w * scale) // 2
    height = h * scale
    for c, r in cells:
        for y in range(r * scale, (r + 1) * scale):
            for x in range(c * scale, (c + 1) * scale):
                img[top + y + 1][left + x + 1] = SHADOW
    for c, r in cells:
        for y in range(r * scale, (r + 1) * scale):
            for x in range(c * scale, (c + 1) * scale):
                img[top + y][left + x] = SUB0 + y * (SUB_N - 1) // (height - 1)


def draw_rule(img, y, half):
    # Solid in the middle, dotted towards the ends so it fades out.
    cx = WIDTH // 2
    for dx in range(-half, half + 1):
        step = abs(dx) * 4 // (half + 1)  # 0..3
        if step == 0 or (dx % (step + 1)) == 0:
            img[y][cx + dx] = RULE


def draw_frame(img):
    for y in range(HEIGHT):
        for x in range(WIDTH):
            d = min(x, y, WIDTH - 1 - x, HEIGHT - 1 - y)
            if d < 2:
                img[y][x] = FRAME
            elif d == 4:
                img[y][x] = FRAME_IN


def write_bmp(path, img, pal):
    stride = (WIDTH + 3) & ~3
    pixels = bytearray()
    for row in reversed(img):  # BMP rows run bottom-up
        pixels += bytes(row) + b'\0' * (stride - WIDTH)
    palette = b''.join(struct.pack('<4B', b, g, r, 0) for r, g, b in pal)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 8, 0,
                       len(pixels), 2835, 2835, 256, 0)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + palette + pixels)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: gen_intro_bmp.py OUT.bmp')
    img = [[0] * WIDTH for _ in range(HEIGHT)]
    background(img)
    draw_title(img, 'KLENDO', 78, 6, 2, 4)
    draw_rule(img, 159, 150)
    draw_subtitle(img, 'MULTIMEDIA CD-ROM', 175, 2)
    draw_frame(img)
    write_bmp(sys.argv[1], img, build_palette())


if __name__ == '__main__':
    main()
