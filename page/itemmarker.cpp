#include "page/itemmarker.h"

#include "page/answermatch.h"
#include "page/pagedocument.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

struct Boxes
{
    QList<const PageElement *> typed; // what the child typed, in order
    QList<QString> keys;
    QString markAfter;  // the element after which the mark goes as text
    QString markInside; // or the cell whose content the mark becomes
    QString expected;
};

std::optional<Boxes> boxesOf(const PageDocument &page, int i, const MarkingRules &rules)
{
    const QString n = QString::number(i);
    const PageElement *left = page.find(u"answerleft"_s + n);
    const PageElement *right = page.find(u"answerright"_s + n);
    if (left && right)
        return Boxes{{left, right},
                     {left->tag, right->tag},
                     right->name,
                     {},
                     rules.pairAnswer.arg(left->tag, right->tag)};
    const PageElement *up = page.find(u"answerup"_s + n);
    const PageElement *down = page.find(u"answerdown"_s + n);
    if (up && down)
        return Boxes{
            {up, down}, {up->tag, down->tag}, {}, u"fenshupl"_s + n, up->tag + u'/' + down->tag};
    const QString keyName = u"answer"_s + n;
    const PageElement *key = page.find(keyName);
    if (!key)
        return std::nullopt;
    const PageElement *typed = key;
    if (rules.inequality)
        if (const PageElement *visible = page.find(u"Qanswer"_s + n))
            typed = visible;
    return Boxes{{typed}, {key->tag}, keyName, {}, key->tag};
}

} // namespace

MarkedPage markItems(PageDocument &page, const MarkingRules &rules)
{
    MarkedPage marked;
    int right = 0;
    for (int i = 1; i <= rules.items; ++i) {
        const std::optional<Boxes> boxes = boxesOf(page, i, rules);
        if (!boxes)
            continue; // an item the page does not have earns nothing
        MarkedItem item{i, boxes->expected, {}, true};
        QStringList typed;
        for (qsizetype b = 0; b < boxes->typed.size(); ++b) {
            typed.append(boxes->typed[b]->value);
            item.right = item.right && answersMatch(boxes->typed[b]->value, boxes->keys[b]);
        }
        item.typed = typed.join(u' ');
        const QString mark = item.right          ? u"(√)"_s
                             : rules.showAnswers ? u"(×，正确答案："_s + boxes->expected + u')'
                                                 : u"(×)"_s;
        if (boxes->markInside.isEmpty())
            page.insertTextAfter(boxes->markAfter, mark);
        else
            page.setInnerHtml(boxes->markInside, mark);
        right += item.right;
        marked.items.append(item);
    }
    // A share of 100, so that a page cut short (fewer distinct items than
    // asked) still reaches 100 when all are right.
    marked.score = rules.items > 0 ? qRound(100.0 * right / rules.items) : 0;
    page.insertHtmlAfter(u"finish"_s, resultLine(marked.score, rules.seconds));
    return marked;
}

QStringList answerKeyOf(const PageDocument &page, const QString &pairAnswer)
{
    MarkingRules rules;
    rules.pairAnswer = pairAnswer;
    QStringList keys;
    for (int i = 1;; ++i) {
        const std::optional<Boxes> boxes = boxesOf(page, i, rules);
        if (!boxes)
            return keys;
        keys.append(boxes->expected);
    }
}

int itemCountOf(const PageDocument &page)
{
    int items = 0;
    while (boxesOf(page, items + 1, {}))
        ++items;
    return items;
}

QString resultLine(int score, int seconds)
{
    if (score == 100)
        return u"<br>非常不错！你的得分是100分，用时"_s + QString::number(seconds) +
               u"秒！<br><img src=zimu\\jb.gif>"_s;
    return u"<br>你的得分是"_s + QString::number(score) + u"分，用时"_s + QString::number(seconds) +
           u"秒！"_s;
}

int pointsPerItem(int itemCount)
{
    return itemCount > 0 ? qRound(100.0 / itemCount) : 0;
}

} // namespace quorvel
