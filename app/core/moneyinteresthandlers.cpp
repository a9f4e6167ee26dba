#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "page/pagedocument.h"
#include "topics/interest.h"
#include "topics/money.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// Grades a money page item by item: an item in 元 and 角 is right when both
// of its boxes hold their tags, and is marked after its 角 box; an item in
// 角 alone has the one box of the general grading. Returns the score.
int gradeMoneyItems(PageDocument &page, int itemCount, int seconds)
{
    int right = 0;
    for (int i = 1; i <= itemCount; ++i) {
        const QString number = QString::number(i);
        const PageElement *yuan = page.find(u"answerleft"_s + number);
        const PageElement *jiao = page.find(u"answerright"_s + number);
        if (yuan && jiao) {
            const QString markAfter = jiao->name;
            if (yuan->value == yuan->tag && jiao->value == jiao->tag) {
                ++right;
                page.insertTextAfter(markAfter, u"(√)"_s);
            } else {
                page.insertTextAfter(markAfter, u"(×，正确答案："_s + yuan->tag + u"元"_s +
                                                    jiao->tag + u"角)"_s);
            }
            continue;
        }
        const QString name = u"answer"_s + number;
        const PageElement *box = page.find(name);
        if (!box)
            continue; // an item the page does not have earns nothing
        if (box->value == box->tag) {
            ++right;
            page.insertTextAfter(name, u"(√)"_s);
        } else {
            page.insertTextAfter(name, u"(×，正确答案："_s + box->tag + u")"_s);
        }
    }
    const int score = itemCount > 0 ? qRound(100.0 * right / itemCount) : 0;
    page.insertHtmlAfter(u"finish"_s, resultLine(score, seconds));
    return score;
}

} // namespace

void registerMoneyAndInterestPages(MainWindowController &controller)
{
    MainWindowController *c = &controller;
    controller.setHandler(Route::Money, [c](NodeDispatch &d) {
        const money::Page page = money::RenMinBi(d.number, c->state.defaultTiCount, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    // The 元 and 角 items have two boxes each, which the general item
    // grading does not know; these pages grade here in its place.
    controller.setItemGradingFor(u"q78997"_s, [c](PageDocument &page) {
        if (gradeMoneyItems(page, c->state.pageItemCount, c->state.elapsedSeconds) == 100)
            c->awardMedalForPage();
    });

    controller.setHandler(Route::Interest, [c](NodeDispatch &d) {
        if (d.number == interest::RateTable) {
            c->view().bringToFront(PaneId::Second);
            c->navigatePane(PaneId::Second, QString::fromUtf16(interest::rateTableFile));
        }
        const interest::Page page = interest::QiuLiXi(d.number, c->state.defaultTiCount);
        d.pageText = page.text;
        d.pageItems = page.items;
    });
}

} // namespace quorvel
