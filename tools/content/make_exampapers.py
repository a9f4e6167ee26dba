#!/usr/bin/env python3
"""Write the school exam papers and their answer texts from their sources.

  content/sources/exampapers/{code}.txt  ->  data/test/{code}.htm
                                             content/texts/papers/exam-{code}.txt

code is the grade digit followed by 1 (first term, mid-term), 2 (first term,
final), 3 (second term, mid-term) or 4 (second term, final).

A source is plain UTF-8 text:

  time: 40                      minutes allowed (first lines, before a section)
  large: yes                    large type (grade 1)
  == 填空|每空1分，共20分         a section: its name and its score
  ~ 对的画“√”，错的画“×”。         instructions, written after the section title
  ---                           a page break before the next section
  * [6] question text           an item; [6] gives the item its own score
  more text                     a paragraph of the item
  <p>…</p>, {{macro …}}          markup or a picture, written as it is
  @ A. 5 | B. 6 | C. 7           the choices of a choice item
  % 36+27= | 45−8= | _         a row of calculations (one answer each; _ is empty)
  +ws 6                         room to work, 6 lines high
  = answer                      the item's answer, one line

Blanks: "__" is a line to write on, "（）" a pair of brackets, {{o}} a circle
to fill with >, < or =. An item with blanks or calculations has one answer per
blank or calculation, in order, separated by "，" (a "，" inside brackets stays in its
answer). A calculation that ends in
"=" gets a blank; one without "=" is worked out below it; one with x and "="
is an equation. Calculations and comparisons are recomputed here with exact
fractions, and their calc notes are written from them.

A section's score reads "每空N分，共M分" (N times the blanks), "每题N分，共M分"
(N times the items) or "共M分" with every item's own score; the sections add up
to 100. The script refuses a paper that breaks any of this, an item without an
answer, an answer with a number and no calc note (prefix "~" to an answer
that only reads a number off a picture), and a calc note that does not give
the number after it.

Usage: python3 tools/content/make_exampapers.py [code …]
"""
import math
import os
import re
import sys
from fractions import Fraction

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SRC = os.path.join(ROOT, "content", "sources", "exampapers")
PAGES = os.path.join(ROOT, "data", "test")
TEXTS = os.path.join(ROOT, "content", "texts", "papers")

CODES = [f"{g}{t}" for g in range(1, 7) for t in range(1, 5) if (g, t) != (6, 3)]
CN = "零一二三四五六七八九十"
TERMS = {1: ("一", "期中"), 2: ("一", "期末"), 3: ("二", "期中"), 4: ("二", "期末")}
SECTION_NUMBERS = "一二三四五六七八"
CIRCLED = "①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯"

BLANK = "\x01"    # a line to write on
BRACKET = "\x02"  # （　　）
CIRCLE = "\x03"   # ○ to fill with >, < or =


class PaperError(Exception):
    pass


# ---------------------------------------------------------------- arithmetic

def to_python(expr):
    """A calculation as written on a paper, as Python over Fractions."""
    e = expr
    e = re.sub(r"\{\{f (\d+) (\d+) (\d+)\}\}", r"(\1+\2/\3)", e)
    e = re.sub(r"\{\{f (\d+) (\d+)\}\}", r"(\1/\2)", e)
    for a, b in (("×", "*"), ("÷", "/"), ("−", "-"), ("（", "("), ("）", ")"), ("[", "("),
                 ("]", ")"), ("{", "("), ("}", ")"), ("［", "("), ("］", ")"), ("∶", "/"),
                 ("＋", "+"), ("－", "-"), (" ", ""), ("　", "")):
        e = e.replace(a, b)
    e = re.sub(r"(\d+(?:\.\d+)?)%", r"(\1/100)", e)
    e = re.sub(r"(\d|\))x", r"\1*x", e)
    e = re.sub(r"(\d|\))\(", r"\1*(", e)
    e = re.sub(r"x(\d|\()", r"x*\1", e)
    if not re.fullmatch(r"[0-9.+\-*/()x]+", e):
        return None
    e = re.sub(r"(\d+(?:\.\d+)?)", r"Fraction('\1')", e)
    return e


def evaluate(expr, x=None):
    py = to_python(expr)
    if py is None:
        return None
    try:
        return eval(py, {"Fraction": Fraction, "x": x})
    except Exception:
        return None


def calc_note_expr(expr):
    """The calc note's expression for a calculation of the paper."""
    e = expr
    e = re.sub(r"\{\{f (\d+) (\d+) (\d+)\}\}", r"(\1+\2/\3)", e)
    e = re.sub(r"\{\{f (\d+) (\d+)\}\}", r"(\1/\2)", e)
    for a, b in (("×", "*"), ("÷", "/"), ("−", "-"), ("（", "("), ("）", ")"), ("［", "["),
                 ("］", "]"), (" ", ""), ("　", "")):
        e = e.replace(a, b)
    return e


def read_number(text):
    """The number a text starts with: 12, 3.5, 3/4, 2又1/3, 25%, -3."""
    t = text.replace("−", "-")
    m = re.match(r"\s*(-?)(\d+(?:\.\d+)?)(?:又(\d+)/(\d+)|/(\d+))?(%)?", t)
    if not m:
        return None
    v = Fraction(m.group(2))
    if m.group(3):
        v += Fraction(int(m.group(3)), int(m.group(4)))
    elif m.group(5):
        v /= int(m.group(5))
    if m.group(6):
        v /= 100
    return -v if m.group(1) else v


def check_calc_notes(text, where):
    for m in re.finditer(r"<!--calc:(.*?)-->", text):
        expr = m.group(1)
        places = None
        if ";" in expr:
            expr, opt = expr.split(";", 1)
            places = int(opt.strip()[len("places="):])
        value = evaluate(expr)
        if value is None:
            raise PaperError(f"{where}: cannot evaluate {expr}")
        rest = re.sub(r"^(\s|<[a-zA-Z][^>]*>|</[a-zA-Z]+>)*", "", text[m.end():])
        stated = read_number(rest)
        if places is not None:
            q = Fraction(10) ** places
            value = Fraction(math.floor(value * q + Fraction(1, 2)), q)
        if stated is None or stated != value:
            raise PaperError(f"{where}: {expr} = {value} but the answer says {rest[:20]!r}")


def same_number(a, b):
    return a is not None and b is not None and Fraction(a) == Fraction(b)


# ---------------------------------------------------------------- pictures

STROKE = "#333"


def svg(w, h, body, scale=1.0):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w * scale:g}" '
            f'height="{h * scale:g}" viewBox="0 0 {w:g} {h:g}" font-family="sans-serif">'
            f"{body}</svg>")


def figure(body):
    return f'<div class="figure">{body}</div>'


def star_path(cx, cy, r):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.42
        pts.append(f"{cx + rr * math.cos(a):.1f},{cy + rr * math.sin(a):.1f}")
    return " ".join(pts)


