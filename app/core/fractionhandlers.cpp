#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "topics/fractions.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// The score of `correct` right items out of `items`: pointsPerItem for every
// right item on the pages of 10, 20 and 50 items. A page cut short when its
// kind ran out of denominator pairs (28, 48 or 49 items) scores in
// proportion, so that a page all right is worth exactly 100.
int fractionScore(int correct, int items)
{
    if (items <= 0)
        return 0;
    if (100 % items == 0)
        return correct * pointsPerItem(items);
    return qRound(100.0 * correct / items);
}

// Marks every item in its mark cell: right when both boxes hold exactly the
// numerator and denominator of the reduced result.
void gradeFractionPage(MainWindowController &controller, PageDocument &page)
{
    const int items = controller.state.pageItemCount;
    int correct = 0;
    for (int i = 1; i <= items; ++i) {
        const QString number = QString::number(i);
        const PageElement *up = page.find(u"answerup"_s + number);
        const PageElement *down = page.find(u"answerdown"_s + number);
        if (!up || !down)
            continue; // an item the page does not have earns nothing
        const bool right = up->value == up->tag && down->value == down->tag;
        correct += right;
        page.setInnerHtml(u"fenshupl"_s + number,
                          right ? u"(√)"_s
                                : u"(×，正确答案："_s + up->tag + u'/' + down->tag + u')');
    }
    const int score = fractionScore(correct, items);
    page.insertHtmlAfter(u"finish"_s, resultLine(score, controller.state.elapsedSeconds));
    if (score == 100)
        controller.awardMedalForPage();
}

} // namespace

void registerFractionPages(MainWindowController &controller)
{
    controller.setHandler(Route::FractionArithmetic, [&controller](NodeDispatch &d) {
        FractionPages pages(controller.random());
        const FractionPages::Page page =
            pages.page(d.number, controller.state.defaultTiCount, texts::fractionItemTemplate());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    controller.setGradingHandler(GradingVariant::Fractions, [&controller](PageDocument &page) {
        gradeFractionPage(controller, page);
    });
}

} // namespace quorvel
