#!/usr/bin/python3
"""Draws the program's two icons and writes them as PNG and ICO files.

normal:       a page with lines of text and a green tick, on a background that
              shades from light blue at the left to yellow at the right
autoprocess:  the same picture on solid red

Standard library only, so the pictures can be redrawn on any machine:
    /usr/bin/python3 resources/make_icons.py [output folder]
"""

import math
import os
import struct
import sys
import zlib

SIZE = 32

LIGHT_BLUE = (150, 205, 255)
YELLOW = (255, 235, 60)
RED = (220, 20, 20)
PAGE = (255, 255, 255)
PAGE_EDGE = (60, 60, 80)
FOLD = (210, 210, 225)
TEXT = (100, 100, 125)
TICK = (20, 160, 60)
TICK_EDGE = (0, 70, 20)

# Lines of text on the page: (y, first x, last x), inclusive.
TEXT_LINES = [(8, 8, 16), (11, 8, 18), (14, 8, 17), (17, 8, 18), (20, 8, 13), (23, 8, 11)]
PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 5, 3, 21, 28
FOLD_SIZE = 5
TICK_POINTS = [(16.5, 21.5), (20.5, 25.5), (28.5, 14.0)]
TICK_RADIUS = 1.7
CORNER_RADIUS = 3.0


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def corner_alpha(x, y):
    """Coverage of pixel (x, y) by the icon's rounded square, 0..1."""
    cx = min(max(x + 0.5, CORNER_RADIUS), SIZE - CORNER_RADIUS)
    cy = min(max(y + 0.5, CORNER_RADIUS), SIZE - CORNER_RADIUS)
    outside = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - CORNER_RADIUS
    return max(0.0, min(1.0, 0.5 - outside))


def page_colour(x, y):
    """The page's colour at (x, y), or None where the page is not."""
    if not (PAGE_LEFT <= x <= PAGE_RIGHT and PAGE_TOP <= y <= PAGE_BOTTOM):
        return None
    # The top right corner is folded down: cut away above the diagonal.
    from_corner = (PAGE_RIGHT - x) + (y - PAGE_TOP)
    if from_corner < FOLD_SIZE:
        return None
    if from_corner == FOLD_SIZE:
        return PAGE_EDGE
    if x >= PAGE_RIGHT - FOLD_SIZE and y <= PAGE_TOP + FOLD_SIZE:
        if x == PAGE_RIGHT - FOLD_SIZE or y == PAGE_TOP + FOLD_SIZE:
            return PAGE_EDGE
        return FOLD
    if x in (PAGE_LEFT, PAGE_RIGHT) or y in (PAGE_TOP, PAGE_BOTTOM):
        return PAGE_EDGE
    for line_y, first, last in TEXT_LINES:
        if y == line_y and first <= x <= last:
            return TEXT
    return PAGE


def tick_distance(x, y):
    px, py = x + 0.5, y + 0.5
    return min(
        distance_to_segment(px, py, *TICK_POINTS[i], *TICK_POINTS[i + 1])
        for i in range(len(TICK_POINTS) - 1)
    )


def draw(background):
    """Returns SIZE rows of SIZE (r, g, b, a) pixels; background(x) gives the ground."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            colour = page_colour(x, y) or background(x)
            d = tick_distance(x, y)
            edge = max(0.0, min(1.0, TICK_RADIUS + 1.0 + 0.5 - d))
            inner = max(0.0, min(1.0, TICK_RADIUS + 0.5 - d))
            colour = mix(colour, TICK_EDGE, edge)
            colour = mix(colour, TICK, inner)
            row.append(colour + (round(255 * corner_alpha(x, y)),))
        rows.append(row)
    return rows


def gradient(x):
    return mix(LIGHT_BLUE, YELLOW, x / (SIZE - 1))


def solid_red(_x):
    return RED


def png_bytes(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def halve(rows):
    """Box-filters the picture to half its size, for the 16x16 icon entry."""
    out = []
    for y in range(0, len(rows), 2):
        row = []
        for x in range(0, len(rows[0]), 2):
            quad = [rows[y][x], rows[y][x + 1], rows[y + 1][x], rows[y + 1][x + 1]]
            alpha = sum(p[3] for p in quad)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = tuple(round(sum(p[i] * p[3] for p in quad) / alpha) for i in range(3))
            row.append(colour + (round(alpha / 4),))
        out.append(row)
    return out


def dib_bytes(rows):
    """One icon image as a device-independent bitmap: 32-bit BGRA bottom-up, then
    the 1-bit AND mask (set where the pixel is fully transparent)."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico_bytes(images):
    """An ICO file holding the given square pictures as bitmap entries."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for rows in images:
        dib = dib_bytes(rows)
        size = len(rows) % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(dib), offset)
        data += dib
        offset += len(dib)
    return directory + entries + data


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, background in (("textmend", gradient), ("textmend-autoprocess", solid_red)):
        rows = draw(background)
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(png_bytes(rows))
        with open(os.path.join(folder, name + ".ico"), "wb") as f:
            f.write(ico_bytes([rows, halve(rows)]))


if __name__ == "__main__":
    main()