def icon(kind, x, y):
    """One picture 40 wide and 40 high with its top left corner at x, y."""
    cx, cy = x + 20, y + 20
    s = f'stroke="{STROKE}" stroke-width="1.5"'
    if kind == "apple":
        return (f'<circle cx="{cx}" cy="{cy + 3}" r="14" fill="#f4a6a0" {s}/>'
                f'<path d="M{cx},{cy - 10} q2,-6 5,-8" fill="none" {s}/>'
                f'<ellipse cx="{cx + 7}" cy="{cy - 14}" rx="5" ry="2.5" fill="#9ccc65" {s}/>')
    if kind == "pear":
        return (f'<circle cx="{cx}" cy="{cy + 7}" r="11" fill="#fff59d" {s}/>'
                f'<circle cx="{cx}" cy="{cy - 5}" r="7" fill="#fff59d" {s}/>'
                f'<circle cx="{cx}" cy="{cy + 7}" r="9.9" fill="#fff59d"/>'
                f'<path d="M{cx},{cy - 12} l1,-6" fill="none" {s}/>')
    if kind == "star":
        return f'<polygon points="{star_path(cx, cy + 1, 16)}" fill="#ffe082" {s}/>'
    if kind == "flower":
        petals = "".join(
            f'<circle cx="{cx + 9 * math.cos(a):.1f}" cy="{cy + 9 * math.sin(a):.1f}" r="7" '
            f'fill="#f8bbd0" {s}/>' for a in [k * 2 * math.pi / 5 - math.pi / 2 for k in range(5)])
        return petals + f'<circle cx="{cx}" cy="{cy}" r="5" fill="#ffd54f" {s}/>'
    if kind == "fish":
        return (f'<ellipse cx="{cx - 3}" cy="{cy}" rx="13" ry="8" fill="#90caf9" {s}/>'
                f'<polygon points="{cx + 9},{cy} {cx + 18},{cy - 7} {cx + 18},{cy + 7}" '
                f'fill="#90caf9" {s}/><circle cx="{cx - 9}" cy="{cy - 2}" r="1.6" fill="{STROKE}"/>')
    if kind == "ball":
        return (f'<circle cx="{cx}" cy="{cy}" r="14" fill="#b3e5fc" {s}/>'
                f'<path d="M{cx - 14},{cy} q14,9 28,0" fill="none" {s}/>'
                f'<path d="M{cx},{cy - 14} q-9,14 0,28" fill="none" {s}/>')
    if kind == "bird":
        return (f'<ellipse cx="{cx}" cy="{cy + 3}" rx="13" ry="9" fill="#ffcc80" {s}/>'
                f'<circle cx="{cx + 10}" cy="{cy - 6}" r="6" fill="#ffcc80" {s}/>'
                f'<polygon points="{cx + 15},{cy - 7} {cx + 21},{cy - 5} {cx + 15},{cy - 3}" '
                f'fill="#ff8a65" {s}/><circle cx="{cx + 11}" cy="{cy - 7}" r="1.4" fill="{STROKE}"/>'
                f'<path d="M{cx - 5},{cy + 1} q5,-8 10,0" fill="none" {s}/>')
    if kind == "tri":
        return f'<polygon points="{cx},{cy - 14} {cx + 15},{cy + 12} {cx - 15},{cy + 12}" fill="#fff" {s}/>'
    if kind == "sq":
        return f'<rect x="{cx - 13}" y="{cy - 13}" width="26" height="26" fill="#fff" {s}/>'
    if kind == "circ":
        return f'<circle cx="{cx}" cy="{cy}" r="13" fill="#fff" {s}/>'
    if kind == "dot":
        return f'<circle cx="{cx}" cy="{cy}" r="11" fill="#555" {s}/>'
    if kind == "heart":
        return (f'<path d="M{cx},{cy + 14} C{cx - 22},{cy - 2} {cx - 10},{cy - 18} {cx},{cy - 6} '
                f'C{cx + 10},{cy - 18} {cx + 22},{cy - 2} {cx},{cy + 14} Z" fill="#f48fb1" {s}/>')
    if kind == "stick":
        return f'<rect x="{cx - 2}" y="{y + 2}" width="4" height="36" rx="1.5" fill="#ffcc80" {s}/>'
    if kind == "bundle":
        lines = "".join(f'<rect x="{x + 7 + 3 * k}" y="{y + 2}" width="3" height="36" fill="#ffcc80" '
                        f'stroke="{STROKE}" stroke-width="0.8"/>' for k in range(9))
        return lines + f'<rect x="{x + 5}" y="{cy - 3}" width="31" height="6" fill="#e57373" {s}/>'
    raise PaperError(f"unknown picture {kind}")


def macro_pic(args):
    """{{pic apple*4 | apple*3 brace=?个}}: rows of pictures.

    apple*3x draws three crossed out, | leaves a gap, / starts a new row,
    box=?个 a dashed box hiding some, brace=… a brace under the whole row."""
    rows, row, brace = [], [], None
    for tok in args:
        if tok == "/":
            rows.append(row)
            row = []
        elif tok == "|":
            row.append(("gap",))
        elif tok.startswith("brace="):
            brace = tok[6:]
        elif tok.startswith("box="):
            row.append(("box", tok[4:]))
        else:
            m = re.fullmatch(r"([a-z]+)\*(\d+)(x?)", tok)
            if not m:
                raise PaperError(f"pic: {tok}")
            for _ in range(int(m.group(2))):
                row.append(("icon", m.group(1), bool(m.group(3))))
    rows.append(row)
    body, width, y = [], 0, 0
    for r in rows:
        x = 0
        for cell in r:
            if cell[0] == "gap":
                x += 24
            elif cell[0] == "box":
                body.append(f'<rect x="{x + 2}" y="{y + 2}" width="76" height="36" fill="#fff" '
                            f'stroke="{STROKE}" stroke-width="1.5" stroke-dasharray="5,3"/>'
                            f'<text x="{x + 40}" y="{y + 27}" font-size="18" text-anchor="middle">'
                            f'{cell[1]}</text>')
                x += 80
            else:
                body.append(icon(cell[1], x, y))
                if cell[2]:
                    body.append(f'<line x1="{x + 6}" y1="{y + 36}" x2="{x + 34}" y2="{y + 4}" '
                                f'stroke="{STROKE}" stroke-width="2"/>')
                x += 42
        width = max(width, x)
        y += 44
    if brace:
        b = y + 2
        body.append(f'<path d="M4,{b} q0,10 10,10 L{width / 2 - 8},{b + 10} q8,0 8,10 '
                    f'q0,-10 8,-10 L{width - 14},{b + 10} q10,0 10,-10" fill="none" '
                    f'stroke="{STROKE}" stroke-width="1.5"/>'
                    f'<text x="{width / 2}" y="{b + 40}" font-size="18" text-anchor="middle">{brace}</text>')
        y += 46
    return figure(svg(width + 4, y, "".join(body)))


