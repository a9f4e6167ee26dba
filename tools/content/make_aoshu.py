#!/usr/bin/env python3
# Writes the olympiad explanation pages data/zimu/aoshu1.htm … aoshu196.htm
# from the one source content/sources/aoshu.txt. It refuses (exit 1) when a
# problem's key does not hold together: not exactly one right choice, a right
# choice that differs from the stated answer, a box key that differs from it,
# a calc note that does not give it, or an explanation whose last line does
# not state it.
#
#   python3 tools/content/make_aoshu.py
import ast
import math
import operator
import re
import sys
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SOURCE = ROOT / "content" / "sources" / "aoshu.txt"
OUT = ROOT / "data" / "zimu"
COUNT = 196

FIELDS = ("专题", "年级", "形式", "题目", "图", "选项", "答案", "非数值答案", "单位", "提示", "解析")
FIELD_LINE = re.compile(r"^(%s)：(.*)$" % "|".join(FIELDS))
HEAD = re.compile(r"^【第(\d+)题】\s*$")
CALC = re.compile(r"^<!--calc:(.*?)-->(.*)$")
CHOICE = re.compile(r"^(\*?)([ABCD])．(.+)$")
NUMBER = re.compile(r"^(\d+又\d+/\d+|\d+/\d+|\d+(?:\.\d+)?%?)")
BOX_KEY = re.compile(r"^(\d+(?:\.\d+)?|\d+/\d+)$")


class Fault(Exception):
    pass


# ---------- exact arithmetic of the calc notes ----------

_BINARY = {ast.Add: operator.add, ast.Sub: operator.sub, ast.Mult: operator.mul,
           ast.Div: operator.truediv}


def _value(node):
    if isinstance(node, ast.Expression):
        return _value(node.body)
    if isinstance(node, ast.Constant) and isinstance(node.value, (int, float)):
        return Fraction(str(node.value))
    if isinstance(node, ast.BinOp) and type(node.op) in _BINARY:
        return _BINARY[type(node.op)](_value(node.left), _value(node.right))
    if isinstance(node, ast.BinOp) and isinstance(node.op, ast.Pow):
        exponent = _value(node.right)
        if exponent.denominator != 1:
            raise Fault("power with a fraction exponent")
        return _value(node.left) ** int(exponent)
    if isinstance(node, ast.UnaryOp) and isinstance(node.op, (ast.USub, ast.UAdd)):
        v = _value(node.operand)
        return -v if isinstance(node.op, ast.USub) else v
    raise Fault("cannot read the calc note")


def _percent(text):
    """Writes n% and (…)% as (n/100) and ((…)/100)."""
    out = ""
    for ch in text:
        if ch != "%":
            out += ch
            continue
        if out.endswith(")"):
            depth = 0
            for i in range(len(out) - 1, -1, -1):
                depth += {")": 1, "(": -1}.get(out[i], 0)
                if depth == 0:
                    break
            out = out[:i] + "(" + out[i:] + "/100)"
        else:
            m = re.search(r"[0-9.]+$", out)
            if not m:
                raise Fault("a % without a number before it")
            out = out[:m.start()] + "(" + m.group(0) + "/100)"
    return out


def evaluate(expression):
    text = expression.replace("×", "*").replace("÷", "/").replace("−", "-")
    text = text.replace("[", "(").replace("]", ")").replace("{", "(").replace("}", ")")
    text = text.replace("^", "**")
    text = _percent(text)
    if not re.fullmatch(r"[0-9.+\-*/() ]+", text):
        raise Fault("calc note with other signs: " + expression)
    try:
        return _value(ast.parse(text, mode="eval"))
    except (SyntaxError, ZeroDivisionError) as e:
        raise Fault("cannot evaluate %s (%s)" % (expression, e))


def number_of(text):
    """The number a stated answer starts with, as written and as a value."""
    m = NUMBER.match(text)
    if not m:
        return None, None
    written = m.group(1)
    if "又" in written:
        whole, frac = written.split("又")
        a, b = frac.split("/")
        return written, int(whole) + Fraction(int(a), int(b))
    if written.endswith("%"):
        return written, Fraction(written[:-1]) / 100
    if "/" in written:
        a, b = written.split("/")
        return written, Fraction(int(a), int(b))
    return written, Fraction(written)


# ---------- reading the source ----------

