#!/usr/bin/env python3
# Writes the pages of the 数学趣题 collection from content/sources/funproblems.txt:
# data/zimu/sxqt/{m}/index.htm (the problem) and indexa.htm (its answer and
# worked solution) for every problem m. Run it from anywhere after editing
# the source; it checks the source's shape and punctuation before writing.
#
#   python3 tools/content/make_funproblems.py
#
# The source format is described at the top of the source itself.

import html
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCE = ROOT / "content" / "sources" / "funproblems.txt"
OUT = ROOT / "data" / "zimu" / "sxqt"

SECTIONS = ("题目", "图", "重述", "答案", "怎样想")
REQUIRED = ("题目", "重述", "答案", "怎样想")

CALC = re.compile(r"<!--\s*calc:.*?-->", re.S)


class SourceError(Exception):
    pass


def parse(text):
    """Problems as dicts: number, title, line, and one text per section."""
    problems = []
    current = None
    section = None
    for lineno, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        if line.startswith("#") and (section is None or section != "图"):
            continue
        head = re.match(r"^== (\d+) (.+)$", line)
        if head:
            current = {"number": int(head.group(1)), "title": head.group(2).strip(),
                       "line": lineno, "sections": {}}
            problems.append(current)
            section = None
            continue
        sec = re.match(r"^-- (\S+)$", line)
        if sec:
            if current is None:
                raise SourceError(f"{lineno}: section before the first problem")
            section = sec.group(1)
            if section not in SECTIONS:
                raise SourceError(f"{lineno}: unknown section {section}")
            if section in current["sections"]:
                raise SourceError(f"{lineno}: section {section} given twice")
            current["sections"][section] = []
            continue
        if current is None or section is None:
            if line.strip():
                raise SourceError(f"{lineno}: text outside a section")
            continue
        current["sections"][section].append((lineno, line))
    return problems


def blocks(lines):
    """Blank-line separated blocks of (first line number, text)."""
    out, cur, start = [], [], None
    for lineno, line in lines + [(None, "")]:
        if line.strip():
            if not cur:
                start = lineno
            cur.append(line)
        elif cur:
            out.append((start, cur))
            cur = []
    return out


# ---------- Matchstick figures ----------

# Segments of a seven-segment digit: a top, b upper right, c lower right,
# d bottom, e lower left, f upper left, g middle.
DIGITS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}
W, H, GAP = 44, 84, 24


def stick(x1, y1, x2, y2):
    # Body from (x1,y1) to (x2,y2), red head at the second end.
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="#e2b04a" '
            f'stroke-width="6" stroke-linecap="round"/>'
            f'<circle cx="{x2}" cy="{y2}" r="4.5" fill="#c0392b"/>')


def matchstick_svg(expr):
    parts = []
    x = 12
    top = 14
    m = 8  # gap between sticks at the corners
    for ch in expr:
        if ch in DIGITS:
            segs = DIGITS[ch]
            y0, y1, y2 = top, top + H // 2, top + H
            lines = {
                "a": (x + m, y0, x + W - m, y0), "g": (x + m, y1, x + W - m, y1),
                "d": (x + m, y2, x + W - m, y2), "f": (x, y1 - m, x, y0 + m),
                "b": (x + W, y1 - m, x + W, y0 + m), "e": (x, y2 - m, x, y1 + m),
                "c": (x + W, y2 - m, x + W, y1 + m),
            }
            for s in segs:
                parts.append(stick(*lines[s]))
            x += W + GAP
        elif ch == "+":
            cx, cy = x + 18, top + H // 2
            parts.append(stick(cx - 16, cy, cx + 16, cy))
            parts.append(stick(cx, cy + 16, cx, cy - 16))
            x += 36 + GAP
        elif ch in "-−":
            cy = top + H // 2
            parts.append(stick(x + 2, cy, x + 34, cy))
            x += 36 + GAP
        elif ch == "=":
            cy = top + H // 2
            parts.append(stick(x + 2, cy - 9, x + 34, cy - 9))
            parts.append(stick(x + 2, cy + 9, x + 34, cy + 9))
            x += 36 + GAP
        else:
            raise SourceError(f"matchstick figure cannot draw {ch!r}")
    width = x - GAP + 12
    height = H + 2 * top
    label = html.escape(expr.replace("-", "−"))
    return (f'<div class="figure"><svg xmlns="http://www.w3.org/2000/svg" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}" '
            f'role="img" aria-label="火柴棒摆的算式 {label}">'
            + "".join(parts) + "</svg></div>")


# ---------- Pages ----------