def solid(kind, x, y):
    s = f'fill="#fff" stroke="{STROKE}" stroke-width="1.5"'
    if kind == "cube":
        return (f'<polygon points="{x + 8},{y + 22} {x + 40},{y + 22} {x + 40},{y + 54} {x + 8},{y + 54}" {s}/>'
                f'<polygon points="{x + 8},{y + 22} {x + 20},{y + 10} {x + 52},{y + 10} {x + 40},{y + 22}" {s}/>'
                f'<polygon points="{x + 40},{y + 22} {x + 52},{y + 10} {x + 52},{y + 42} {x + 40},{y + 54}" {s}/>')
    if kind == "cuboid":
        return (f'<polygon points="{x + 2},{y + 28} {x + 46},{y + 28} {x + 46},{y + 54} {x + 2},{y + 54}" {s}/>'
                f'<polygon points="{x + 2},{y + 28} {x + 14},{y + 18} {x + 58},{y + 18} {x + 46},{y + 28}" {s}/>'
                f'<polygon points="{x + 46},{y + 28} {x + 58},{y + 18} {x + 58},{y + 44} {x + 46},{y + 54}" {s}/>')
    if kind == "tallbox":
        return (f'<polygon points="{x + 14},{y + 14} {x + 36},{y + 14} {x + 36},{y + 56} {x + 14},{y + 56}" {s}/>'
                f'<polygon points="{x + 14},{y + 14} {x + 24},{y + 6} {x + 46},{y + 6} {x + 36},{y + 14}" {s}/>'
                f'<polygon points="{x + 36},{y + 14} {x + 46},{y + 6} {x + 46},{y + 48} {x + 36},{y + 56}" {s}/>')
    if kind == "cylinder":
        return (f'<path d="M{x + 12},{y + 14} L{x + 12},{y + 50} A18,6 0 0 0 {x + 48},{y + 50} '
                f'L{x + 48},{y + 14}" {s}/><ellipse cx="{x + 30}" cy="{y + 14}" rx="18" ry="6" {s}/>')
    if kind == "flatcyl":
        return (f'<path d="M{x + 4},{y + 28} L{x + 4},{y + 44} A26,8 0 0 0 {x + 56},{y + 44} '
                f'L{x + 56},{y + 28}" {s}/><ellipse cx="{x + 30}" cy="{y + 28}" rx="26" ry="8" {s}/>')
    if kind == "ball":
        return (f'<circle cx="{x + 30}" cy="{y + 32}" r="22" {s}/>'
                f'<path d="M{x + 8},{y + 32} A22,7 0 0 0 {x + 52},{y + 32}" fill="none" stroke="{STROKE}" stroke-width="1"/>'
                f'<path d="M{x + 8},{y + 32} A22,7 0 0 1 {x + 52},{y + 32}" fill="none" stroke="{STROKE}" '
                f'stroke-width="1" stroke-dasharray="3,3"/>')
    if kind == "cone":
        return (f'<path d="M{x + 30},{y + 6} L{x + 10},{y + 50} A20,6 0 0 0 {x + 50},{y + 50} Z" {s}/>'
                f'<path d="M{x + 10},{y + 50} A20,6 0 0 1 {x + 50},{y + 50}" fill="none" stroke="{STROKE}" '
                f'stroke-width="1" stroke-dasharray="3,3"/>')
    # flat shapes
    if kind == "rect":
        return f'<rect x="{x + 4}" y="{y + 18}" width="52" height="30" {s}/>'
    if kind == "square":
        return f'<rect x="{x + 12}" y="{y + 12}" width="36" height="36" {s}/>'
    if kind == "tri":
        return f'<polygon points="{x + 30},{y + 8} {x + 54},{y + 50} {x + 6},{y + 50}" {s}/>'
    if kind == "stri":
        return f'<polygon points="{x + 16},{y + 10} {x + 56},{y + 50} {x + 4},{y + 50}" {s}/>'
    if kind == "rtri":
        return f'<polygon points="{x + 10},{y + 8} {x + 10},{y + 50} {x + 52},{y + 50}" {s}/>'
    if kind == "circle":
        return f'<circle cx="{x + 30}" cy="{y + 30}" r="22" {s}/>'
    if kind == "para":
        return f'<polygon points="{x + 16},{y + 16} {x + 58},{y + 16} {x + 44},{y + 46} {x + 2},{y + 46}" {s}/>'
    if kind == "trap":
        return f'<polygon points="{x + 18},{y + 14} {x + 42},{y + 14} {x + 56},{y + 48} {x + 4},{y + 48}" {s}/>'
    if kind == "diamond":
        return f'<polygon points="{x + 30},{y + 6} {x + 52},{y + 30} {x + 30},{y + 54} {x + 8},{y + 30}" {s}/>'
    if kind == "pent":
        pts = " ".join(f"{x + 30 + 24 * math.cos(-math.pi / 2 + k * 2 * math.pi / 5):.1f},"
                       f"{y + 32 + 24 * math.sin(-math.pi / 2 + k * 2 * math.pi / 5):.1f}" for k in range(5))
        return f'<polygon points="{pts}" {s}/>'
    raise PaperError(f"unknown shape {kind}")


def macro_shapes(args):
    """{{shapes cube cuboid ball …}}: numbered solids or flat shapes in a row."""
    body = []
    for k, kind in enumerate(args):
        x = k * 74
        body.append(solid(kind, x + 6, 0))
        body.append(f'<text x="{x + 36}" y="{80}" font-size="18" text-anchor="middle">{CIRCLED[k]}</text>')
    return figure(svg(74 * len(args), 88, "".join(body)))


def clock_svg(h, m, size=132):
    r = 50
    c = 60
    body = [f'<circle cx="{c}" cy="{c}" r="{r}" fill="#fff" stroke="{STROKE}" stroke-width="2.5"/>']
    for k in range(60):
        a = math.radians(k * 6 - 90)
        inner = r - (7 if k % 5 == 0 else 3)
        body.append(f'<line x1="{c + inner * math.cos(a):.1f}" y1="{c + inner * math.sin(a):.1f}" '
                    f'x2="{c + r * math.cos(a):.1f}" y2="{c + r * math.sin(a):.1f}" stroke="{STROKE}" '
                    f'stroke-width="{1.6 if k % 5 == 0 else 0.8}"/>')
    for n in range(1, 13):
        a = math.radians(n * 30 - 90)
        body.append(f'<text x="{c + 37 * math.cos(a):.1f}" y="{c + 37 * math.sin(a) + 4:.1f}" '
                    f'font-size="11.5" text-anchor="middle">{n}</text>')
    ha = math.radians((h % 12 + m / 60) * 30 - 90)
    ma = math.radians(m * 6 - 90)
    body.append(f'<line x1="{c}" y1="{c}" x2="{c + 25 * math.cos(ha):.1f}" y2="{c + 25 * math.sin(ha):.1f}" '
                f'stroke="{STROKE}" stroke-width="4.5" stroke-linecap="round"/>')
    body.append(f'<line x1="{c}" y1="{c}" x2="{c + 40 * math.cos(ma):.1f}" y2="{c + 40 * math.sin(ma):.1f}" '
                f'stroke="{STROKE}" stroke-width="2.5" stroke-linecap="round"/>')
    body.append(f'<circle cx="{c}" cy="{c}" r="3" fill="{STROKE}"/>')
    return svg(120, 120, "".join(body), size / 120)


def macro_clocks(args):
    """{{clocks 3:00 7:30}} clocks with a blank under each; {{clocks - 3:00}} without."""
    blanks = True
    if args and args[0] == "-":
        blanks = False
        args = args[1:]
    cells = []
    for t in args:
        h, m = (int(v) for v in t.split(":"))
        cells.append(f'<td>{clock_svg(h, m)}' + (f"<br>{BRACKET}" if blanks else "") + "</td>")
    return ('<div class="figure"><table cellpadding="6" style="margin:0 auto;text-align:center">'
            f'<tr>{"".join(cells)}</tr></table></div>')


