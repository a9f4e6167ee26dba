#!/usr/bin/env python3
"""Draw the playing cards of the 24-point game and the memory game.

  data/24/<value><suit>.gif   72 x 100  card faces, value 1 to 10, suit a to d
  data/24/pp.gif              72 x 100  the card back (a face-down card)

Suits: a = spade (black), b = heart (red), c = club (black), d = diamond (red).
Each face has its value in large digits in the top-left corner with a small
suit mark below, the same turned upside down in the bottom-right corner, and
in the middle a big numeral in the suit's colour between two suit marks (the
lower one upside down), so the value reads at a glance even on a small card.
The back is blue with a white border, a diagonal lattice and a star.

Pure Python, no imaging library: the sampling, palette and GIF writer come
from make_medal_gif.py and the distance helpers from make_game_gifs.py beside
this script. Digits are drawn as round-ended strokes along a centre line,
suit marks as circles and polygons. To stay quick, the blank card is sampled
once and each digit and pip is sampled once into a coverage mask, which is
then blended onto the card wherever it is used.

Usage: python3 tools/make_cards.py [output folder]
"""
import functools
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_medal_gif import build_palette, in_polygon, render, star_points, write_gif  # noqa: E402
from make_game_gifs import Poly, sd_round_rect, seg_dist  # noqa: E402

W, H = 72, 100               # card size in pixels
RADIUS = 6.0                 # corner radius
SUB = 6                      # samples per pixel along each axis in the masks

WHITE = (255, 255, 255)
BORDER = (150, 156, 164)
RED = (214, 32, 42)
BLACK = (28, 30, 38)
SUITS = {'a': ('spade', BLACK), 'b': ('heart', RED),
         'c': ('club', BLACK), 'd': ('diamond', RED)}


# --- coverage masks -----------------------------------------------------------

class Mask:
    """Coverage (0 to 1) of a shape over a w x h block of pixels."""

    def __init__(self, w, h, cover):
        self.w, self.h, self.cover = w, h, cover

    @classmethod
    def sample(cls, inside, w, h):
        offsets = [(k + 0.5) / SUB for k in range(SUB)]
        n = SUB * SUB
        cover = []
        for py in range(h):
            ys = [py + o for o in offsets]
            for px in range(w):
                xs = [px + o for o in offsets]
                cover.append(sum(1 for y in ys for x in xs if inside(x, y)) / n)
        return cls(w, h, cover)

    def turned(self):
        """The mask turned upside down (rotated by half a turn)."""
        return Mask(self.w, self.h, self.cover[::-1])

    def union(self, other):
        return Mask(self.w, self.h, [min(1.0, a + b) for a, b in zip(self.cover, other.cover)])


def blend(pixels, mask, x0, y0, colour):
    """Paint colour through mask onto the card pixels, mask corner at (x0, y0)."""
    for my in range(mask.h):
        row = (y0 + my) * W + x0
        for mx in range(mask.w):
            a = mask.cover[my * mask.w + mx]
            if a <= 0.0:
                continue
            base = pixels[row + mx]
            pixels[row + mx] = tuple(round(b + (c - b) * a) for b, c in zip(base, colour))


# --- digits -------------------------------------------------------------------
# Centre lines in a unit box (x right, y down); the stroke is added around them.

