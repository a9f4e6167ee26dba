// The reference pages of "基础知识" and "同步教学": the term lists, whose
// nodes are added on the first click of their group and whose terms are
// spoken; the formula sheets; the English word lists; the true-or-false
// sheets, graded in place; the knowledge summaries and the textbook units.
#include "app/core/pagefamilies.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// Three digits number the term nodes; a longer list stops at the last number
// rather than making keys that collide.
constexpr int lastTermLine = 999;

QString threeDigits(int n)
{
    return u"%1"_s.arg(n, 3, 10, QChar(u'0'));
}

QStringList termLines(int groupNumber)
{
    return texts::termList(groupNumber).split(u"\r\n"_s);
}

// The term of a line: from its second character to its first "]"; none
// without a "]".
std::optional<QString> termOf(const QString &line)
{
    const qsizetype close = line.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return line.mid(1, close - 1);
}

// A term names its recording only when it can be a plain file name in the
// sound folder.
bool isSafeFileName(const QString &term)
{
    if (term.isEmpty() || term.contains(u".."_s) || term.startsWith(u'.'))
        return false;
    for (const QChar c : term)
        if (c.unicode() < 0x20 || u"/\\:*?\"<>|"_s.contains(c))
            return false;
    return true;
}

void termGroupClicked(FamilyContext &context, const NodeClick &click)
{
    const QStringList lines = termLines(click.number);
    QList<TopicNode> children;
    for (int g = 0; g < lines.size() && g < lastTermLine; ++g) {
        const std::optional<QString> term = termOf(lines[g]);
        if (!term)
            continue; // the line keeps its number
        children.append({click.node.key + threeDigits(g + 1), *term, click.node.key,
                         click.node.tag + threeDigits(g + 1), NodeIcon::Topic});
    }
    context.fillGroupOnce(click.node.key, children);
}

void termClicked(FamilyContext &context, NodeClick &click)
{
    const int group = click.number / 1000;
    const int line = click.number - group * 1000 - 1;
    const QStringList lines = termLines(group);
    if (line < 0 || line >= lines.size())
        return;
    const QString &text = lines[line];
    const qsizetype close = text.indexOf(u']');
    click.page.text = u"<h1>"_s + click.node.caption + u"</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;"_s +
                      text.mid(close + 1) + u"</h2>"_s;

    const QString caption = click.node.caption;
    if (!isSafeFileName(caption))
        return;
    const QString sound = u"sound/"_s + caption + u".mp3"_s;
    if (context.files().exists(sound))
        context.playSound(sound);
}

} // namespace

void registerReferencePages(FamilyRegistry &registry, FamilyContext &context)
{
    FamilyContext &c = context;
    registry.onNode(Route::KnowledgeTerms, [&c](NodeClick &click) {
        if (click.number < 10000)
            termGroupClicked(c, click); // the group itself: an empty page
        else
            termClicked(c, click);
    });

    // The sheet covers the whole pane on white.
    registry.onNode(Route::FormulaSheet, [](NodeClick &click) {
        click.page.text =
            u"<div style='position:absolute; width:100%; height:100%; z-index: 1; left: 0px; "
            u"top: 0px; background-color: #FFFFFF'><img src=zimu\\gs-"_s +
            QString::number(click.number - 601300) + u".gif>"_s;
    });

    registry.onNode(Route::EnglishWords,
                    [&c](NodeClick &) { c.showFile(PaneId::Second, u"zimu/danci.htm"_s); });
    registry.onNode(Route::EnglishSentences,
                    [&c](NodeClick &) { c.showFile(PaneId::Second, u"zimu/yingyujuzi.htm"_s); });
    registry.onNode(Route::GeometryFigures,
                    [&c](NodeClick &) { c.showFile(PaneId::Second, u"zimu/jihetuxing.htm"_s); });

    // "第3份" opens sheet 3 in the main pane, where its submit button grades it.
    registry.onNode(Route::TrueFalseSheets, [&c](NodeClick &click) {
        const QString number = click.node.caption.mid(1).remove(u'份');
        bool ok = false;
        number.toInt(&ok);
        if (!ok)
            return;
        c.bringToFront(PaneId::Main);
        c.navigate(PaneId::Main, u"zimu/"_s + number + u".html"_s);
    });

    // 522202 "小学1年级上" to 522211 "小学5年级下": zsd/1s.htm to zsd/5x.htm.
    registry.onNode(Route::KnowledgeSummary, [&c](NodeClick &click) {
        const int i = click.number - 522202;
        c.showFile(PaneId::Second,
                   u"zsd/"_s + QString::number(i / 2 + 1) + (i % 2 ? u'x' : u's') + u".htm"_s);
    });

    // 5333GGNNN: the unit on line NNN of grade GG − 1's list, one page each.
    registry.onNode(Route::TextbookTopic, [&c](NodeClick &click) {
        const int grade = click.number / 1000 % 100 - 1;
        const QString file = u"zsd/"_s + QString::number(grade) + u'-' +
                             threeDigits(click.number % 1000) + u".htm"_s;
        if (c.files().exists(file))
            c.showFile(PaneId::Second, file);
    });
}

} // namespace quorvel