def macro_emptyclock(args):
    return figure(clock_svg(0, 0).replace('<line x1="60" y1="60"', '<line x1="60" y1="60" visibility="hidden"'))


def macro_abacus(args):
    """{{abacus 3 6}}: a counter with the beads of each place, high place first."""
    names = {1: ["个位"], 2: ["十位", "个位"], 3: ["百位", "十位", "个位"],
             4: ["千位", "百位", "十位", "个位"], 5: ["万位", "千位", "百位", "十位", "个位"]}[len(args)]
    w = 60 * len(args) + 20
    body = [f'<rect x="4" y="150" width="{w - 8}" height="12" fill="#d7ccc8" stroke="{STROKE}" stroke-width="1.5"/>']
    for k, d in enumerate(args):
        x = 40 + 60 * k
        body.append(f'<line x1="{x}" y1="20" x2="{x}" y2="150" stroke="{STROKE}" stroke-width="2"/>')
        for b in range(int(d)):
            body.append(f'<ellipse cx="{x}" cy="{143 - 11 * b}" rx="14" ry="5.5" fill="#90caf9" '
                        f'stroke="{STROKE}" stroke-width="1.2"/>')
        body.append(f'<text x="{x}" y="184" font-size="16" text-anchor="middle">{names[k]}</text>')
    return figure(svg(w, 192, "".join(body)))


def macro_sticks(args):
    """{{sticks 1 4}}: bundles of ten and single sticks."""
    tokens = [f"bundle*{args[0]}"] if int(args[0]) else []
    tokens += ["|", f"stick*{args[1]}"] if int(args[1]) else []
    return macro_pic(tokens)


def parse_points(text):
    pts = []
    for p in text.split(";"):
        a, b = p.split(",")
        pts.append((float(a), float(b)))
    return pts


def macro_draw(args):
    """{{draw W H [u=24] [grid] [dots] tokens…}}: a drawing in units of u pixels.

    poly=x,y;x,y;… a closed figure (spoly shaded), line=… an open line,
    dash=… a dashed line, arrow=x,y;x,y an arrow, circ=x,y,r (scirc shaded),
    arc=x,y,r,a1,a2 an arc (degrees, counter-clockwise from the right),
    text=x,y,label (label with _ for a space), box=x,y,label a framed label, ra=x,y,dx1,dy1,dx2,dy2 a right
    angle mark, pt=x,y a point, axes numbers the grid lines from 0."""
    w, h = float(args[0]), float(args[1])
    u = 24.0
    rest = []
    for a in args[2:]:
        if a.startswith("u="):
            u = float(a[2:])
        else:
            rest.append(a)
    pad = 14
    W, H = w * u + 2 * pad, h * u + 2 * pad

    def P(x, y):
        return pad + x * u, pad + y * u

    body = []
    s = f'stroke="{STROKE}" stroke-width="2"'
    for tok in rest:
        if tok == "grid":
            for i in range(int(w) + 1):
                body.append(f'<line x1="{P(i, 0)[0]}" y1="{P(i, 0)[1]}" x2="{P(i, h)[0]}" y2="{P(i, h)[1]}" '
                            f'stroke="#9ab" stroke-width="0.8"/>')
            for j in range(int(h) + 1):
                body.append(f'<line x1="{P(0, j)[0]}" y1="{P(0, j)[1]}" x2="{P(w, j)[0]}" y2="{P(w, j)[1]}" '
                            f'stroke="#9ab" stroke-width="0.8"/>')
            continue
        if tok == "dots":
            for i in range(int(w) + 1):
                for j in range(int(h) + 1):
                    x, y = P(i, j)
                    body.append(f'<circle cx="{x}" cy="{y}" r="1.8" fill="#678"/>')
            continue
        if tok == "axes":
            for i in range(int(w) + 1):
                x, y = P(i, h)
                body.append(f'<text x="{x}" y="{y + 14}" font-size="12" text-anchor="middle">{i}</text>')
            for j in range(int(h) + 1):
                x, y = P(0, j)
                body.append(f'<text x="{x - 4}" y="{y + 4}" font-size="12" text-anchor="end">{int(h) - j}</text>')
            continue
        key, _, val = tok.partition("=")
        if key in ("poly", "spoly", "line", "dash"):
            pts = " ".join(f"{P(x, y)[0]:g},{P(x, y)[1]:g}" for x, y in parse_points(val))
            if key == "poly":
                body.append(f'<polygon points="{pts}" fill="#e3f2fd" {s}/>')
            elif key == "spoly":
                body.append(f'<polygon points="{pts}" fill="#bbb" {s}/>')
            elif key == "line":
                body.append(f'<polyline points="{pts}" fill="none" {s}/>')
            else:
                body.append(f'<polyline points="{pts}" fill="none" stroke="{STROKE}" stroke-width="1.5" '
                            f'stroke-dasharray="6,4"/>')
        elif key == "arrow":
            (x1, y1), (x2, y2) = parse_points(val)
            a1, b1 = P(x1, y1)
            a2, b2 = P(x2, y2)
            ang = math.atan2(b2 - b1, a2 - a1)
            hx = [a2 - 10 * math.cos(ang - 0.4), a2 - 10 * math.cos(ang + 0.4)]
            hy = [b2 - 10 * math.sin(ang - 0.4), b2 - 10 * math.sin(ang + 0.4)]
            body.append(f'<line x1="{a1:g}" y1="{b1:g}" x2="{a2:g}" y2="{b2:g}" {s}/>'
                        f'<polygon points="{a2:g},{b2:g} {hx[0]:.1f},{hy[0]:.1f} {hx[1]:.1f},{hy[1]:.1f}" '
                        f'fill="{STROKE}"/>')
        elif key in ("circ", "scirc", "dcirc"):
            x, y, r = (float(v) for v in val.split(","))
            cx, cy = P(x, y)
            fill = {"circ": "none", "scirc": "#bbb", "dcirc": "none"}[key]
            dash = ' stroke-dasharray="6,4"' if key == "dcirc" else ""
            body.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{r * u:g}" fill="{fill}" {s}{dash}/>')
        elif key in ("arc", "sarc"):
            x, y, r, a1, a2 = (float(v) for v in val.split(","))
            cx, cy = P(x, y)
            R = r * u
            p1 = (cx + R * math.cos(math.radians(a1)), cy - R * math.sin(math.radians(a1)))
            p2 = (cx + R * math.cos(math.radians(a2)), cy - R * math.sin(math.radians(a2)))
            large = 1 if (a2 - a1) % 360 > 180 else 0
            if key == "arc":
                body.append(f'<path d="M{p1[0]:.1f},{p1[1]:.1f} A{R:g},{R:g} 0 {large} 0 {p2[0]:.1f},{p2[1]:.1f}" '
                            f'fill="none" stroke="{STROKE}" stroke-width="1.5"/>')
            else:
                body.append(f'<path d="M{cx:g},{cy:g} L{p1[0]:.1f},{p1[1]:.1f} A{R:g},{R:g} 0 {large} 0 '
                            f'{p2[0]:.1f},{p2[1]:.1f} Z" fill="#bbb" {s}/>')
        elif key == "text":
            x, y, label = val.split(",", 2)
            tx, ty = P(float(x), float(y))
            body.append(f'<text x="{tx:g}" y="{ty + 6:g}" font-size="17" text-anchor="middle">'
                        f'{label.replace("_", " ")}</text>')
        elif key == "box":
            x, y, label = val.split(",", 2)
            tx, ty = P(float(x), float(y))
            bw = 17 * len(label) + 14
            body.append(f'<rect x="{tx - bw / 2:g}" y="{ty - 14:g}" width="{bw:g}" height="28" fill="#fff" '
                        f'stroke="{STROKE}" stroke-width="1.5"/><text x="{tx:g}" y="{ty + 6:g}" font-size="17" '
                        f'text-anchor="middle">{label}</text>')
        elif key == "ra":
            x, y, dx1, dy1, dx2, dy2 = (float(v) for v in val.split(","))
            k = 0.45
            a = P(x + dx1 * k, y + dy1 * k)
            b = P(x + (dx1 + dx2) * k, y + (dy1 + dy2) * k)
            c = P(x + dx2 * k, y + dy2 * k)
            body.append(f'<polyline points="{a[0]:g},{a[1]:g} {b[0]:g},{b[1]:g} {c[0]:g},{c[1]:g}" '
                        f'fill="none" stroke="{STROKE}" stroke-width="1.2"/>')
        elif key == "pt":
            x, y = (float(v) for v in val.split(","))
            cx, cy = P(x, y)
            body.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="3.5" fill="{STROKE}"/>')
        else:
            raise PaperError(f"draw: {tok}")
    return figure(svg(W, H, "".join(body)))


