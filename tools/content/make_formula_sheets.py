#!/usr/bin/env python3
# Draws the five formula sheets data/zimu/gs-1.gif … gs-5.gif (the pages
# "小学数学公式1" … "小学数学公式5") from content/sources/formulas.txt: a title,
# then a two-column table of groups (a figure's name and a small line drawing
# of it, or the name of a kind of quantity) and their formulas.
#
# Needs Pillow and the Noto Sans CJK fonts (Debian/Ubuntu: apt-get install
# python3-pil fonts-noto-cjk). The sheets are 1200 px wide, about twice the
# width of the pane that shows them, so they stay readable there and print
# sharp. Everything is drawn at twice that size and scaled down, which smooths
# the lines of the drawings.
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SOURCE = os.path.join(ROOT, "content", "sources", "formulas.txt")
OUT_DIR = os.path.join(ROOT, "data", "zimu")

FONT_DIR = "/usr/share/fonts/opentype/noto"
REGULAR = os.path.join(FONT_DIR, "NotoSansCJK-Regular.ttc")
BOLD = os.path.join(FONT_DIR, "NotoSansCJK-Bold.ttc")
SC_INDEX = 2  # the simplified Chinese face of the collection

K = 2  # drawing scale
WIDTH = 1200
MARGIN = 44
PAD = 18

TITLE_SIZE = 56
NAME_SIZE = 40
BODY_SIZE = 40
LABEL_SIZE = 36
LEGEND_SIZE = 32
SMALL_SIZE = 34  # numerators, denominators and subscripts

INK = (30, 42, 53)
NAME_INK = (31, 95, 134)
LABEL_INK = (47, 111, 149)
GREY = (92, 106, 118)
RULE = (150, 172, 190)
SHADE = (242, 247, 250)
FIG_FILL = (226, 238, 246)
WHITE = (255, 255, 255)

_fonts = {}


def font(size, bold=False):
    key = (size, bold)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(BOLD if bold else REGULAR, size * K, index=SC_INDEX)
    return _fonts[key]


# ---------------------------------------------------------------- source

class Group:
    def __init__(self, name, figure):
        self.name = name
        self.figure = figure
        self.legends = []
        self.rows = []  # (label, formula)


class Sheet:
    def __init__(self, title):
        self.title = title
        self.groups = []
        self.notes = []


