#!/usr/bin/env python3
"""Draw the medal picture data/zimu/jb.gif (32 x 32, GIF89a).

A gold medal with a star on a red and blue ribbon. Pure Python, no
imaging library: the shapes are sampled 6 x 6 times per pixel, edge pixels
are blended with the page background, pixels outside every shape are
transparent, and the picture is written with a small LZW encoder.

Usage: python3 tools/make_medal_gif.py [output path]
"""
import math
import os
import struct
import sys

SIZE = 32
SUB = 6                      # samples per pixel along each axis
MATTE = (246, 249, 244)      # page background the edges are blended with

RIBBON_LEFT = (229, 83, 75)
RIBBON_LEFT_DARK = (176, 58, 51)
RIBBON_RIGHT = (74, 143, 193)
RIBBON_RIGHT_DARK = (47, 104, 148)
RIM = (185, 125, 16)
GOLD = (245, 184, 61)
GOLD_LIGHT = (255, 210, 94)
STAR = (255, 248, 220)
STAR_EDGE = (227, 158, 28)


def in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i, (xi, yi) in enumerate(pts):
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def star_points(cx, cy, outer, inner):
    pts = []
    for k in range(10):
        r = outer if k % 2 == 0 else inner
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


CX, CY = 16.0, 20.6
LEFT_STRAP = [(7.5, 0.5), (14.0, 0.5), (19.2, 12.5), (13.6, 14.8)]
RIGHT_STRAP = [(24.5, 0.5), (18.0, 0.5), (12.8, 12.5), (18.4, 14.8)]
STAR_OUTER = star_points(CX, CY, 5.6, 2.3)
STAR_INNER = star_points(CX, CY, 4.6, 1.8)


def sample(x, y):
    """Colour of the picture at (x, y), or None outside every shape."""
    d = math.hypot(x - CX, y - CY)
    if d <= 10.6:
        if d > 9.2:
            return RIM
        if in_polygon(x, y, STAR_OUTER):
            return STAR if in_polygon(x, y, STAR_INNER) else STAR_EDGE
        if d > 7.6:
            return GOLD
        # a soft highlight on the upper left of the face
        return GOLD_LIGHT if (x - CX) + (y - CY) < -3.0 else GOLD
    for strap, fill, edge in ((RIGHT_STRAP, RIBBON_RIGHT, RIBBON_RIGHT_DARK),
                              (LEFT_STRAP, RIBBON_LEFT, RIBBON_LEFT_DARK)):
        if in_polygon(x, y, strap):
            return edge if y > 11.0 else fill
    return None


def render(shape=sample, width=SIZE, height=SIZE):
    """Sample shape(x, y) over the picture; None marks a transparent pixel."""
    pixels = []
    for py in range(height):
        for px in range(width):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    c = shape(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    if c is not None:
                        hits += 1
                        for k in range(3):
                            acc[k] += c[k]
            n = SUB * SUB
            if hits * 4 < n:            # less than a quarter covered
                pixels.append(None)
                continue
            rgb = tuple(round((acc[k] + MATTE[k] * (n - hits)) / n) for k in range(3))
            pixels.append(rgb)
    return pixels


def build_palette(pixels):
    """Quantise to at most 255 colours; entry 0 is the transparent one."""
    step = 1
    while True:
        q = [None if p is None else tuple(min(255, (c // step) * step + step // 2) for c in p)
             for p in pixels]
        colours = sorted({p for p in q if p is not None})
        if len(colours) <= 255:
            break
        step *= 2
    palette = [MATTE] + colours
    index = {c: i + 1 for i, c in enumerate(colours)}
    indices = [0 if p is None else index[p] for p in q]
    bits = max(1, math.ceil(math.log2(len(palette))))
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    return palette, indices, bits


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    eoi = clear + 1
    out = bytearray()
    bitbuf = 0
    bitcount = 0

    def emit(code, width):
        nonlocal bitbuf, bitcount
        bitbuf |= code << bitcount
        bitcount += width
        while bitcount >= 8:
            out.append(bitbuf & 0xFF)
            bitbuf >>= 8
            bitcount -= 8

    def reset():
        return {(i,): i for i in range(clear)}, eoi + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    current = (indices[0],)
    for value in indices[1:]:
        candidate = current + (value,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        current = (value,)
    emit(table[current], width)
    emit(eoi, width)
    if bitcount:
        out.append(bitbuf & 0xFF)
    return bytes(out)


def write_gif(path, palette, indices, bits, width=SIZE, height=SIZE):
    min_code_size = max(2, bits)
    data = bytearray(b'GIF89a')
    data += struct.pack('<HHBBB', width, height, 0x80 | (bits - 1) << 4 | (bits - 1), 0, 0)
    for r, g, b in palette:
        data += bytes((r, g, b))
    # graphic control extension: colour 0 is transparent
    data += b'\x21\xf9\x04\x01\x00\x00\x00\x00'
    data += b'\x2c' + struct.pack('<HHHHB', 0, 0, width, height, 0)
    data.append(min_code_size)
    stream = lzw_encode(indices, min_code_size)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b'\x00\x3b'
    with open(path, 'wb') as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'data', 'zimu', 'jb.gif')
    palette, indices, bits = build_palette(render())
    write_gif(path, palette, indices, bits)


if __name__ == '__main__':
    main()
