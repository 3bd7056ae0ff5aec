#!/usr/bin/env python3
"""Draws the program's own artwork: the application icon (PNG, four sizes) and the hand
pointer (a Windows .cur file with a 32 x 32, 32-bit image and its hot spot).

Run from this folder: python3 draw_assets.py
"""
import struct
import zlib

BLUE = (0, 0, 160, 255)
WHITE = (255, 255, 255, 255)
PALE = (200, 214, 245, 255)
ORANGE = (240, 130, 20, 255)
GREY = (90, 90, 110, 255)


def inside_round_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def icon_colour(x, y):
    """Colour of the point (x, y) of the unit square, or None for transparent."""
    # Binder rings above the page.
    for rx in (0.30, 0.70):
        if inside_round_rect(x, y, rx - 0.035, 0.04, rx + 0.035, 0.24, 0.03):
            return GREY
    if not inside_round_rect(x, y, 0.06, 0.12, 0.94, 0.94, 0.08):
        return None
    if not inside_round_rect(x, y, 0.10, 0.16, 0.90, 0.90, 0.05):
        return BLUE  # border
    if y < 0.34:
        return BLUE  # month band
    # A grid of 4 x 3 day cells; two marked days with a bar between them: a span of dates.
    cols, rows = 4, 3
    gx0, gy0, gx1, gy1 = 0.14, 0.39, 0.86, 0.86
    cw, ch = (gx1 - gx0) / cols, (gy1 - gy0) / rows
    if gx0 <= x < gx1 and gy0 <= y < gy1:
        c, r = int((x - gx0) / cw), int((y - gy0) / ch)
        lx, ly = (x - gx0) - c * cw, (y - gy0) - r * ch
        pad = 0.018
        if pad < lx < cw - pad and pad < ly < ch - pad:
            if (r, c) in ((1, 0), (1, 3)):
                return ORANGE
            if r == 1 and 0 < c < 3 and abs(ly - ch / 2) < ch * 0.12:
                return ORANGE
            return PALE
    return WHITE


def render_icon(size, samples=4):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = icon_colour((px + (sx + 0.5) / samples) / size,
                                    (py + (sy + 0.5) / samples) / size)
                    if c:
                        for i in range(3):
                            acc[i] += c[i] * c[3]
                        acc[3] += c[3]
            n = samples * samples
            a = acc[3] / n
            if acc[3]:
                row.append(tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(a),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# The hand pointer: '#' outline, '.' fill, ' ' transparent. The hot spot is the tip of the
# index finger.
HAND = [
    "      ##                        ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..#                       ",
    "     #..###                     ",
    "     #..#..###                  ",
    "     #..#..#..##                ",
    "     #..#..#..#.#               ",
    " ### #..#..#..#..#              ",
    " #..##........#..#              ",
    " #...#...........#              ",
    "  #..#...........#              ",
    "   #.............#              ",
    "   #.............#              ",
    "    #............#              ",
    "    #...........#               ",
    "     #..........#               ",
    "     #.........#                ",
    "      #........#                ",
    "      #........#                ",
    "      ##########                ",
] + [" " * 32] * 10
HOT_SPOT = (6, 0)


def write_cursor(path):
    size = 32
    pixels = b""
    mask = b""
    for y in reversed(range(size)):  # bottom-up rows
        row = HAND[y].ljust(size)
        bits = 0
        for x, ch in enumerate(row):
            if ch == "#":
                pixels += bytes((0, 0, 0, 255))
            elif ch == ".":
                pixels += bytes((255, 255, 255, 255))
            else:
                pixels += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, HOT_SPOT[0], HOT_SPOT[1],
                        len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    for s in (32, 48, 128, 256):
        write_png(f"icons/app-icon-{s}.png", render_icon(s))
    write_cursor("HAND-M.CUR")