def macro_angles(args):
    """{{angles 90 45 120 …}}: numbered angles, one ray level, the other turned."""
    body = []
    for k, a in enumerate(args):
        deg = float(a)
        x0 = k * 110
        vx, vy = x0 + (50 if deg > 90 else 20), 80
        body.append(f'<line x1="{vx}" y1="{vy}" x2="{vx + 70}" y2="{vy}" stroke="{STROKE}" stroke-width="2"/>')
        L = 64 if deg <= 90 else 56
        ex, ey = vx + L * math.cos(math.radians(deg)), vy - L * math.sin(math.radians(deg))
        body.append(f'<line x1="{vx}" y1="{vy}" x2="{ex:.1f}" y2="{ey:.1f}" stroke="{STROKE}" stroke-width="2"/>')
        body.append(f'<circle cx="{vx}" cy="{vy}" r="2.5" fill="{STROKE}"/>')
        body.append(f'<text x="{x0 + 55}" y="112" font-size="18" text-anchor="middle">{CIRCLED[k]}</text>')
    return figure(svg(110 * len(args) + 20, 120, "".join(body)))


def macro_bars(args):
    """{{bars unit=人 step=10 max=40 labels=a,b,c values=1,2,3 [values2=… legend=x,y] [blank]}}"""
    o = dict(a.split("=", 1) for a in args if "=" in a)
    labels = o["labels"].split(",")
    v1 = [float(v) for v in o["values"].split(",")]
    v2 = [float(v) for v in o["values2"].split(",")] if "values2" in o else None
    top, step = float(o["max"]), float(o["step"])
    draw_bars = "blank" not in args
    hidden = set(int(i) for i in o.get("hide", "").split(",") if i)
    x0, y0, H = 60, 250, 210
    gw = 80 if v2 else 64
    W = x0 + gw * len(labels) + 30
    body = [f'<text x="8" y="22" font-size="15">单位：{o["unit"]}</text>']
    n = int(round(top / step))
    for k in range(n + 1):
        y = y0 - H * k / n
        body.append(f'<line x1="{x0}" y1="{y:g}" x2="{W - 10}" y2="{y:g}" stroke="#bbb" stroke-width="0.8"/>')
        body.append(f'<text x="{x0 - 6}" y="{y + 5:g}" font-size="14" text-anchor="end">{step * k:g}</text>')
    body.append(f'<line x1="{x0}" y1="{y0}" x2="{x0}" y2="{y0 - H - 10}" stroke="{STROKE}" stroke-width="1.5"/>')
    body.append(f'<line x1="{x0}" y1="{y0}" x2="{W - 10}" y2="{y0}" stroke="{STROKE}" stroke-width="1.5"/>')
    for i, lab in enumerate(labels):
        gx = x0 + gw * i + 14
        series = [(v1[i], "#90caf9", 0)] + ([(v2[i], "#bbb", 26)] if v2 else [])
        for val, col, dx in series:
            if draw_bars and i not in hidden:
                hgt = H * val / top
                body.append(f'<rect x="{gx + dx}" y="{y0 - hgt:g}" width="24" height="{hgt:g}" fill="{col}" '
                            f'stroke="{STROKE}" stroke-width="1"/>')
                body.append(f'<text x="{gx + dx + 12}" y="{y0 - hgt - 4:g}" font-size="13" '
                            f'text-anchor="middle">{val:g}</text>')
        body.append(f'<text x="{gx + (25 if v2 else 12)}" y="{y0 + 20}" font-size="15" '
                    f'text-anchor="middle">{lab}</text>')
    if v2:
        lg = o["legend"].split(",")
        body.append(f'<rect x="{W - 150}" y="8" width="14" height="14" fill="#90caf9" stroke="{STROKE}"/>'
                    f'<text x="{W - 132}" y="20" font-size="14">{lg[0]}</text>'
                    f'<rect x="{W - 80}" y="8" width="14" height="14" fill="#bbb" stroke="{STROKE}"/>'
                    f'<text x="{W - 62}" y="20" font-size="14">{lg[1]}</text>')
    return figure(svg(W, y0 + 30, "".join(body)))


def macro_linechart(args):
    """{{linechart unit=… step=… max=… min=0 labels=… values=… [values2=… legend=…]}}"""
    o = dict(a.split("=", 1) for a in args if "=" in a)
    labels = o["labels"].split(",")
    series = [[float(v) for v in o["values"].split(",")]]
    if "values2" in o:
        series.append([float(v) for v in o["values2"].split(",")])
    top, step, low = float(o["max"]), float(o["step"]), float(o.get("min", 0))
    x0, y0, H = 60, 250, 210
    gw = 56
    W = x0 + gw * len(labels) + 20
    body = [f'<text x="8" y="22" font-size="15">单位：{o["unit"]}</text>']
    n = int(round((top - low) / step))
    for k in range(n + 1):
        y = y0 - H * k / n
        body.append(f'<line x1="{x0}" y1="{y:g}" x2="{W - 10}" y2="{y:g}" stroke="#bbb" stroke-width="0.8"/>')
        body.append(f'<text x="{x0 - 6}" y="{y + 5:g}" font-size="14" text-anchor="end">{low + step * k:g}</text>')
    body.append(f'<line x1="{x0}" y1="{y0}" x2="{x0}" y2="{y0 - H - 10}" stroke="{STROKE}" stroke-width="1.5"/>')
    body.append(f'<line x1="{x0}" y1="{y0}" x2="{W - 10}" y2="{y0}" stroke="{STROKE}" stroke-width="1.5"/>')
    for i, lab in enumerate(labels):
        body.append(f'<text x="{x0 + gw * i + 28}" y="{y0 + 20}" font-size="14" text-anchor="middle">{lab}</text>')
    for si, vals in enumerate(series):
        pts = [(x0 + gw * i + 28, y0 - H * (v - low) / (top - low)) for i, v in enumerate(vals)]
        dash = ' stroke-dasharray="7,4"' if si else ""
        body.append(f'<polyline points="{" ".join(f"{x:g},{y:g}" for x, y in pts)}" fill="none" '
                    f'stroke="{STROKE}" stroke-width="2"{dash}/>')
        for (x, y), v in zip(pts, vals):
            mark = (f'<circle cx="{x:g}" cy="{y:g}" r="3.5" fill="{STROKE}"/>' if not si else
                    f'<rect x="{x - 3.5:g}" y="{y - 3.5:g}" width="7" height="7" fill="#fff" stroke="{STROKE}"/>')
            body.append(mark + f'<text x="{x:g}" y="{y - 8 if not si else y + 20:g}" font-size="13" '
                        f'text-anchor="middle">{v:g}</text>')
    if len(series) > 1:
        lg = o["legend"].split(",")
        body.append(f'<line x1="{W - 190}" y1="15" x2="{W - 160}" y2="15" stroke="{STROKE}" stroke-width="2"/>'
                    f'<text x="{W - 155}" y="20" font-size="14">{lg[0]}</text>'
                    f'<line x1="{W - 100}" y1="15" x2="{W - 70}" y2="15" stroke="{STROKE}" stroke-width="2" '
                    f'stroke-dasharray="7,4"/><text x="{W - 65}" y="20" font-size="14">{lg[1]}</text>')
    return figure(svg(W, y0 + 30, "".join(body)))


