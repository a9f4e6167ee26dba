#!/usr/bin/env python3
"""Draw the pictures of the arithmetic level game (GIF89a, transparent).

  data/jindu.gif   24 x 24  progress star, one per correct answer in a row
  data/g1.gif      64 x 64  bronze trophy cup
  data/g2.gif      64 x 64  silver trophy cup
  data/g3.gif      64 x 64  gold trophy cup with a red star, laurel and sparkles

Pure Python, no imaging library: the sampling, palette and GIF writer come
from make_medal_gif.py beside this script. Shapes are described by signed
distances (negative inside), so each shape gets an even dark outline.

Usage: python3 tools/make_game_gifs.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_medal_gif import build_palette, render, star_points, write_gif  # noqa: E402

OUTLINE = 1.0                # outline width in pixels


# --- signed distances ---------------------------------------------------------

def seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def sd_polygon(x, y, pts):
    d = min(seg_dist(x, y, *pts[i - 1], *pts[i]) for i in range(len(pts)))
    inside = False
    j = len(pts) - 1
    for i, (xi, yi) in enumerate(pts):
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return -d if inside else d


def sd_ellipse(x, y, cx, cy, rx, ry):
    """Close to a true distance for ellipses that are not too flat."""
    return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * min(rx, ry)


def sd_round_rect(x, y, x0, y0, x1, y1, r):
    qx = abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r)
    qy = abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r)
    return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r


def bbox(pts, pad=1.5):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad


class Poly:
    """A polygon with a bounding box, so far-away samples are cheap."""

    def __init__(self, pts):
        self.pts = pts
        self.box = bbox(pts)

    def sd(self, x, y):
        x0, y0, x1, y1 = self.box
        if x < x0 or x > x1 or y < y0 or y > y1:
            return 9.0
        return sd_polygon(x, y, self.pts)


# --- the progress star --------------------------------------------------------

STAR_GOLD = (255, 196, 45)
STAR_LIGHT = (255, 226, 110)
STAR_DARK = (240, 160, 20)
STAR_EDGE = (196, 112, 8)
STAR_SHINE = (255, 250, 215)

JX, JY = 12.0, 12.8
JINDU_STAR = Poly(star_points(JX, JY, 11.4, 5.0))


def jindu(x, y):
    d = JINDU_STAR.sd(x, y)
    if d > 0:
        return None
    if d > -OUTLINE:
        return STAR_EDGE
    if math.hypot(x - (JX - 3.2), y - (JY - 3.4)) < 1.3:
        return STAR_SHINE
    # each arm is split along its middle into a light and a dark facet
    a = math.degrees(math.atan2(y - JY, x - JX)) + 90.0
    return STAR_LIGHT if a % 72.0 < 36.0 else STAR_DARK if a % 72.0 > 54.0 else STAR_GOLD


# --- the trophy cups ----------------------------------------------------------

CX = 32.0
RIM_Y = 11.0                 # centre of the cup's opening
BOWL_W = 15.0                # half width of the opening


def bowl_half_width(y):
    """The bowl: straight sides, then rounding in to meet the stem at y = 36."""
    if y <= 16.0:
        return BOWL_W
    return 3.0 + (BOWL_W - 3.0) * math.sqrt(max(0.0, 1.0 - ((y - 16.0) / 20.0) ** 2))


def _bowl_outline():
    right = [(CX + bowl_half_width(y), y) for y in
             [RIM_Y] + [16.0 + 20.0 * math.sin(math.radians(a)) for a in range(0, 91, 6)]]
    return right + [(2 * CX - x, y) for x, y in reversed(right)]


BOWL = Poly(_bowl_outline())
STEM = Poly([(CX - 2.8, 34.0), (CX + 2.8, 34.0), (CX + 2.8, 43.0), (CX - 2.8, 43.0)])
FOOT = Poly([(CX - 4.0, 42.0), (CX + 4.0, 42.0), (CX + 10.0, 47.5), (CX - 10.0, 47.5)])
CUP_STAR = Poly(star_points(CX, 23.5, 6.2, 2.6))
LEFT_HANDLE = (CX - 15.5, 20.0, 6.5, 7.5)
RIGHT_HANDLE = (CX + 15.5, 20.0, 6.5, 7.5)

SLATE = (86, 100, 132)
SLATE_TOP = (118, 134, 170)
SLATE_EDGE = (50, 58, 82)

METALS = {
    # base, highlight, shine, shade, outline, inside of the cup
    'bronze': ((214, 134, 62), (236, 172, 108), (252, 214, 170),
               (176, 100, 40), (112, 60, 22), (138, 76, 30)),
    'silver': ((196, 204, 216), (226, 232, 240), (252, 253, 255),
               (156, 166, 182), (92, 102, 122), (126, 136, 154)),
    'gold': ((245, 184, 61), (255, 210, 94), (255, 242, 180),
             (218, 148, 30), (168, 104, 8), (190, 124, 20)),
}

LEAF = (92, 170, 84)
LEAF_LIGHT = (132, 200, 112)
LEAF_EDGE = (46, 110, 52)
SPARKLE = (247, 181, 41)
RED = (228, 64, 52)
RED_EDGE = (150, 36, 30)


def shade_band(x, half_width, m):
    base, light, shine, shade = m[:4]
    t = (x - CX) / max(half_width, 0.5)
    if -0.78 < t < -0.5:
        return shine
    if t <= -0.2:
        return light
    if t > 0.45:
        return shade
    return base


def make_leaves():
    """(x, y, angle) of each laurel leaf: two branches rising beside the base."""
    left = []
    for k in range(7):
        a = math.radians(44 + 10 * k)              # angle from straight down
        px = CX - 22.0 * math.sin(a)
        py = 34.0 + 22.0 * math.cos(a)
        tang = math.atan2(-math.sin(a), -math.cos(a))   # heading up the branch
        if k == 6:                                 # a leaf at the tip
            left.append((px + 2.0 * math.cos(tang), py + 2.0 * math.sin(tang), tang))
            continue
        off = 2.3 if k % 2 == 0 else -2.3          # alternately out and in
        nx, ny = -math.sin(tang), math.cos(tang)
        left.append((px + nx * off, py + ny * off, tang + (0.55 if off > 0 else -0.55)))
    return left + [(2 * CX - x, y, math.pi - ang) for x, y, ang in left]


def sd_leaf(x, y, cx, cy, ang, length=4.2, width=1.8):
    c, s = math.cos(ang), math.sin(ang)
    u = (x - cx) * c + (y - cy) * s
    v = -(x - cx) * s + (y - cy) * c
    return sd_ellipse(u, v, 0.0, 0.0, length, width)


def sparkle(x, y, cx, cy, r):
    """A four-pointed sparkle, thin arms along the axes."""
    dx, dy = abs(x - cx), abs(y - cy)
    return dx < r and dy < r and (dx / r) ** 0.5 + (dy / r) ** 0.5 <= 1.0


def make_trophy(metal, grand=False):
    m = METALS[metal]
    base, light, shine, _, edge, inside = m
    leaves = make_leaves() if grand else []

    def sample(x, y):
        # the opening of the cup, seen from slightly above
        d = sd_ellipse(x, y, CX, RIM_Y, BOWL_W + 0.6, 3.6)
        if d <= 0:
            if d > -OUTLINE:
                return edge
            if sd_ellipse(x, y, CX, RIM_Y + 0.5, BOWL_W - 1.6, 2.3) <= 0:
                return inside
            return light if x < CX else base
        # bowl with its star (a red one on the gold cup)
        d = BOWL.sd(x, y)
        if d <= 0:
            if d > -OUTLINE:
                return edge
            sd_star = CUP_STAR.sd(x, y)
            if sd_star <= 0:
                if grand:
                    return RED_EDGE if sd_star > -0.9 else RED
                return edge if sd_star > -0.9 else shine
            return shade_band(x, bowl_half_width(y), m)
        # knot on the stem
        d = sd_ellipse(x, y, CX, 38.5, 5.0, 2.2)
        if d <= 0:
            return edge if d > -OUTLINE else shade_band(x, 5.0, m)
        d = min(STEM.sd(x, y), FOOT.sd(x, y))
        if d <= 0:
            if d > -OUTLINE:
                return edge
            hw = 2.8 if y < 42.0 else 4.0 + (y - 42.0) / 5.5 * 6.0
            return shade_band(x, hw, m)
        # handles, behind the bowl
        for h in (LEFT_HANDLE, RIGHT_HANDLE):
            d = abs(sd_ellipse(x, y, *h)) - 1.7
            if d <= 0:
                return edge if d > -0.8 else (light if y < h[1] else base)
        # the plinth with a name plate
        d = sd_round_rect(x, y, CX - 15.0, 47.0, CX + 15.0, 59.0, 2.0)
        if d <= 0:
            if d > -OUTLINE:
                return SLATE_EDGE
            p = sd_round_rect(x, y, CX - 8.0, 50.5, CX + 8.0, 56.0, 1.0)
            if p <= 0:
                return edge if p > -0.9 else (light if y < 52.5 else base)
            return SLATE_TOP if y < 49.2 else SLATE
        if grand:
            for lx, ly, la in leaves:
                d = sd_leaf(x, y, lx, ly, la)
                if d <= 0:
                    return LEAF_EDGE if d > -0.8 else (LEAF_LIGHT if d < -1.2 else LEAF)
            for sx, sy, r in ((7.5, 7.5, 6.0), (57.0, 5.5, 4.5)):
                if sparkle(x, y, sx, sy, r):
                    return SPARKLE
        return None

    return sample


def save(path, shape, size):
    palette, indices, bits = build_palette(render(shape, size, size))
    write_gif(path, palette, indices, bits, size, size)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'data')
    save(os.path.join(folder, 'jindu.gif'), jindu, 24)
    save(os.path.join(folder, 'g1.gif'), make_trophy('bronze'), 64)
    save(os.path.join(folder, 'g2.gif'), make_trophy('silver'), 64)
    save(os.path.join(folder, 'g3.gif'), make_trophy('gold', grand=True), 64)


if __name__ == '__main__':
    main()