def read_source():
    problems = []
    current = None
    field = None
    for lineno, raw in enumerate(SOURCE.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.rstrip()
        if line.startswith("#") and current is None:
            continue
        head = HEAD.match(line)
        if head:
            current = {"no": int(head.group(1)), "line": lineno}
            problems.append(current)
            field = None
            continue
        if current is None:
            if line.strip():
                raise Fault("line %d: text before the first problem" % lineno)
            continue
        m = FIELD_LINE.match(line)
        if m:
            field = m.group(1)
            if field in current:
                raise Fault("line %d: field %s twice" % (lineno, field))
            current[field] = [m.group(2)] if m.group(2).strip() else []
            continue
        if not line.strip():
            continue
        if field is None:
            raise Fault("line %d: text outside a field" % lineno)
        current[field].append(line.strip() if field != "图" else line)
    return problems


def check(p):
    no = p["no"]
    for name in ("专题", "年级", "形式", "题目", "解析"):
        if not p.get(name):
            raise Fault("missing %s" % name)
    form = p["形式"][0]
    if form not in ("选择", "填空"):
        raise Fault("form must be 选择 or 填空")
    if ("答案" in p) == ("非数值答案" in p):
        raise Fault("give either 答案 or 非数值答案")

    steps = p["解析"]
    for s in steps:
        if re.search(r'["<>&]', s):
            raise Fault("the explanation holds \" < > or &: " + s)
        if "[" in s or "]" in s:
            raise Fault("the explanation holds brackets [ ]: " + s)

    if "非数值答案" in p:
        if form != "选择":
            raise Fault("a non-numeric answer needs four choices")
        answer = p["非数值答案"][0].strip()
        calc = None
        written = answer
    else:
        m = CALC.match(p["答案"][0].strip())
        if not m:
            raise Fault("the answer has no calc note")
        calc, answer = m.group(1), m.group(2).strip()
        written, value = number_of(answer)
        if written is None:
            raise Fault("the answer does not start with a number: " + answer)
        computed = evaluate(calc)
        if computed != value:
            raise Fault("calc %s gives %s, the answer says %s" % (calc, computed, written))
    if written not in steps[-1]:
        raise Fault("the explanation's last line does not state %s" % written)
    if not steps[-1].startswith("答："):
        raise Fault("the explanation's last line does not start with 答：")

    if form == "选择":
        options = p.get("选项", [])
        if len(options) != 4:
            raise Fault("four choices needed, found %d" % len(options))
        good = []
        texts = []
        for i, o in enumerate(options):
            m = CHOICE.match(o)
            if not m or m.group(2) != "ABCD"[i]:
                raise Fault("choice %d is not written as %s．…" % (i + 1, "ABCD"[i]))
            texts.append(m.group(3).strip())
            if m.group(1):
                good.append(i)
        if len(good) != 1:
            raise Fault("%d right choices marked, one needed" % len(good))
        if texts[good[0]] != answer:
            raise Fault("the right choice says %s, the answer %s" % (texts[good[0]], answer))
        if len(set(texts)) != 4:
            raise Fault("two choices are the same")
        if calc is not None:
            for i, t in enumerate(texts):
                if i != good[0]:
                    w, v = number_of(t)
                    if v is not None and v == evaluate(calc) and t.endswith(answer[len(written):]):
                        raise Fault("wrong choice %s equals the answer" % t)
        said = re.search(r"选([ABCD])", steps[-1])
        if said and said.group(1) != "ABCD"[good[0]]:
            raise Fault("the explanation says 选%s, the right choice is %s"
                        % (said.group(1), "ABCD"[good[0]]))
        p["choices"] = texts
        p["good"] = good[0]
    else:
        if "选项" in p:
            raise Fault("a box page has no choices")
        if not BOX_KEY.match(answer):
            raise Fault("a box key is a whole number, a decimal or a fraction a/b: " + answer)
        if "/" in answer:
            a, b = map(int, answer.split("/"))
            if math.gcd(a, b) != 1 or b == 1:
                raise Fault("the box key %s is not a simplest fraction" % answer)
            if not any("分数" in t for t in p.get("提示", [])):
                raise Fault("a fraction key needs a tip that asks for a fraction")
        if not p.get("提示"):
            raise Fault("a box page needs a tip saying what to type")
    p["calc"] = calc
    p["answer"] = answer


# ---------- writing the pages ----------

def page(p):
    no = p["no"]
    lines = [
        "<!DOCTYPE html>",
        '<html lang="zh-CN">',
        "<head>",
        '<meta charset="utf-8">',
        "<title>第%d题</title>" % no,
        '<link rel="stylesheet" href="../content.css">',
        "</head>",
        '<body class="doc">',
        '<div class="page">',
        "<h1>第%d题</h1>" % no,
        '<p class="subtitle">%s</p>' % p["专题"][0],
    ]
    for t in p["题目"]:
        lines.append("<p>%s</p>" % t)
    if p.get("图"):
        lines.append('<div class="figure">')
        lines.extend(l.rstrip() for l in p["图"])
        lines.append("</div>")
    note = "<!--calc:%s-->" % p["calc"] if p["calc"] is not None else ""
    if p["形式"][0] == "选择":
        for i, t in enumerate(p["choices"]):
            good = i == p["good"]
            lines.append("<p><input type=radio name=R%d tag=%s> %s．%s%s</p>"
                         % (i + 1, "good" if good else "bad", "ABCD"[i],
                            note if good else "", t))
    else:
        unit = p.get("单位", [""])[0] if p.get("单位") else ""
        lines.append("<p>答案：%s<input class=text name=answer type=text size=8 tag=%s>%s</p>"
                     % (note, p["answer"], unit))
        lines.append('<p class="tip">%s</p>' % "".join(p["提示"]))
    explanation = "[br]".join(p["解析"])
    lines.append('<p><input class=button name=finish type=button value=提交答案 tag="%s"></p>'
                 % explanation)
    lines += ["</div>", "</body>", "</html>", ""]
    return "\r\n".join(lines)


def main():
    try:
        problems = read_source()
    except Fault as e:
        sys.exit("aoshu.txt: %s" % e)
    faults = []
    for i, p in enumerate(problems, 1):
        if p["no"] != i:
            faults.append("line %d: problem %d where %d was expected" % (p["line"], p["no"], i))
            break
        try:
            check(p)
        except Fault as e:
            faults.append("aoshu.txt:%d: 第%d题: %s" % (p["line"], p["no"], e))
    if len(problems) > COUNT:
        faults.append("%d problems, the tree has %d nodes" % (len(problems), COUNT))
    if faults:
        print("\n".join(faults), file=sys.stderr)
        sys.exit(1)
    for p in problems:
        (OUT / ("aoshu%d.htm" % p["no"])).write_bytes(page(p).encode("utf-8"))
    choice = sum(1 for p in problems if p["形式"][0] == "选择")
    print("%d pages written: %d with four choices, %d with a box"
          % (len(problems), choice, len(problems) - choice))
    if len(problems) < COUNT:
        print("note: %d of %d problems so far" % (len(problems), COUNT))


if __name__ == "__main__":
    main()
