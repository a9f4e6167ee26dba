#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "page/pagedocument.h"
#include "topics/mixedoperations.h"
#include "topics/patterns.h"

using namespace Qt::StringLiterals;

namespace quorvel {

void registerMixedOperationAndPatternPages(MainWindowController &controller)
{
    MainWindowController *c = &controller;
    controller.setHandler(Route::ChainedOperations, [c](NodeDispatch &d) {
        const mixedops::Page page = mixedops::SiZeYunSuan(d.number, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    controller.setHandler(Route::MixedOperations, [c](NodeDispatch &d) {
        const mixedops::Page page = mixedops::bracketedPage(d.number, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    controller.setHandler(Route::PatternArithmetic, [c](NodeDispatch &d) {
        const patterns::Page page =
            patterns::patternPage(d.number, c->state.defaultTiCount, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    controller.setHandler(Route::PatternNote, [](NodeDispatch &d) {
        d.pageText = patterns::patternNote();
        d.pageItems = 0;
    });
    controller.setHandler(Route::Comparison, [c](NodeDispatch &d) {
        const patterns::Page page = patterns::comparisonPage(d.number, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });

    // The comparison pages: the box "bj" marked right or wrong, no score.
    controller.setGradingHandler(GradingVariant::Comparison, [c](PageDocument &page) {
        const TopicNode *node = c->selectedNode();
        static const QStringList keys = {u"q81"_s, u"q82"_s, u"q83"_s, u"q84"_s};
        if (!node || !keys.contains(node->key))
            return;
        const PageElement *box = page.find(u"bj"_s);
        if (!box)
            return;
        const QString tag = box->tag;
        page.insertTextAfter(u"bj"_s,
                             box->value == tag ? u"(√)"_s : u"(×，正确答案："_s + tag + u")"_s);
    });
}

} // namespace quorvel
