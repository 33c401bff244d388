#!/usr/bin/python3
"""Draws the program's two icons as SVG, the sources every PNG and ICO size is
rendered from at build time (cmake/icons.cmake).

normal:       a page with lines of text and a green tick, on a background that
              shades from light blue at the left to yellow at the right
autoprocess:  the same picture on solid red

The picture is laid out on a 32-unit grid with its straight lines on whole
pixels, so that it stays sharp at 32 px and at every multiple of it.
Standard library only:
    /usr/bin/python3 resources/make_icons.py [output folder]
"""

import os
import sys

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

# Lines of text on the page: (row, first column, last column), inclusive.
TEXT_LINES = [(8, 8, 16), (11, 8, 18), (14, 8, 17), (17, 8, 18), (20, 8, 13), (23, 8, 11)]
# The page's edge runs through these pixel rows and columns.
PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 5, 3, 21, 28
FOLD_SIZE = 5
TICK_POINTS = [(16.5, 21.5), (20.5, 25.5), (28.5, 14.0)]
TICK_RADIUS = 1.7
CORNER_RADIUS = 3.0


def colour(rgb):
    return "#%02x%02x%02x" % rgb


def points(pairs):
    return " ".join(f"{x:g},{y:g}" for x, y in pairs)


def svg(background_defs, background_fill):
    # A one-pixel stroke centred on a pixel's middle covers exactly that pixel.
    left, top = PAGE_LEFT + 0.5, PAGE_TOP + 0.5
    right, bottom = PAGE_RIGHT + 0.5, PAGE_BOTTOM + 0.5
    fold_x, fold_y = right - FOLD_SIZE, top + FOLD_SIZE
    page = [(left, top), (fold_x, top), (right, fold_y), (right, bottom), (left, bottom)]
    fold = [(fold_x, top), (fold_x, fold_y), (right, fold_y)]
    text = "\n".join(
        f'    <rect x="{first}" y="{row}" width="{last - first + 1}" height="1" '
        f'fill="{colour(TEXT)}"/>' for row, first, last in TEXT_LINES)
    tick = points(TICK_POINTS)
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" \
viewBox="0 0 {SIZE} {SIZE}">
  <defs>
    <clipPath id="corners">
      <rect width="{SIZE}" height="{SIZE}" rx="{CORNER_RADIUS:g}"/>
    </clipPath>{background_defs}
  </defs>
  <g clip-path="url(#corners)">
    <rect width="{SIZE}" height="{SIZE}" fill="{background_fill}"/>
    <polygon points="{points(page)}" fill="{colour(PAGE)}" stroke="{colour(PAGE_EDGE)}" \
stroke-width="1" stroke-linejoin="bevel"/>
    <polygon points="{points(fold)}" fill="{colour(FOLD)}" stroke="{colour(PAGE_EDGE)}" \
stroke-width="1" stroke-linejoin="bevel"/>
{text}
    <polyline points="{tick}" fill="none" stroke="{colour(TICK_EDGE)}" \
stroke-width="{2 * (TICK_RADIUS + 1):g}" stroke-linecap="round" stroke-linejoin="round"/>
    <polyline points="{tick}" fill="none" stroke="{colour(TICK)}" \
stroke-width="{2 * TICK_RADIUS:g}" stroke-linecap="round" stroke-linejoin="round"/>
  </g>
</svg>
"""


def gradient_icon():
    # From the middle of the first pixel column to the middle of the last.
    defs = f"""
    <linearGradient id="ground" gradientUnits="userSpaceOnUse" x1="0.5" y1="0" \
x2="{SIZE - 0.5:g}" y2="0">
      <stop offset="0" stop-color="{colour(LIGHT_BLUE)}"/>
      <stop offset="1" stop-color="{colour(YELLOW)}"/>
    </linearGradient>"""
    return svg(defs, "url(#ground)")


def red_icon():
    return svg("", colour(RED))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in (("textmend", gradient_icon), ("textmend-autoprocess", red_icon)):
        with open(os.path.join(folder, name + ".svg"), "w") as f:
            f.write(draw())


if __name__ == "__main__":
    main()