def arc(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an elliptical arc, angles in degrees (90 is straight down)."""
    steps = steps or max(4, int(abs(a1 - a0) / 10))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def bezier(p0, p1, p2, steps=12):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


DIGIT_PATHS = {
    0: [arc(0.5, 0.5, 0.5, 0.5, 0, 360)],
    1: [[(0.12, 0.2), (0.75, 0.0), (0.75, 1.0)]],
    2: [arc(0.5, 0.27, 0.5, 0.27, 195, 375) + [(0.0, 1.0), (1.0, 1.0)]],
    3: [arc(0.47, 0.25, 0.44, 0.25, 205, 450),
        arc(0.5, 0.74, 0.5, 0.26, 270, 515)],
    4: [[(0.74, 1.0), (0.74, 0.0), (0.0, 0.68), (1.0, 0.68)]],
    5: [[(0.95, 0.0), (0.12, 0.0), (0.04, 0.47)] + arc(0.5, 0.68, 0.5, 0.32, 218, 505)],
    6: [arc(0.5, 0.68, 0.5, 0.32, 0, 360),
        bezier((0.0, 0.68), (0.0, 0.0), (0.82, 0.0))],
    7: [[(0.0, 0.0), (1.0, 0.0)] + bezier((1.0, 0.0), (0.42, 0.45), (0.36, 1.0))],
    8: [arc(0.5, 0.24, 0.42, 0.24, 0, 360),
        arc(0.5, 0.74, 0.5, 0.26, 0, 360)],
    9: [arc(0.5, 0.32, 0.5, 0.32, 0, 360),
        bezier((1.0, 0.32), (1.0, 1.0), (0.18, 1.0))],
}
DIGIT_WIDTH = {0: 0.56, 1: 0.38}   # width / height of each digit, 0.6 unless listed
DIGIT_GAP = 0.08            # space between the two digits of 10, / height


def digit_width(d, height):
    return DIGIT_WIDTH.get(d, 0.6) * height


class Stroke:
    """A polyline drawn with round ends, r pixels either side of the line."""

    def __init__(self, pts, r):
        self.segs = [(*pts[i - 1], *pts[i]) for i in range(1, len(pts)) if pts[i - 1] != pts[i]]
        self.r = r
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.box = (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r)

    def inside(self, x, y):
        x0, y0, x1, y1 = self.box
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        return any(seg_dist(x, y, *s) <= self.r for s in self.segs)


def number_strokes(value, x, y, height, stroke):
    """Strokes of the digits of value, top-left of the first digit at (x, y)."""
    r = stroke / 2
    gap = DIGIT_GAP * height
    strokes = []
    for ch in str(value):
        d = int(ch)
        w = digit_width(d, height)
        for path in DIGIT_PATHS[d]:
            strokes.append(Stroke([(x + r + u * (w - stroke), y + r + v * (height - stroke))
                                   for u, v in path], r))
        x += w + gap
    return strokes


def number_width(value, height):
    digits = [int(ch) for ch in str(value)]
    return sum(digit_width(d, height) for d in digits) + DIGIT_GAP * height * (len(digits) - 1)


# --- suit marks ---------------------------------------------------------------
# In a unit box centred on (0, 0), y down, about 1 high and 1 wide.

def tangent_point(px, py, cx, cy, r, side):
    """Where a line from (px, py) touches the circle, on the given side (-1 left)."""
    d = math.hypot(px - cx, py - cy)
    phi = math.atan2(py - cy, px - cx)
    beta = math.acos(r / d)
    pts = [(cx + r * math.cos(phi + s * beta), cy + r * math.sin(phi + s * beta)) for s in (1, -1)]
    return min(pts, key=lambda p: -side * p[0])


HEART_LOBES = ((-0.245, -0.2, 0.255), (0.245, -0.2, 0.255))
HEART_BODY = [(0.0, 0.5),
              tangent_point(0.0, 0.5, *HEART_LOBES[0], -1),
              HEART_LOBES[0][:2], HEART_LOBES[1][:2],
              tangent_point(0.0, 0.5, *HEART_LOBES[1], 1)]
STEM = [(-0.035, 0.12), (0.035, 0.12), (0.08, 0.36), (0.2, 0.5), (-0.2, 0.5), (-0.08, 0.36)]
CLUB_LEAVES = ((0.0, -0.265, 0.235), (-0.262, 0.085, 0.235), (0.262, 0.085, 0.235),
               (0.0, 0.02, 0.13))
DIAMOND = [(0.0, -0.5), (0.12, -0.3), (0.38, 0.0), (0.12, 0.3),
           (0.0, 0.5), (-0.12, 0.3), (-0.38, 0.0), (-0.12, -0.3)]


def in_circles(u, v, circles):
    return any((u - cx) ** 2 + (v - cy) ** 2 <= r * r for cx, cy, r in circles)


def in_heart(u, v):
    return in_circles(u, v, HEART_LOBES) or in_polygon(u, v, HEART_BODY)


def in_suit(suit, u, v):
    if suit == 'heart':
        return in_heart(u, v)
    if suit == 'diamond':
        return in_polygon(u, v, DIAMOND)
    if suit == 'spade':
        # an upside-down heart, a little smaller, on a flared stem
        return in_heart(u / 0.84, -(v + 0.085) / 0.84) or in_polygon(u, v, STEM)
    return in_circles(u, v, CLUB_LEAVES) or in_polygon(u, v, STEM)


@functools.lru_cache(maxsize=None)
def pip_mask(suit, size):
    """A suit mark size pixels high, centred in a size x size block."""
    half = size / 2
    return Mask.sample(lambda x, y: in_suit(suit, (x - half) / size, (y - half) / size),
                       size, size)


# --- the face -----------------------------------------------------------------

INDEX_X, INDEX_Y = 3, 5      # corner of the index block
INDEX_W, INDEX_H = 20, 30    # size of the index block (digits and a suit mark)
DIGIT_H = 18                 # height of the corner digits
DIGIT_STROKE = 3.1
INDEX_PIP = 10               # size of the small suit mark below the digits
BIG_H = 34                   # height of the numeral in the middle
BIG_STROKE = 5.2
BIG_W = 40                   # width of the block the middle numeral is centred in
MID_PIP = 16                 # size of the suit marks above and below the numeral
MID_PIP_Y = 9                # gap between the card edge and those suit marks


@functools.lru_cache(maxsize=None)
def number_mask(value, height, stroke, w, h):
    """The digits of value, centred across the top of a w x h block."""
    x = (w - number_width(value, height)) / 2
    strokes = number_strokes(value, x, 0.0, height, stroke)
    return Mask.sample(lambda px, py: any(s.inside(px, py) for s in strokes), w, h)


@functools.lru_cache(maxsize=None)
def index_mask(value, suit):
    """Corner digits with the small suit mark centred below them."""
    pip = pip_mask(suit, INDEX_PIP)
    ox, oy = (INDEX_W - INDEX_PIP) // 2, INDEX_H - INDEX_PIP
    placed = [0.0] * (INDEX_W * INDEX_H)
    for y in range(pip.h):
        for x in range(pip.w):
            placed[(oy + y) * INDEX_W + ox + x] = pip.cover[y * pip.w + x]
    digits = number_mask(value, DIGIT_H, DIGIT_STROKE, INDEX_W, INDEX_H)
    return digits.union(Mask(INDEX_W, INDEX_H, placed))


def card_shape(x, y):
    d = sd_round_rect(x, y, 0.0, 0.0, W, H, RADIUS)
    if d > 0:
        return None
    return BORDER if d > -1.0 else WHITE


@functools.lru_cache(maxsize=None)
def blank_card():
    return render(card_shape, W, H)


def draw_face(value, letter):
    """Corner indices, a big numeral in the middle, a suit mark above and below."""
    suit, colour = SUITS[letter]
    pixels = list(blank_card())
    index = index_mask(value, suit)
    blend(pixels, index, INDEX_X, INDEX_Y, colour)
    blend(pixels, index.turned(), W - INDEX_X - INDEX_W, H - INDEX_Y - INDEX_H, colour)
    big = number_mask(value, BIG_H, BIG_STROKE, BIG_W, BIG_H)
    blend(pixels, big, (W - BIG_W) // 2, (H - BIG_H) // 2, colour)
    pip = pip_mask(suit, MID_PIP)
    blend(pixels, pip, (W - MID_PIP) // 2, MID_PIP_Y, colour)
    blend(pixels, pip.turned(), (W - MID_PIP) // 2, H - MID_PIP_Y - MID_PIP, colour)
    return pixels


# --- the back -----------------------------------------------------------------

BACK_BLUE = (52, 112, 206)
BACK_LINE = (104, 160, 232)
BACK_FRAME = (214, 230, 252)
MEDAL = (255, 255, 255)
MEDAL_STAR = (255, 196, 45)
MEDAL_STAR_EDGE = (214, 140, 16)
LATTICE = 12.0               # spacing of the diagonal lattice
BACK_STAR = Poly(star_points(W / 2, H / 2 + 0.8, 9.5, 4.0))


def back_shape(x, y):
    d = sd_round_rect(x, y, 0.0, 0.0, W, H, RADIUS)
    if d > 0:
        return None
    if d > -1.0:
        return BORDER
    if sd_round_rect(x, y, 4.0, 4.0, W - 4.0, H - 4.0, 3.5) > 0:
        return WHITE
    if abs(sd_round_rect(x, y, 7.0, 7.0, W - 7.0, H - 7.0, 2.0)) < 0.6:
        return BACK_FRAME
    cx, cy = W / 2, H / 2
    r = math.hypot(x - cx, y - cy)
    if r < 14.5:
        if r > 13.2:
            return BACK_FRAME
        s = BACK_STAR.sd(x, y)
        if s <= 0:
            return MEDAL_STAR_EDGE if s > -0.9 else MEDAL_STAR
        return MEDAL
    # a diagonal lattice centred on the card, with a dot in every diamond
    u = (x - cx + y - cy) / LATTICE
    v = (x - cx - y + cy) / LATTICE
    du, dv = abs(u - round(u)), abs(v - round(v))
    if min(du, dv) * LATTICE / math.sqrt(2) < 0.6:
        return BACK_LINE
    if math.hypot(du - 0.5, dv - 0.5) * LATTICE / math.sqrt(2) < 1.5:
        return BACK_FRAME
    return BACK_BLUE


# --- output -------------------------------------------------------------------

def save(path, pixels):
    palette, indices, bits = build_palette(pixels)
    write_gif(path, palette, indices, bits, W, H)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'data', '24')
    os.makedirs(folder, exist_ok=True)
    for letter in SUITS:
        for value in range(1, 11):
            save(os.path.join(folder, '%d%s.gif' % (value, letter)), draw_face(value, letter))
    save(os.path.join(folder, 'pp.gif'), render(back_shape, W, H))


if __name__ == '__main__':
    main()
