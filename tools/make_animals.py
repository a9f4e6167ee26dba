#!/usr/bin/env python3
"""Draw the pictures of the comparison pages (GIF89a, transparent).

  data/flash/t2.gif   40 x 34  a camel with two humps, facing right
  data/flash/t3.gif   34 x 34  a sitting rabbit, facing right

Pure Python, no imaging library: the sampling, palette and GIF writer come
from make_medal_gif.py beside this script. Each animal is a few ellipses
and polygons; the whole figure gets one dark outline, and small details
(eyes, nose, inner ears) are painted over it.

Usage: python3 tools/make_animals.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_medal_gif import build_palette, in_polygon, render, write_gif  # noqa: E402

OUTLINE = 1.1                # outline width in pixels


def ellipse(cx, cy, rx, ry, angle=0.0):
    """Inside test of an ellipse grown by g pixels, turned by angle (degrees)."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def inside(x, y, g=0.0):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / (rx + g)) ** 2 + (v / (ry + g)) ** 2 <= 1.0
    return inside


def polygon(pts):
    def inside(x, y, g=0.0):
        if in_polygon(x, y, pts):
            return True
        if g <= 0:
            return False
        # near an edge counts when growing
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if math.hypot(x - ax - t * dx, y - ay - t * dy) <= g:
                return True
        return False
    return inside


def figure(parts, details, outline_colour):
    """parts: (shape, colour) back to front; details painted last, unoutlined."""
    def sample(x, y):
        for shape, colour in reversed(details):
            if shape(x, y):
                return colour
        for shape, colour in reversed(parts):
            if shape(x, y):
                return colour
        for shape, _ in parts:
            if shape(x, y, OUTLINE):
                return outline_colour
        return None
    return sample


# --- the camel ---------------------------------------------------------------

SAND = (222, 178, 108)
SAND_DARK = (196, 148, 80)
SAND_LIGHT = (236, 204, 146)
CAMEL_LINE = (120, 80, 36)
EYE = (40, 30, 24)
WHITE = (255, 255, 255)

CAMEL_PARTS = [
    (polygon([(8.0, 14.0), (9.5, 14.5), (7.6, 21.5), (6.2, 21.0)]), SAND_DARK),   # tail
    (polygon([(10.6, 18.0), (13.6, 18.0), (13.4, 31.0), (10.8, 31.0)]), SAND_DARK),  # far back leg
    (polygon([(25.6, 18.0), (28.6, 18.0), (28.8, 31.0), (26.2, 31.0)]), SAND_DARK),  # far front leg
    (ellipse(20.0, 17.0, 11.5, 6.5), SAND),                                         # body
    (ellipse(15.0, 11.0, 4.6, 5.2), SAND),                                          # back hump
    (ellipse(23.8, 11.0, 4.6, 5.2), SAND),                                          # front hump
    (polygon([(28.0, 14.0), (32.6, 5.0), (35.6, 6.2), (32.2, 18.0)]), SAND),        # neck
    (ellipse(35.0, 6.4, 3.8, 2.7, -8), SAND),                                       # head
    (ellipse(33.2, 3.4, 1.0, 1.6, 20), SAND_DARK),                                  # ear
    (polygon([(14.2, 19.0), (17.2, 19.0), (17.0, 31.0), (14.4, 31.0)]), SAND),     # near back leg
    (polygon([(22.2, 19.0), (25.2, 19.0), (25.2, 31.0), (22.6, 31.0)]), SAND),     # near front leg
]
CAMEL_DETAILS = [
    (ellipse(19.0, 19.5, 7.5, 2.6), SAND_LIGHT),                                    # belly
    (ellipse(35.9, 5.6, 0.85, 0.85), EYE),
    (ellipse(36.1, 5.3, 0.3, 0.3), WHITE),
    (ellipse(38.2, 7.2, 0.45, 0.45), CAMEL_LINE),                                   # nostril
]

# --- the rabbit --------------------------------------------------------------

FUR = (218, 214, 222)
FUR_DARK = (190, 185, 198)
RABBIT_LINE = (96, 90, 108)
PINK = (244, 166, 182)
TAIL = (250, 250, 252)

RABBIT_PARTS = [
    (ellipse(20.6, 7.0, 2.2, 6.4, -12), FUR_DARK),      # far ear
    (ellipse(14.6, 22.6, 10.4, 8.2), FUR),              # body
    (ellipse(5.0, 21.0, 3.0, 3.0), TAIL),               # tail
    (ellipse(24.0, 14.8, 6.2, 5.6), FUR),               # head
    (ellipse(24.8, 6.6, 2.3, 6.6, 10), FUR),            # near ear
    (ellipse(12.0, 30.2, 6.2, 2.4), FUR_DARK),          # back foot
    (ellipse(22.4, 30.4, 3.6, 2.0), FUR),               # front paw
]
RABBIT_DETAILS = [
    (ellipse(24.8, 6.8, 1.0, 5.0, 10), PINK),           # inner ear
    (ellipse(26.2, 13.6, 1.0, 1.1), EYE),
    (ellipse(26.5, 13.2, 0.35, 0.35), WHITE),
    (ellipse(29.8, 15.6, 0.9, 0.75), PINK),             # nose
    (ellipse(27.0, 17.4, 1.6, 1.0), (236, 196, 206)),   # cheek
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'data', 'flash')
    os.makedirs(folder, exist_ok=True)
    for name, parts, details, line, width, height in (
            ('t2.gif', CAMEL_PARTS, CAMEL_DETAILS, CAMEL_LINE, 40, 34),
            ('t3.gif', RABBIT_PARTS, RABBIT_DETAILS, RABBIT_LINE, 34, 34)):
        pixels = render(figure(parts, details, line), width, height)
        palette, indices, bits = build_palette(pixels)
        write_gif(os.path.join(folder, name), palette, indices, bits, width, height)


if __name__ == '__main__':
    main()
