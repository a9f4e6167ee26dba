#!/usr/bin/env python3
# Writes the olympiad papers and the entrance-exam papers from their sources:
#   content/sources/olympiadpapers/{year}.txt -> data/test/{year}.htm and
#                                                content/texts/papers/olympiad-{year}.txt
#   content/sources/entrancepapers/xscNN.txt  -> data/test/xscNN.htm (a topic paper
#                                                also writes its answer page xscNN+1)
#
# A paper source is plain text, one statement a line:
#   # …                 a comment ("## " starts a heading of an article)
#   标题：…              the paper's title (entrance papers; olympiad titles come from the year)
#   副标题：…            the line under the title
#   提示：…              a quiet note at the top of the paper
#   无答案               the answer text is the single word 缺 (the paper ships without a key)
#   【预赛A】…           a section (round) with its time and score after the bracket
#   留空                 the items of the current section get room to work
#   题：…                a new item; "____" becomes a fill-in blank
#     …                 (two leading spaces) more of the item: a line starting with "<" is
#                       markup kept as it is, any other line is a new paragraph
#   答：…                the item's answer, one line, calc notes before numbers
#   解：…                a paragraph of the worked solution (entrance papers)
# The article source (kind 文章) has 标题：, 副标题：, "## heading", "- list item" and
# paragraphs.
#
# Run from anywhere: python3 tools/content/make_olympiadpapers.py
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
OLY_SRC = os.path.join(ROOT, 'content', 'sources', 'olympiadpapers')
XSC_SRC = os.path.join(ROOT, 'content', 'sources', 'entrancepapers')
PAGES = os.path.join(ROOT, 'data', 'test')
TEXTS = os.path.join(ROOT, 'content', 'texts', 'papers')

OLY_ROUNDS = ['预赛A', '预赛B', '决赛']


class Item:
    def __init__(self, text):
        self.parts = [text]
        self.answer = None
        self.solution = []


class Section:
    def __init__(self, name, points):
        self.name = name
        self.points = points
        self.workspace = False
        self.items = []


class Paper:
    def __init__(self, path):
        self.path = path
        self.keys = {}
        self.no_key = False
        self.sections = []
        self.lines = []  # article lines


def fail(path, number, message):
    sys.exit('%s:%d: %s' % (os.path.relpath(path, ROOT), number, message))


def read_source(path):
    paper = Paper(path)
    item = None
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip('\r').rstrip()
        if not line.strip() or (line.startswith('#') and not line.startswith('## ')):
            continue
        if paper.keys.get('类型') == '文章' and not re.match(r'^(标题|副标题|类型)：', line):
            paper.lines.append(line)
            continue
        if line.startswith('  '):
            if item is None:
                fail(path, number, 'continuation outside an item')
            item.parts.append(line.strip())
            continue
        m = re.match(r'^【(.+?)】(.*)$', line)
        if m:
            paper.sections.append(Section(m.group(1), m.group(2).strip()))
            item = None
            continue
        if line == '留空':
            paper.sections[-1].workspace = True
            continue
        if line == '无答案':
            paper.no_key = True
            continue
        m = re.match(r'^(题|答|解|标题|副标题|提示|类型)：(.*)$', line)
        if not m:
            fail(path, number, 'unknown line: ' + line)
        key, value = m.group(1), m.group(2).strip()
        if key == '题':
            if not paper.sections:
                fail(path, number, 'item before the first section')
            item = Item(value)
            paper.sections[-1].items.append(item)
        elif key == '答':
            if item is None or item.answer is not None:
                fail(path, number, 'answer without its item')
            item.answer = value
        elif key == '解':
            if item is None:
                fail(path, number, 'solution without its item')
            item.solution.append(value)
        else:
            paper.keys[key] = value
    for section in paper.sections:
        if not section.items:
            sys.exit('%s: section %s is empty' % (path, section.name))
        for i, it in enumerate(section.items, 1):
            if not it.answer:
                sys.exit('%s: %s item %d has no answer' % (path, section.name, i))
    return paper


def inline(text):
    return text.replace('____', '<span class="blank"></span>')


def head(title, body_class='doc'):
    return [
        '<!DOCTYPE html>',
        '<html lang="zh-CN">',
        '<head>',
        '<meta charset="utf-8">',
        '<title>%s</title>' % title,
        '<link rel="stylesheet" href="../content.css">',
        '<script src="../content.js" defer></script>',
        '</head>',
        '<body class="%s">' % body_class,
        '<div class="page">',
    ]


TAIL = ['</div>', '</body>', '</html>']


def item_html(number, item, workspace):
    out = ['<div class="item">', '<p>%d．%s</p>' % (number, inline(item.parts[0]))]
    for part in item.parts[1:]:
        out.append(part if part.startswith('<') else '<p>%s</p>' % inline(part))
    if workspace:
        out.append('<div class="workspace"></div>')
    out.append('</div>')
    return out