def macro_pie(args):
    """{{pie 名称:百分数[:标注] …}}: a pie chart, the parts clockwise from twelve
    o'clock; the label, when given, is shown in place of the percentage."""
    parts = []
    for a in args:
        name, pct, *shown = a.split(":")
        parts.append((name, float(pct), shown[0] if shown else f"{float(pct):g}%"))
    cx, cy, r = 150, 130, 100
    body, start = [], 90.0
    fills = ["#e3f2fd", "#fff9c4", "#f8bbd0", "#c8e6c9", "#ffe0b2", "#eeeeee"]
    for k, (name, pct, pct_text) in enumerate(parts):
        end = start - 360 * pct / 100
        p1 = (cx + r * math.cos(math.radians(start)), cy - r * math.sin(math.radians(start)))
        p2 = (cx + r * math.cos(math.radians(end)), cy - r * math.sin(math.radians(end)))
        large = 1 if pct > 50 else 0
        body.append(f'<path d="M{cx},{cy} L{p1[0]:.1f},{p1[1]:.1f} A{r},{r} 0 {large} 1 {p2[0]:.1f},{p2[1]:.1f} Z" '
                    f'fill="{fills[k % len(fills)]}" stroke="{STROKE}" stroke-width="1.5"/>')
        mid = math.radians((start + end) / 2)
        tx, ty = cx + 0.6 * r * math.cos(mid), cy - 0.6 * r * math.sin(mid)
        label = name.replace("_", " ")
        body.append(f'<text x="{tx:.1f}" y="{ty:.1f}" font-size="14" text-anchor="middle">{label}</text>'
                    f'<text x="{tx:.1f}" y="{ty + 17:.1f}" font-size="14" text-anchor="middle">{pct_text}</text>')
        start = end
    return figure(svg(300, 260, "".join(body)))


def macro_numline(args):
    """{{numline -5 5 [sub=10] [label=x:A …]}}: a number line with whole numbers
    marked, sub small steps between two of them."""
    lo, hi = int(args[0]), int(args[1])
    sub = 1
    for a in args[2:]:
        if a.startswith("sub="):
            sub = int(a[4:])
    unit = 560 / (hi - lo)
    body = [f'<line x1="10" y1="40" x2="600" y2="40" stroke="{STROKE}" stroke-width="2"/>'
            f'<polygon points="600,40 590,35 590,45" fill="{STROKE}"/>']
    for k in range((hi - lo) * sub + 1):
        x = 20 + k * unit / sub
        if k % sub:
            body.append(f'<line x1="{x:g}" y1="36" x2="{x:g}" y2="44" stroke="{STROKE}" stroke-width="1"/>')
            continue
        v = lo + k // sub
        body.append(f'<line x1="{x:g}" y1="34" x2="{x:g}" y2="46" stroke="{STROKE}" stroke-width="1.5"/>'
                    f'<text x="{x:g}" y="66" font-size="15" text-anchor="middle">{str(v).replace("-", "−")}</text>')
    for a in args[2:]:
        if a.startswith("label="):
            val, name = a[6:].split(":")
            x = 20 + (float(Fraction(val)) - lo) * unit
            body.append(f'<circle cx="{x:g}" cy="40" r="4" fill="{STROKE}"/>'
                        f'<text x="{x:g}" y="24" font-size="16" text-anchor="middle">{name}</text>')
    return figure(svg(610, 76, "".join(body)))


def macro_cubes(args):
    """{{cubes x,y,z …}}: unit cubes drawn in oblique view (x right, y back, z up)."""
    cubes = [tuple(int(v) for v in a.split(",")) for a in args]
    s, dx, dy = 30, 14, 11
    maxx = max(c[0] for c in cubes) + 1
    maxy = max(c[1] for c in cubes) + 1
    maxz = max(c[2] for c in cubes) + 1
    W = maxx * s + maxy * dx + 10
    H = maxz * s + maxy * dy + 10
    body = []
    st = f'stroke="{STROKE}" stroke-width="1.4"'
    for x, y, z in sorted(cubes, key=lambda c: (-c[1], c[2], c[0])):
        bx = 5 + x * s + y * dx
        by = H - 5 - z * s - y * dy
        body.append(f'<polygon points="{bx},{by} {bx + s},{by} {bx + s},{by - s} {bx},{by - s}" fill="#fff" {st}/>')
        body.append(f'<polygon points="{bx},{by - s} {bx + dx},{by - s - dy} {bx + s + dx},{by - s - dy} '
                    f'{bx + s},{by - s}" fill="#ddd" {st}/>')
        body.append(f'<polygon points="{bx + s},{by} {bx + s + dx},{by - dy} {bx + s + dx},{by - s - dy} '
                    f'{bx + s},{by - s}" fill="#bbb" {st}/>')
    return figure(svg(W, H, "".join(body)))


def macro_f(args):
    """{{f 3 4}} a fraction, {{f 2 1 3}} a mixed number."""
    if len(args) == 3:
        whole, n, d = args
    else:
        whole, (n, d) = "", args
    frac = ('<span style="display:inline-block;vertical-align:middle;text-align:center;'
            'line-height:1.15;margin:0 2px"><span style="display:block;border-bottom:1.5px solid;'
            f'padding:0 2px">{n}</span><span style="display:block;padding:0 2px">{d}</span></span>')
    return whole + frac


def macro_table(args, raw):
    """{{table a,b,c / 1,2,3}}: a framed table; _ is an empty cell, （） a blank."""
    rows = [r.strip().split(",") for r in raw.split("/")]
    out = ['<table cellpadding="6" border="1" style="border-collapse:collapse;margin:6px auto;text-align:center">']
    for k, r in enumerate(rows):
        out.append("<tr>" + "".join(f"<td style=\"min-width:3.2em\">{'' if c.strip() == '_' else c.strip()}</td>"
                                    for c in r) + "</tr>")
    out.append("</table>")
    return "".join(out)