# A block that starts with one of these tags is written as it stands; any
# other block is a paragraph.
BLOCK_TAG = re.compile(r"^<(div|p|table|ul|ol|svg|h2|h3)\b")


def render(lines, figure):
    out = []
    for start, block in blocks(lines):
        first = block[0].strip()
        if first == "@图":
            if figure is None:
                raise SourceError(f"{start}: @图 without a 图 section")
            out.append(figure)
        elif first.startswith("@火柴 "):
            out.append(matchstick_svg(first[4:].strip()))
        elif BLOCK_TAG.match(first):
            out.append("\n".join(block))
        else:
            out.append("<p>" + "".join(l.strip() for l in block) + "</p>")
    return "\n".join(out)


PAGE = """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>{title}</title>
<link rel="stylesheet" href="../../../content.css">
<script src="../../../content.js" defer></script>
</head>
<body class="doc">
<div class="page">
{body}
</div>
</body>
</html>
"""


def problem_page(p):
    m = p["number"]
    s = p["sections"]
    figure = "\n".join(l for _, l in s["图"]) if "图" in s else None
    body = [f"<h1>第{m}题</h1>", f'<p class="subtitle">{p["title"]}</p>']
    text = render(s["题目"], figure)
    if figure is not None and not any(l.strip() == "@图" for _, l in s["题目"]):
        text += "\n" + figure
    body.append(text)
    body.append(f'<p class="tip">想好以后，可以点“第{m}题答案”看看答案。</p>')
    return PAGE.format(title=f"数学趣题 第{m}题", body="\n".join(body))


def answer_page(p):
    m = p["number"]
    s = p["sections"]
    figure = "\n".join(l for _, l in s["图"]) if "图" in s else None
    body = [f"<h1>第{m}题答案</h1>", f'<p class="subtitle">{p["title"]}</p>',
            '<div class="box">' + render(s["重述"], figure) + "</div>",
            "<h2>答案</h2>", render(s["答案"], figure),
            "<h2>怎样想</h2>", render(s["怎样想"], figure)]
    return PAGE.format(title=f"数学趣题 第{m}题答案", body="\n".join(body))


# ---------- Checks of the source ----------

CJK = r"[\u4e00-\u9fff“”，。：；！？、（）]"
ASCII_PUNCT = re.compile(rf"(?<={CJK})[,.;:!?()]|[,;:!?(](?={CJK})")


def visible_text(line):
    line = CALC.sub("", line)
    return re.sub(r"<[^>]*>", "", line)


def check(problems):
    faults = []
    numbers = [p["number"] for p in problems]
    if numbers != list(range(1, len(problems) + 1)):
        faults.append("problems are not numbered 1, 2, 3, … in order")
    titles = {}
    for p in problems:
        where = f"problem {p['number']} (line {p['line']})"
        for name in REQUIRED:
            if not any(l.strip() for _, l in p["sections"].get(name, [])):
                faults.append(f"{where}: no {name}")
        if p["title"] in titles:
            faults.append(f"{where}: same title as problem {titles[p['title']]}")
        titles[p["title"]] = p["number"]
        problem_text = "\n".join(l for _, l in p["sections"].get("题目", []))
        if "calc:" in problem_text:
            faults.append(f"{where}: answer note on the problem page")
        in_svg = False
        for name, lines in p["sections"].items():
            for lineno, line in lines:
                if "<svg" in line:
                    in_svg = True
                if not in_svg and name != "图":
                    bad = ASCII_PUNCT.search(visible_text(line))
                    if bad:
                        faults.append(f"line {lineno}: ASCII punctuation "
                                      f"{bad.group(0)!r} in Chinese text")
                if "</svg>" in line:
                    in_svg = False
    return faults


def main():
    text = SOURCE.read_text(encoding="utf-8")
    try:
        problems = parse(text)
    except SourceError as e:
        sys.exit(f"{SOURCE.name}:{e}")
    faults = check(problems)
    if faults:
        sys.exit("\n".join(faults))
    numeric = 0
    for p in problems:
        folder = OUT / str(p["number"])
        folder.mkdir(parents=True, exist_ok=True)
        for name, page in (("index.htm", problem_page(p)), ("indexa.htm", answer_page(p))):
            data = page.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")
            (folder / name).write_bytes(data)
        if CALC.search("\n".join(l for _, l in p["sections"]["答案"])):
            numeric += 1
    print(f"{len(problems)} problems written to {OUT.relative_to(ROOT)}: "
          f"{numeric} with numeric answers, {len(problems) - numeric} without")


if __name__ == "__main__":
    main()