def read_sheets():
    sheets = []
    with open(SOURCE, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            where = f"{SOURCE}:{number}"
            if line.startswith("= "):
                sheets.append(Sheet(line[2:].strip()))
                continue
            if not sheets:
                sys.exit(f"{where}: text before the first sheet")
            sheet = sheets[-1]
            if line.startswith("! "):
                sheet.notes.append(line[2:].strip())
                continue
            if line.startswith("+ "):
                name, _, figure = line[2:].partition("@")
                figure = figure.strip() or None
                if figure and figure not in FIGURES:
                    sys.exit(f"{where}: no drawing called {figure}")
                sheet.groups.append(Group(name.strip(), figure))
                continue
            if not sheet.groups:
                sys.exit(f"{where}: formula outside a group")
            group = sheet.groups[-1]
            if line.startswith("~ "):
                group.legends.append(line[2:].strip())
            elif "|" in line:
                label, _, formula = line.partition("|")
                group.rows.append((label.strip(), formula.strip()))
            else:
                group.rows.append(("", line))
    return sheets


# ---------------------------------------------------------------- rich text
# A line of text is a list of units: ("t", character), ("f", numerator,
# denominator) for a fraction and ("s", character) for a subscript.

def units(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "{":
            end = text.index("}", i)
            num, _, den = text[i + 1:end].partition("/")
            out.append(("f", num, den))
            i = end + 1
        elif c == "_" and i + 1 < len(text):
            out.append(("s", text[i + 1]))
            i += 2
        else:
            out.append(("t", c))
            i += 1
    return out


def unit_width(u, size):
    if u[0] == "t":
        return font(size).getlength(u[1])
    small = font(SMALL_SIZE)
    if u[0] == "s":
        return small.getlength(u[1]) + 2 * K
    return max(small.getlength(u[1]), small.getlength(u[2])) + 10 * K


def units_width(us, size):
    return sum(unit_width(u, size) for u in us)


def wrap(us, size, width):
    """Lines of units no wider than width: broken before "=" or after a
    full-width space where possible, else between any two units."""
    lines = []
    current = []
    for u in us:
        current.append(u)
        if units_width(current, size) <= width or len(current) == 1:
            continue
        cut = None
        for i in range(len(current) - 1, 0, -1):
            if current[i] == ("t", "=") or current[i - 1] == ("t", "\u3000"):
                cut = i
                break
        if cut is None:
            cut = len(current) - 1
        lines.append(current[:cut])
        current = current[cut:]
        while current and current[0] == ("t", "\u3000"):
            current.pop(0)
    if current:
        lines.append(current)
    return [[u for u in line] for line in lines]


def cap_height(size):
    return -font(size).getbbox("0", anchor="ls")[1]


def line_extent(us, size):
    """Space above and below the baseline that a line of units needs."""
    above = size * 1.1 * K
    below = size * 0.4 * K
    if any(u[0] == "f" for u in us):
        axis = size * 0.3 * K
        small_cap = cap_height(SMALL_SIZE)
        above = max(above, axis + 7 * K + small_cap + 10 * K)
        below = max(below, -axis + 7 * K + small_cap + 12 * K)
    return above, below


def draw_units(draw, x, baseline, us, size, fill, bold=False):
    f = font(size, bold)
    small = font(SMALL_SIZE)
    for u in us:
        if u[0] == "t":
            draw.text((x, baseline), u[1], font=f, fill=fill, anchor="ls")
        elif u[0] == "s":
            draw.text((x + K, baseline + 7 * K), u[1], font=small, fill=fill, anchor="ls")
        else:
            w = unit_width(u, size)
            axis = baseline - size * 0.3 * K
            cx = x + w / 2
            draw.line([(x + 3 * K, axis), (x + w - 3 * K, axis)], fill=fill, width=2 * K)
            draw.text((cx, axis - 7 * K), u[1], font=small, fill=fill, anchor="ms")
            draw.text((cx, axis + 7 * K + cap_height(SMALL_SIZE)), u[2], font=small,
                      fill=fill, anchor="ms")
        x += unit_width(u, size)
    return x


# ---------------------------------------------------------------- drawings
# Each drawing fills a box of FIG_W × FIG_H (before scaling by K).

FIG_W = 236
FIG_H = 150
LINE = 3


def _p(box, x, y):
    return (box[0] + x * K, box[1] + y * K)


def _line(d, box, pts, dashed=False):
    pts = [_p(box, x, y) for x, y in pts]
    if not dashed:
        d.line(pts, fill=INK, width=LINE * K, joint="curve")
        return
    for a, b in zip(pts, pts[1:]):
        length = math.dist(a, b)
        step = 9 * K
        n = max(1, int(length // step))
        for i in range(0, n, 2):
            t0, t1 = i / n, min(1, (i + 1) / n)
            d.line([(a[0] + (b[0] - a[0]) * t0, a[1] + (b[1] - a[1]) * t0),
                    (a[0] + (b[0] - a[0]) * t1, a[1] + (b[1] - a[1]) * t1)],
                   fill=INK, width=2 * K)


def _arc(d, box, cx, cy, rx, ry, start, end, dashed=False):
    """Part of an ellipse, angles in degrees counter-clockwise from the right."""
    n = max(8, int(abs(end - start) / 4))
    pts = []
    for i in range(n + 1):
        a = math.radians(start + (end - start) * i / n)
        pts.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    if dashed:
        for i in range(0, n, 2):
            _line(d, box, pts[i:i + 2])
    else:
        _line(d, box, pts)


def _label(d, box, x, y, text):
    d.text(_p(box, x, y), text, font=font(28), fill=LABEL_INK, anchor="mm")


def _right_angle(d, box, x, y, dx, dy):
    """A small square mark at (x, y), its sides along dx and dy."""
    s = 12
    _line(d, box, [(x + dx * s, y), (x + dx * s, y + dy * s), (x, y + dy * s)])


def fig_rectangle(d, box):
    d.rectangle([_p(box, 28, 22), _p(box, 208, 118)], fill=FIG_FILL)
    _line(d, box, [(28, 22), (208, 22), (208, 118), (28, 118), (28, 22)])
    _label(d, box, 118, 136, "a")
    _label(d, box, 222, 70, "b")


def fig_square(d, box):
    d.rectangle([_p(box, 66, 14), _p(box, 170, 118)], fill=FIG_FILL)
    _line(d, box, [(66, 14), (170, 14), (170, 118), (66, 118), (66, 14)])
    _label(d, box, 118, 136, "a")


def fig_triangle(d, box):
    pts = [(20, 118), (216, 118), (80, 16)]
    d.polygon([_p(box, *p) for p in pts], fill=FIG_FILL)
    _line(d, box, pts + [pts[0]])
    _line(d, box, [(80, 16), (80, 118)], dashed=True)
    _right_angle(d, box, 80, 118, 1, -1)
    _label(d, box, 118, 136, "a")
    _label(d, box, 68, 72, "h")


def fig_parallelogram(d, box):
    pts = [(60, 20), (222, 20), (176, 118), (14, 118)]
    d.polygon([_p(box, *p) for p in pts], fill=FIG_FILL)
    _line(d, box, pts + [pts[0]])
    _line(d, box, [(72, 20), (72, 118)], dashed=True)
    _right_angle(d, box, 72, 118, 1, -1)
    _label(d, box, 95, 136, "a")
    _label(d, box, 86, 70, "h")


def fig_trapezoid(d, box):
    pts = [(72, 30), (160, 30), (218, 120), (18, 120)]
    d.polygon([_p(box, *p) for p in pts], fill=FIG_FILL)
    _line(d, box, pts + [pts[0]])
    _line(d, box, [(100, 30), (100, 120)], dashed=True)
    _right_angle(d, box, 100, 120, 1, -1)
    _label(d, box, 130, 12, "a")
    _label(d, box, 118, 138, "b")
    _label(d, box, 88, 76, "h")


def fig_circle(d, box):
    cx, cy, r = 118, 70, 62
    d.ellipse([_p(box, cx - r, cy - r), _p(box, cx + r, cy + r)], fill=FIG_FILL)
    _arc(d, box, cx, cy, r, r, 0, 360)
    _line(d, box, [(cx, cy), (cx + r, cy)])
    d.ellipse([_p(box, cx - 3, cy - 3), _p(box, cx + 3, cy + 3)], fill=INK)
    _label(d, box, cx - 10, cy + 14, "O")
    _label(d, box, cx + r / 2, cy - 14, "r")


def fig_semicircle(d, box):
    cx, cy, r = 118, 112, 90
    d.pieslice([_p(box, cx - r, cy - r), _p(box, cx + r, cy + r)], 180, 360, fill=FIG_FILL)
    _arc(d, box, cx, cy, r, r, 0, 180)
    _line(d, box, [(cx - r, cy), (cx + r, cy)])
    d.ellipse([_p(box, cx - 3, cy - 3), _p(box, cx + 3, cy + 3)], fill=INK)
    _label(d, box, cx + r / 2, cy + 16, "r")


def fig_sector(d, box):
    cx, cy, r = 60, 124, 108
    d.pieslice([_p(box, cx - r, cy - r), _p(box, cx + r, cy + r)], 290, 360, fill=FIG_FILL)
    _arc(d, box, cx, cy, r, r, 0, 70)
    tip = (cx + r * math.cos(math.radians(70)), cy - r * math.sin(math.radians(70)))
    _line(d, box, [tip, (cx, cy), (cx + r, cy)])
    _arc(d, box, cx, cy, 22, 22, 0, 70)
    _label(d, box, cx + 44, cy - 26, "n°")
    _label(d, box, cx + r / 2 + 8, cy + 14, "r")


def fig_ring(d, box):
    cx, cy, big, small = 118, 70, 64, 32
    d.ellipse([_p(box, cx - big, cy - big), _p(box, cx + big, cy + big)], fill=FIG_FILL)
    d.ellipse([_p(box, cx - small, cy - small), _p(box, cx + small, cy + small)], fill=WHITE)
    _arc(d, box, cx, cy, big, big, 0, 360)
    _arc(d, box, cx, cy, small, small, 0, 360)
    _line(d, box, [(cx, cy), (cx + big, cy)])
    _line(d, box, [(cx, cy), (cx - small, cy)])
    d.ellipse([_p(box, cx - 3, cy - 3), _p(box, cx + 3, cy + 3)], fill=INK)
    _label(d, box, cx + 48, cy - 13, "R")
    _label(d, box, cx - 16, cy - 13, "r")


def _box3d(d, box, x, y, w, h, dx, dy):
    """A cuboid in oblique view: front face at (x, y) of w × h, depth (dx, dy)."""
    front = [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
    d.polygon([_p(box, *p) for p in front], fill=FIG_FILL)
    _line(d, box, front + [front[0]])
    _line(d, box, [(x, y), (x + dx, y - dy), (x + w + dx, y - dy), (x + w, y)])
    _line(d, box, [(x + w + dx, y - dy), (x + w + dx, y + h - dy), (x + w, y + h)])
    _line(d, box, [(x, y + h), (x + dx, y + h - dy), (x + dx, y - dy)], dashed=True)
    _line(d, box, [(x + dx, y + h - dy), (x + w + dx, y + h - dy)], dashed=True)


def fig_cuboid(d, box):
    _box3d(d, box, 20, 44, 150, 78, 48, 34)
    _label(d, box, 95, 138, "a")
    _label(d, box, 196, 118, "b")
    _label(d, box, 232, 74, "h")


def fig_cube(d, box):
    _box3d(d, box, 56, 40, 86, 86, 38, 28)
    _label(d, box, 99, 140, "a")


def fig_cylinder(d, box):
    cx, rx, ry, top, bottom = 118, 64, 22, 30, 118
    d.rectangle([_p(box, cx - rx, top), _p(box, cx + rx, bottom)], fill=FIG_FILL)
    d.ellipse([_p(box, cx - rx, bottom - ry), _p(box, cx + rx, bottom + ry)], fill=FIG_FILL)
    d.ellipse([_p(box, cx - rx, top - ry), _p(box, cx + rx, top + ry)], fill=WHITE)
    _arc(d, box, cx, top, rx, ry, 0, 360)
    _arc(d, box, cx, bottom, rx, ry, 180, 360)
    _arc(d, box, cx, bottom, rx, ry, 0, 180, dashed=True)
    _line(d, box, [(cx - rx, top), (cx - rx, bottom)])
    _line(d, box, [(cx + rx, top), (cx + rx, bottom)])
    _line(d, box, [(cx, top), (cx + rx, top)])
    d.ellipse([_p(box, cx - 3, top - 3), _p(box, cx + 3, top + 3)], fill=INK)
    _line(d, box, [(cx, top), (cx, bottom)], dashed=True)
    _label(d, box, cx + rx / 2, top - 10, "r")
    _label(d, box, cx + 13, (top + bottom) / 2 + 8, "h")


def fig_cone(d, box):
    cx, rx, ry, apex, base = 118, 66, 22, 8, 116
    d.polygon([_p(box, cx, apex), _p(box, cx - rx, base), _p(box, cx + rx, base)],
              fill=FIG_FILL)
    d.ellipse([_p(box, cx - rx, base - ry), _p(box, cx + rx, base + ry)], fill=FIG_FILL)
    _arc(d, box, cx, base, rx, ry, 180, 360)
    _arc(d, box, cx, base, rx, ry, 0, 180, dashed=True)
    _line(d, box, [(cx - rx, base), (cx, apex), (cx + rx, base)])
    _line(d, box, [(cx, apex), (cx, base)], dashed=True)
    _line(d, box, [(cx, base), (cx + rx, base)], dashed=True)
    d.ellipse([_p(box, cx - 3, base - 3), _p(box, cx + 3, base + 3)], fill=INK)
    _label(d, box, cx + rx / 2 + 2, base - 9, "r")
    _label(d, box, cx - 12, (apex + base) / 2 + 14, "h")


FIGURES = {
    "rectangle": fig_rectangle, "square": fig_square, "triangle": fig_triangle,
    "parallelogram": fig_parallelogram, "trapezoid": fig_trapezoid,
    "circle": fig_circle, "semicircle": fig_semicircle, "sector": fig_sector,
    "ring": fig_ring, "cuboid": fig_cuboid, "cube": fig_cube,
    "cylinder": fig_cylinder, "cone": fig_cone,
}


# ---------------------------------------------------------------- layout

def text_lines(text, size, width):
    return wrap(units(text), size, width)


def layout(sheet):
    """Everything to draw, as (kind, …) items with y positions, and the height."""
    has_figures = any(g.figure for g in sheet.groups)
    if has_figures:
        left_w = (FIG_W + 2 * PAD) * K
    else:
        widest = max(font(NAME_SIZE, True).getlength(g.name) for g in sheet.groups)
        left_w = min(widest + 2 * PAD * K, 330 * K)
    x0 = MARGIN * K
    x1 = (WIDTH - MARGIN) * K
    right_x = x0 + left_w
    labels = [label for g in sheet.groups for label, _ in g.rows if label]
    label_w = (max(font(LABEL_SIZE).getlength(l) for l in labels) + 30 * K) if labels else 0
    formula_x = right_x + PAD * K + label_w
    formula_w = x1 - PAD * K - formula_x
    span_w = x1 - PAD * K - (right_x + PAD * K)

    items = []
    y = MARGIN * K
    title = units(sheet.title)
    tw = units_width(title, TITLE_SIZE)
    items.append(("title", (WIDTH * K - tw) / 2, y + TITLE_SIZE * 1.05 * K, title))
    y += TITLE_SIZE * 1.45 * K + 12 * K
    table_top = y
    separators = []
    for index, g in enumerate(sheet.groups):
        top = y
        # Left cell: the name, then the drawing.
        ly = top + PAD * K
        for line in text_lines(g.name, NAME_SIZE, left_w - 2 * PAD * K):
            above, below = line_extent(line, NAME_SIZE)
            w = units_width(line, NAME_SIZE)
            items.append(("name", x0 + (left_w - w) / 2, ly + above, line))
            ly += above + below
        if g.figure:
            ly += 6 * K
            items.append(("figure", x0 + PAD * K, ly, g.figure))
            ly += FIG_H * K
        # Right cell: the legend, then the formulas.
        ry = top + PAD * K
        for legend in g.legends:
            for line in text_lines(legend, LEGEND_SIZE, span_w):
                above, below = line_extent(line, LEGEND_SIZE)
                items.append(("legend", right_x + PAD * K, ry + above, line))
                ry += above + below
        if g.legends:
            ry += 6 * K
        previous = None
        for label, formula in g.rows:
            fx, fw = (formula_x, formula_w) if label else (right_x + PAD * K, span_w)
            lines = wrap(units(formula), BODY_SIZE, fw)
            for i, line in enumerate(lines):
                above, below = line_extent(line, BODY_SIZE)
                if i == 0 and label and label != previous:
                    items.append(("label", right_x + PAD * K, ry + above, units(label)))
                items.append(("formula", fx, ry + above, line))
                ry += above + below
            ry += 4 * K
            previous = label
        y = max(ly, ry) + PAD * K
        items.insert(0, ("band", index, top, y))
        separators.append(y)
    table_bottom = y
    items.insert(0, ("table", x0, table_top, x1, table_bottom, right_x, separators[:-1]))
    y += 14 * K
    for note in sheet.notes:
        for line in text_lines("注：" + note if note is sheet.notes[0] else note,
                               LEGEND_SIZE, x1 - x0):
            above, below = line_extent(line, LEGEND_SIZE)
            items.append(("note", x0, y + above, line))
            y += above + below
    y += MARGIN * K
    return items, int(math.ceil(y))


def render(sheet, path):
    items, height = layout(sheet)
    image = Image.new("RGB", (WIDTH * K, height), WHITE)
    d = ImageDraw.Draw(image)
    table = next(i for i in items if i[0] == "table")
    _, x0, top, x1, bottom, right_x, separators = table
    for item in items:
        if item[0] == "band" and item[1] % 2 == 1:
            d.rectangle([x0, item[2], x1, item[3]], fill=SHADE)
    for y in separators:
        d.line([(x0, y), (x1, y)], fill=RULE, width=2 * K)
    d.line([(right_x, top), (right_x, bottom)], fill=RULE, width=2 * K)
    d.rectangle([x0, top, x1, bottom], outline=INK, width=3 * K)
    for item in items:
        kind = item[0]
        if kind == "title":
            draw_units(d, item[1], item[2], item[3], TITLE_SIZE, INK, bold=True)
        elif kind == "name":
            draw_units(d, item[1], item[2], item[3], NAME_SIZE, NAME_INK, bold=True)
        elif kind == "legend" or kind == "note":
            draw_units(d, item[1], item[2], item[3], LEGEND_SIZE, GREY)
        elif kind == "label":
            draw_units(d, item[1], item[2], item[3], LABEL_SIZE, LABEL_INK)
        elif kind == "formula":
            draw_units(d, item[1], item[2], item[3], BODY_SIZE, INK)
        elif kind == "figure":
            FIGURES[item[3]](d, (item[1], item[2]))
    small = image.resize((WIDTH, int(round(height / K))), Image.LANCZOS)
    small.convert("P", palette=Image.ADAPTIVE, colors=64).save(path, optimize=True)


def main():
    sheets = read_sheets()
    if len(sheets) != 5:
        sys.exit(f"{SOURCE}: {len(sheets)} sheets, expected 5")
    for number, sheet in enumerate(sheets, 1):
        path = os.path.join(OUT_DIR, f"gs-{number}.gif")
        render(sheet, path)
        print(path)


if __name__ == "__main__":
    main()
