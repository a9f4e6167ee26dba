#!/usr/bin/env python3
# Draws data/pic/2.gif, the figure of the geometry example "求阴影面积": a
# square of side 10 cm with a quarter circle drawn about one corner, the part
# of the square outside the quarter circle shaded, and the question written
# above the figure. The answer (100 − 78.5 = 21.5 平方厘米) is kept in
# content/texts/geometryexamples.txt.
#
# Needs Pillow and a CJK font from the system packages:
#   apt-get install -y python3-pil fonts-noto-cjk
# and is run with the system Python: /usr/bin/python3 tools/content/make_shaded_figure.py
import math
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', '..', 'data', 'pic', '2.gif')
FONT = '/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc'

S = 2                       # drawn at twice the size, then scaled down
W, H = 600 * S, 540 * S
INK = (0, 0, 0)
SHADE = (150, 150, 150)
WHITE = (255, 255, 255)

QUESTION = [
    '如图，正方形ABCD的边长是10厘米，以A点为圆心、',
    '10厘米为半径画一段弧BD。求阴影部分的面积。（π取3.14）',
]


def font(size):
    return ImageFont.truetype(FONT, size * S, index=2)  # index 2: Simplified Chinese


def centred(draw, xy, text, f):
    box = draw.textbbox((0, 0), text, font=f)
    w, h = box[2] - box[0], box[3] - box[1]
    draw.text((xy[0] - w / 2 - box[0], xy[1] - h / 2 - box[1]), text, font=f, fill=INK)


def main():
    img = Image.new('RGB', (W, H), WHITE)
    d = ImageDraw.Draw(img)

    f_text = font(21)
    y = 18 * S
    for line in QUESTION:
        d.text((24 * S, y), line, font=f_text, fill=INK)
        y += 34 * S

    # The square: A bottom left, B bottom right, C top right, D top left.
    side = 330 * S
    left = (W - side) // 2
    top = 130 * S
    ax, ay = left, top + side
    bx, by = left + side, top + side
    cx, cy = left + side, top
    dx, dy = left, top

    # Shaded part: the square minus the quarter circle about A.
    arc = [(ax + side * math.cos(math.radians(t / 4)), ay - side * math.sin(math.radians(t / 4)))
           for t in range(0, 361)]
    d.polygon([(bx, by), (cx, cy), (dx, dy)] + arc[::-1], fill=SHADE)

    # Outline of the square and the arc.
    lw = 3 * S
    d.line([(ax, ay), (bx, by), (cx, cy), (dx, dy), (ax, ay)], fill=INK, width=lw, joint='curve')
    d.line(arc, fill=INK, width=lw, joint='curve')
    # The centre A.
    r = 4 * S
    d.ellipse([ax - r, ay - r, ax + r, ay + r], fill=INK)

    f_label = font(24)
    centred(d, (ax - 18 * S, ay + 16 * S), 'A', f_label)
    centred(d, (bx + 18 * S, by + 16 * S), 'B', f_label)
    centred(d, (cx + 18 * S, cy - 16 * S), 'C', f_label)
    centred(d, (dx - 18 * S, dy - 16 * S), 'D', f_label)

    # Length marks below AB and left of AD.
    f_len = font(20)
    gap = 34 * S
    tick = 8 * S
    mw = 2 * S
    yb = ay + gap
    d.line([(ax, yb), (bx, yb)], fill=INK, width=mw)
    d.line([(ax, yb - tick), (ax, yb + tick)], fill=INK, width=mw)
    d.line([(bx, yb - tick), (bx, yb + tick)], fill=INK, width=mw)
    label = '10厘米'
    box = d.textbbox((0, 0), label, font=f_len)
    lw_text = box[2] - box[0] + 16 * S
    mid = (ax + bx) / 2
    d.rectangle([mid - lw_text / 2, yb - 14 * S, mid + lw_text / 2, yb + 14 * S], fill=WHITE)
    centred(d, (mid, yb), label, f_len)

    xl = ax - gap - 8 * S
    d.line([(xl, dy), (xl, ay)], fill=INK, width=mw)
    d.line([(xl - tick, dy), (xl + tick, dy)], fill=INK, width=mw)
    d.line([(xl - tick, ay), (xl + tick, ay)], fill=INK, width=mw)
    midy = (dy + ay) / 2
    # The vertical label is written in three lines: 10, 厘, 米.
    chars = ['10', '厘', '米']
    step = 26 * S
    y0 = midy - step * (len(chars) - 1) / 2
    d.rectangle([xl - 16 * S, y0 - 16 * S, xl + 16 * S, y0 + step * (len(chars) - 1) + 16 * S], fill=WHITE)
    for i, ch in enumerate(chars):
        centred(d, (xl, y0 + i * step), ch, f_len)

    small = img.resize((W // S, H // S), Image.LANCZOS)
    small = small.convert('P', palette=Image.ADAPTIVE, colors=32)
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    small.save(OUT, optimize=True)


if __name__ == '__main__':
    main()