INLINE = {"f": macro_f}
BLOCK = {"pic": macro_pic, "shapes": macro_shapes, "clocks": macro_clocks, "abacus": macro_abacus,
         "sticks": macro_sticks, "draw": macro_draw, "angles": macro_angles, "bars": macro_bars,
         "linechart": macro_linechart, "pie": macro_pie, "numline": macro_numline, "cubes": macro_cubes,
         "emptyclock": macro_emptyclock}


def expand(text):
    def one(m):
        name, _, rest = m.group(1).partition(" ")
        if name == "o":
            return CIRCLE
        if name == "table":
            return macro_table(None, rest)
        if name in INLINE:
            return INLINE[name](rest.split())
        if name in BLOCK:
            return BLOCK[name](rest.split())
        if name.startswith("i") and name[1:] in BLOCK:
            # the same picture inline, without its centred block
            html = BLOCK[name[1:]](rest.split())
            return re.sub(r'^<div class="figure">(.*)</div>$', r"\1", html, flags=re.S)
        raise PaperError(f"unknown macro {name}")
    return re.sub(r"\{\{(.*?)\}\}", one, text)


def mark_blanks(text):
    # "__" is a blank of the usual width; a longer run, a blank as many em wide
    text = re.sub(r"_{3,}", lambda m: BLANK + f"[{len(m.group(0))}]", text)
    text = text.replace("__", BLANK)
    return re.sub(r"（[ 　]*）", BRACKET, text)


def render_blanks(html):
    html = re.sub(BLANK + r"\[(\d+)\]", r'<span class="blank" style="min-width:\1em"></span>', html)
    return (html.replace(BLANK, '<span class="blank"></span>').replace(BRACKET, "（" + "&nbsp;" * 8 + "）")
            .replace(CIRCLE, "○"))


def count_blanks(html):
    return sum(html.count(c) for c in (BLANK, BRACKET, CIRCLE))


# ---------------------------------------------------------------- sources

class Item:
    def __init__(self, first, points, line):
        self.lines = [first]
        self.points = points
        self.answer = None
        self.line = line


class Section:
    def __init__(self, name, score, line):
        self.name = name
        self.score = score
        self.note = None
        self.items = []
        self.page_break = False
        self.line = line


def parse(path):
    head, sections, item = {}, [], None
    page_break = False
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for no, raw in enumerate(lines, 1):
        line = raw.rstrip()
        where = f"{os.path.relpath(path, ROOT)}:{no}"
        if not line.strip() or line.startswith("//"):
            continue
        if not sections and re.match(r"^[a-z]+:", line):
            k, v = line.split(":", 1)
            head[k] = v.strip()
            continue
        if line == "---":
            page_break = True
            continue
        if line.startswith("== "):
            name, score = line[3:].split("|")
            sections.append(Section(name.strip(), score.strip(), where))
            sections[-1].page_break, page_break = page_break, False
            item = None
            continue
        if not sections:
            raise PaperError(f"{where}: text before the first section")
        sec = sections[-1]
        if line.startswith("~ "):
            sec.note = line[2:].strip()
            continue
        if line.startswith("* "):
            m = re.match(r"\* (?:\[(\d+)\] )?(.*)", line)
            item = Item(m.group(2), int(m.group(1)) if m.group(1) else None, where)
            sec.items.append(item)
            continue
        if item is None:
            raise PaperError(f"{where}: text outside an item")
        if line.startswith("= "):
            if item.answer is not None:
                raise PaperError(f"{where}: a second answer")
            item.answer = line[2:].strip()
            continue
        if item.answer is not None:
            raise PaperError(f"{where}: question text after the answer")
        item.lines.append(line)
    return head, sections


def render_item(number, item, where):
    """The item's markup and what its blanks and calculations hold, in order."""
    slots = []   # per answer: None, ("value", expr), ("compare", left, right), ("equation", expr)
    out = []

    def text_slots(html):
        for c in re.findall(f"[{BLANK}{BRACKET}{CIRCLE}]", html):
            slots.append(None)

    first = mark_blanks(expand(item.lines[0]))
    if item.points:
        first += f"（{item.points}\u2060分）"  # the word joiner keeps the score on one line
    text_slots(first)
    out.append(f"<p>{number}. {first}</p>")
    grid = []

    def flush():
        if grid:
            ncol = max(len(r) for r in grid)
            width = f"{100 // ncol}%"
            rows = "".join("<tr>" + "".join(f'<td style="width:{width};white-space:nowrap">{c}</td>' for c in r) + "</tr>"
                           for r in grid)
            out.append(f'<table cellpadding="6" style="width:100%">{rows}</table>')
            grid.clear()

    for line in item.lines[1:]:
        if line.startswith("% "):
            row = []
            for cell in line[2:].split("|"):
                cell = cell.strip()
                if cell == "_":  # an empty cell
                    row.append("")
                    continue
                marked = mark_blanks(cell)
                if count_blanks(marked):
                    text_slots(marked)
                    row.append(expand(marked))
                    continue
                if "{{o}}" in cell:
                    left, right = cell.split("{{o}}")
                    slots.append(("compare", left, right))
                    row.append(expand(left) + " " + CIRCLE + " " + expand(right))
                elif cell.endswith("="):
                    slots.append(("value", cell[:-1]))
                    row.append(expand(cell) + BLANK)
                elif "x" in cell and "=" in cell:
                    slots.append(("equation", cell))
                    row.append(expand(cell))
                else:
                    slots.append(("value", cell))
                    row.append(expand(cell))
            grid.append(row)
            continue
        flush()
        if line.startswith("@ "):
            choices = [c.strip() for c in line[2:].split("|")]
            out.append("<p>" + "　　".join(expand(c) for c in choices) + "</p>")
            continue
        if line.startswith("+ws"):
            size = line[3:].strip()
            style = f' style="min-height:{size}em"' if size else ""
            out.append(f'<div class="workspace"{style}></div>')
            continue
        html = mark_blanks(expand(line))
        text_slots(html)
        out.append(html if html.lstrip().startswith("<") else f"<p>{html}</p>")
    flush()
    return render_blanks("\n".join(out)), slots


def split_answer(answer):
    """The answers of an item: split at "，" outside brackets."""
    parts, depth, cur = [], 0, ""
    for ch in answer:
        if ch in "（(":
            depth += 1
        elif ch in "）)":
            depth -= 1
        if ch == "，" and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += ch
    parts.append(cur.strip())
    return parts


