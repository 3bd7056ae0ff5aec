#!/usr/bin/env python3
"""Draws the program's own artwork: the application icon (PNG in eight sizes, the same shapes
as a scalable SVG, and a Windows .ico of seven of the sizes for the program file) and the hand
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


def write_ico(path, pngs):
    """A Windows icon whose images are the PNG files given, largest last; a 256-pixel image is
    entered with the width and height 0, as the format wants."""
    images = []
    for size, png in pngs:
        with open(png, "rb") as f:
            images.append((size, f.read()))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in images:
        edge = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(directory + entries + b"".join(data for _, data in images))


def svg_colour(c):
    return "#%02x%02x%02x" % c[:3]


def svg_rect(x0, y0, x1, y1, r, colour, unit=256):
    return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>' %
            (x0 * unit, y0 * unit, (x1 - x0) * unit, (y1 - y0) * unit, r * unit,
             svg_colour(colour)))


def write_svg(path, unit=256):
    """The icon's shapes as vectors, the same that icon_colour() samples."""
    shapes = [svg_rect(rx - 0.035, 0.04, rx + 0.035, 0.24, 0.03, GREY) for rx in (0.30, 0.70)]
    shapes.append(svg_rect(0.06, 0.12, 0.94, 0.94, 0.08, BLUE))
    # The page below the month band: white, its bottom corners rounded.
    x0, y0, x1, y1, r = (v * unit for v in (0.10, 0.34, 0.90, 0.90, 0.05))
    shapes.append('<path d="M%g %gH%gV%gA%g %g 0 0 1 %g %gH%gA%g %g 0 0 1 %g %gZ" fill="%s"/>' %
                  (x0, y0, x1, y1 - r, r, r, x1 - r, y1, x0 + r, r, r, x0, y1 - r,
                   svg_colour(WHITE)))
    cols, rows = 4, 3
    gx0, gy0, gx1, gy1 = 0.14, 0.39, 0.86, 0.86
    cw, ch = (gx1 - gx0) / cols, (gy1 - gy0) / rows
    pad = 0.018
    for r in range(rows):
        for c in range(cols):
            cx0, cy0 = gx0 + c * cw + pad, gy0 + r * ch + pad
            cx1, cy1 = gx0 + (c + 1) * cw - pad, gy0 + (r + 1) * ch - pad
            marked = (r, c) in ((1, 0), (1, 3))
            shapes.append(svg_rect(cx0, cy0, cx1, cy1, 0, ORANGE if marked else PALE))
            if r == 1 and 0 < c < 3:
                mid = gy0 + r * ch + ch / 2
                shapes.append(svg_rect(cx0, mid - ch * 0.12, cx1, mid + ch * 0.12, 0, ORANGE))
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d">\n  %s\n</svg>\n' %
                (unit, unit, unit, unit, "\n  ".join(shapes)))


if __name__ == "__main__":
    for s in (16, 22, 24, 32, 48, 64, 128, 256):
        # Small sizes take more samples a pixel, so that their edges stay smooth.
        write_png(f"icons/app-icon-{s}.png", render_icon(s, 8 if s < 32 else 4))
    write_svg("icons/app-icon.svg")
    write_ico("icons/app-icon.ico",
              [(s, f"icons/app-icon-{s}.png") for s in (16, 24, 32, 48, 64, 128, 256)])
    write_cursor("HAND-M.CUR")
