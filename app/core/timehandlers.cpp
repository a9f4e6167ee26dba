#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "topics/timepages.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

void usePage(NodeDispatch &d, const timepages::Page &page)
{
    d.pageText = page.text;
    d.pageItems = page.items;
}

// Hours-and-minutes items: both boxes must hold their tags. Score, result
// line and a medal at 100 as on every graded page.
void gradeHoursAndMinutes(MainWindowController &controller, PageDocument &page)
{
    const int score = timepages::markHoursAndMinutes(page, controller.state.pageItemCount);
    page.insertHtmlAfter(u"finish"_s, resultLine(score, controller.state.elapsedSeconds));
    if (score == 100)
        controller.awardMedalForPage();
}

bool selectedKeyIs(const MainWindowController &controller, QStringView key)
{
    const TopicNode *node = controller.selectedNode();
    return node && node->key == key;
}

} // namespace

void registerTimePages(MainWindowController &controller)
{
    MainWindowController *c = &controller;
    // Runs before every "$" page; only the interval drills leave a page.
    controller.setHandler(Route::TimeInterval, [c](NodeDispatch &d) {
        usePage(d, timepages::sjjg(d.number, c->state.defaultTiCount, c->random()));
    });
    controller.setHandler(Route::TimeConversion, [c](NodeDispatch &d) {
        usePage(d, timepages::conversionPage(d.number, c->state.defaultTiCount, c->random()));
    });
    controller.setHandler(Route::TimeArithmetic, [c](NodeDispatch &d) {
        usePage(d, timepages::ShiJianJiSuan(d.number, c->state.defaultTiCount, c->random()));
    });
    controller.setHandler(Route::TimePuzzles, [](NodeDispatch &d) {
        d.pageText = timepages::puzzlePage(texts::timePuzzles());
        d.pageItems = 0;
    });

    controller.setGradingHandler(GradingVariant::TimePuzzles, [c](PageDocument &page) {
        if (selectedKeyIs(*c, u"q78"))
            page.insertHtmlAfter(u"finish"_s, timepages::puzzleReveal(texts::timePuzzleAnswers(),
                                                                      c->state.elapsedSeconds));
    });
    controller.setGradingHandler(GradingVariant::MinutesToHours, [c](PageDocument &page) {
        if (selectedKeyIs(*c, u"q75") || selectedKeyIs(*c, u"q76"))
            gradeHoursAndMinutes(*c, page);
    });
    // The duration pages fall to the topic pages' item grading, which knows
    // one box per item; their two-box items grade here instead. The ratio
    // page (one box) keeps the item grading.
    for (const QString &key : {u"q7234701"_s, u"q7234702"_s, u"q7234703"_s, u"q7234704"_s})
        controller.setItemGradingFor(key,
                                     [c](PageDocument &page) { gradeHoursAndMinutes(*c, page); });
}

} // namespace quorvel