def finish_answer(item, slots, where, section_name):
    """The item's answer with calc notes added to its calculations, after checking it."""
    answer = item.answer
    if not answer:
        raise PaperError(f"{where}: no answer")
    # the key is plain text: fractions as 3/4 and 2又1/3
    answer = re.sub(r"\{\{f (\d+) (\d+) (\d+)\}\}", r"\1又\2/\3", answer)
    answer = re.sub(r"\{\{f (\d+) (\d+)\}\}", r"\1/\2", answer)
    if "{{" in answer:
        raise PaperError(f"{where}: a picture in the answer")
    choices = "".join(re.findall(r"(?:^|\|)\s*([A-F])\.", "|".join(l[2:] for l in item.lines
                                                                  if l.startswith("@ "))))
    if not slots:
        if re.search(r"\d", answer) and "<!--calc:" not in answer and not answer.startswith("~"):
            raise PaperError(f"{where}: a number in the answer without a calc note: {answer}")
        return answer.lstrip("~")
    parts = split_answer(answer)
    if len(parts) != len(slots):
        raise PaperError(f"{where}: {len(slots)} blanks or calculations but {len(parts)} answers: {answer}")
    done = []
    for part, slot in zip(parts, slots):
        if slot is None:
            if choices and not re.fullmatch(f"[{choices}]+", part):
                raise PaperError(f"{where}: choice answer {part}")
            if re.match(r"-?\d", part) and "<!--calc:" not in part:
                raise PaperError(f"{where}: a number in the answer without a calc note: {part}")
            done.append(part.lstrip("~"))
        elif slot[0] == "compare":
            a, b = evaluate(slot[1]), evaluate(slot[2])
            if a is not None and b is not None:
                right = ">" if a > b else "<" if a < b else "="
                if part != right:
                    raise PaperError(f"{where}: {slot[1]} ○ {slot[2]} is {right}, not {part}")
            elif part not in (">", "<", "="):
                raise PaperError(f"{where}: comparison answer {part}")
            done.append(part)
        elif slot[0] == "value":
            value = evaluate(slot[1])
            if value is None:
                raise PaperError(f"{where}: cannot evaluate {slot[1]}")
            bare = re.sub(r"<!--calc:.*?-->", "", part)
            if not same_number(read_number(bare), value):
                raise PaperError(f"{where}: {slot[1]} = {value}, not {part}")
            done.append(part if "<!--calc:" in part else f"<!--calc:{calc_note_expr(slot[1])}-->{part}")
        else:  # equation: the stated x makes both sides equal
            left, right = slot[1].split("=")
            bare = re.sub(r"<!--calc:.*?-->", "", part)
            m = re.match(r"x\s*=\s*(.*)", bare)
            x = read_number(m.group(1)) if m else None
            a = evaluate(left, x) if x is not None else None
            b = evaluate(right, x) if x is not None else None
            if a is None or b is None or a != b:
                raise PaperError(f"{where}: x in {slot[1]} is not {part}")
            if "<!--calc:" not in part:
                raise PaperError(f"{where}: the equation's answer needs a calc note: {part}")
            done.append(part)
    return "，".join(done)


def title_of(code):
    g, t = int(code[0]), int(code[1])
    term, when = TERMS[t]
    return f"{CN[g]}年级第{term}学期{when}数学试卷"


def node_of(code):
    g, t = int(code[0]), int(code[1])
    return f"{g}年级{1 if t <= 2 else 2}学期{'期中' if t % 2 else '期末'}考试题"


def score_rule(sec, where):
    m = re.search(r"共(\d+)分", sec.score)
    if not m:
        raise PaperError(f"{where}: the score of section {sec.name} has no total")
    total = int(m.group(1))
    each = re.search(r"每(空|题|小题)(\d+)分", sec.score)
    return total, each


def build(code):
    src = os.path.join(SRC, f"{code}.txt")
    head, sections = parse(src)
    title = title_of(code)
    total = 0
    body, answers = [], [f"{title}参考答案"]
    items_count, numeric_count = 0, 0
    for k, sec in enumerate(sections):
        where = sec.line
        sec_total, each = score_rule(sec, where)
        total += sec_total
        rendered, blanks_in_section = [], 0
        answers.append(f"{SECTION_NUMBERS[k]}、{sec.name}")
        for n, item in enumerate(sec.items, 1):
            html, slots = render_item(n, item, item.line)
            blanks_in_section += max(len(slots), 1)
            answer = finish_answer(item, slots, item.line, sec.name)
            check_calc_notes(answer, item.line)
            rendered.append(f'<div class="item">\n{html}\n</div>')
            answers.append(f"<{n}>  {answer}")
            items_count += 1
            if "<!--calc:" in answer:
                numeric_count += 1
        if each:
            per = int(each.group(2))
            count = blanks_in_section if each.group(1) == "空" else len(sec.items)
            if per * count != sec_total:
                raise PaperError(f"{where}: {sec.name}: {per}分 × {count} is not {sec_total}分")
            if any(i.points for i in sec.items):
                raise PaperError(f"{where}: {sec.name}: items with their own score in a section of {sec.score}")
        else:
            if any(i.points is None for i in sec.items):
                raise PaperError(f"{where}: {sec.name}: every item needs its own score")
            if sum(i.points for i in sec.items) != sec_total:
                raise PaperError(f"{where}: {sec.name}: the items add up to "
                                 f"{sum(i.points for i in sec.items)}, not {sec_total}")
        if sec.page_break:
            body.append('<div class="page-break"></div>')
        body.append('<div class="section">')
        # the instructions stay in the title line, so they never end a printed page alone
        body.append(f'<p class="section-title">{SECTION_NUMBERS[k]}、{sec.name}。{sec.note or ""}'
                    f'<span class="points">（{sec.score}）</span></p>')
        body.extend(rendered)
        body.append("</div>")
    if total != 100:
        raise PaperError(f"{code}: the sections add up to {total}, not 100")
    minutes = head.get("time")
    if not minutes:
        raise PaperError(f"{code}: no time")
    page_style = ' style="font-size:22px"' if head.get("large") == "yes" else ""
    page = [
        "<!DOCTYPE html>",
        '<html lang="zh-CN">',
        "<head>",
        '<meta charset="utf-8">',
        f"<title>{node_of(code)}</title>",
        '<link rel="stylesheet" href="../content.css">',
        '<script src="../content.js" defer></script>',
        "</head>",
        '<body class="doc">',
        f'<div class="page"{page_style}>',
        '<div class="paper-head">',
        f"<h1>{title}</h1>",
        '<p class="fields">班级________ 姓名________ 得分________</p>',
        f'<p class="subtitle">（时间：{minutes}分钟　满分：100分）</p>',
        "</div>",
    ] + body + ["</div>", "</body>", "</html>"]
    for line in page:
        if BLANK in line or BRACKET in line or CIRCLE in line:
            raise PaperError(f"{code}: a blank left unrendered")
    page_text = "\n".join(page).replace("\r\n", "\n").replace("\n", "\r\n") + "\r\n"
    return page_text, "\r\n".join(answers) + "\r\n", (items_count, items_count - numeric_count)


def main(argv):
    codes = argv[1:] or [c for c in CODES if os.path.exists(os.path.join(SRC, f"{c}.txt"))]
    os.makedirs(PAGES, exist_ok=True)
    os.makedirs(TEXTS, exist_ok=True)
    failed = False
    for code in codes:
        try:
            page, key, (items, other) = build(code)
        except PaperError as e:
            print(f"refused: {e}", file=sys.stderr)
            failed = True
            continue
        with open(os.path.join(PAGES, f"{code}.htm"), "w", encoding="utf-8", newline="") as f:
            f.write(page)
        with open(os.path.join(TEXTS, f"exam-{code}.txt"), "w", encoding="utf-8", newline="") as f:
            f.write(key)
        print(f"{code}: {items} items, {other} without a numeric answer")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