def paper_html(paper, title, continuous, page_breaks, answers_block):
    out = head(title)
    out.append('<div class="paper-head">')
    out.append('<h1>%s</h1>' % title)
    if paper.keys.get('副标题'):
        out.append('<p class="subtitle">%s</p>' % paper.keys['副标题'])
    out.append('<p class="fields">学校<span class="blank"></span>　'
               '姓名<span class="blank"></span>　成绩<span class="blank"></span></p>')
    out.append('</div>')
    if paper.keys.get('提示'):
        out.append('<p class="tip">%s</p>' % paper.keys['提示'])
    number = 0
    for s, section in enumerate(paper.sections):
        if s and page_breaks:
            out.append('<div class="page-break"></div>')
        out.append('<div class="section">')
        points = ' <span class="points">%s</span>' % section.points if section.points else ''
        out.append('<p class="section-title">%s%s</p>' % (section.name, points))
        if not continuous:
            number = 0
        for item in section.items:
            number += 1
            out += item_html(number, item, section.workspace)
        out.append('</div>')
    if answers_block:
        out.append('<div class="page-break"></div>')
        out.append('<h2>参考答案</h2>')
        out.append('<button type="button" class="reveal">看答案</button>')
        out.append('<div class="answer" hidden>')
        for section in paper.sections:
            out.append('<p class="section-title">%s</p>' % section.name)
            for n, item in enumerate(section.items, 1):
                out.append('<p>%d．%s</p>' % (n, item.answer))
                for step in item.solution:
                    out.append('<p class="tip">%s</p>' % step)
        out.append('</div>')
    return out + TAIL


def answer_page_html(paper, title):
    out = head(title + '答案')
    out.append('<h1>%s答案</h1>' % title)
    if paper.keys.get('副标题'):
        out.append('<p class="subtitle">%s</p>' % paper.keys['副标题'].split('　')[0])
    number = 0
    for section in paper.sections:
        if len(paper.sections) > 1:
            out.append('<h2>%s</h2>' % section.name)
        for item in section.items:
            number += 1
            out.append('<div class="item">')
            out.append('<p><b>%d．</b>答案：%s</p>' % (number, item.answer))
            if item.solution:
                out.append('<div class="solution">')
                for step in item.solution:
                    out.append(step if step.startswith('<') else '<p>%s</p>' % step)
                out.append('</div>')
            out.append('</div>')
    return out + TAIL


def article_html(paper):
    title = paper.keys['标题']
    out = head(title)
    out.append('<h1>%s</h1>' % title)
    if paper.keys.get('副标题'):
        out.append('<p class="subtitle">%s</p>' % paper.keys['副标题'])
    in_list = False
    for line in paper.lines:
        if line.startswith('- '):
            if not in_list:
                out.append('<ul>')
                in_list = True
            out.append('<li>%s</li>' % line[2:].strip())
            continue
        if in_list:
            out.append('</ul>')
            in_list = False
        if line.startswith('## '):
            out.append('<h2>%s</h2>' % line[3:].strip())
        elif line.startswith('<'):
            out.append(line)
        else:
            out.append('<p>%s</p>' % line)
    if in_list:
        out.append('</ul>')
    return out + TAIL


def write(path, lines, crlf=True, final_newline=True):
    text = ('\r\n' if crlf else '\n').join(lines)
    if final_newline:
        text += '\r\n' if crlf else '\n'
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.write(text)


def olympiad(year):
    paper = read_source(os.path.join(OLY_SRC, '%d.txt' % year))
    names = [s.name for s in paper.sections]
    if names != OLY_ROUNDS:
        sys.exit('%d: rounds are %s' % (year, names))
    for s in paper.sections:
        if not 8 <= len(s.items) <= 15:
            sys.exit('%d %s: %d items' % (year, s.name, len(s.items)))
    title = '%d年小学数学奥林匹克' % year
    write(os.path.join(PAGES, '%d.htm' % year), paper_html(paper, title, False, True, False))
    key = os.path.join(TEXTS, 'olympiad-%d.txt' % year)
    if paper.no_key:
        write(key, ['缺'], final_newline=False)
    else:
        lines = [title + '参考答案']
        for s in paper.sections:
            lines.append(s.name)
            lines += ['%d、%s' % (n, item.answer) for n, item in enumerate(s.items, 1)]
        write(key, lines)
    return paper


def entrance(number):
    path = os.path.join(XSC_SRC, 'xsc%02d.txt' % number)
    paper = read_source(path)
    kind = paper.keys.get('类型', '专题')
    title = paper.keys['标题']
    page = os.path.join(PAGES, 'xsc%02d.htm' % number)
    if kind == '文章':
        write(page, article_html(paper))
    elif kind == '模拟卷':
        write(page, paper_html(paper, title, False, False, True))
    else:
        write(page, paper_html(paper, title, True, False, False))
        write(os.path.join(PAGES, 'xsc%02d.htm' % (number + 1)), answer_page_html(paper, title))
    return paper


def count(paper):
    items = [i for s in paper.sections for i in s.items]
    plain = [i for i in items if '<!--calc:' not in i.answer]
    return len(items), len(plain)


def main():
    for year in range(1991, 2004):
        if os.path.exists(os.path.join(OLY_SRC, '%d.txt' % year)):
            paper = olympiad(year)
            per = '/'.join(str(len(s.items)) for s in paper.sections)
            print('%d: %s items, %d answers without a number' % (year, per, count(paper)[1]))
    for number in list(range(1, 18, 2)) + [19, 20]:
        if os.path.exists(os.path.join(XSC_SRC, 'xsc%02d.txt' % number)):
            paper = entrance(number)
            if paper.sections:
                print('xsc%02d: %d items, %d answers without a number' % ((number,) + count(paper)))
            else:
                print('xsc%02d: article' % number)


if __name__ == '__main__':
    main()
