// The ratio and fraction-to-decimal pages of the tab "分数和比例", and the
// averages, complements, remainders, squares and cubes of "规律运算". All of
// them are graded by the general item grading.
#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "topics/averages.h"
#include "topics/ratio.h"

namespace quorvel {

namespace {

// A concept node shows its page file in the second pane; the hidden main
// pane is cleared.
void showConceptFile(MainWindowController &c, NodeDispatch &d, const char16_t *file)
{
    c.view().bringToFront(PaneId::Second);
    c.navigatePane(PaneId::Second, QString::fromUtf16(file));
    d.pageText.clear();
    d.pageItems = 0;
}

template <typename Page> void show(NodeDispatch &d, const Page &page)
{
    d.pageText = page.text;
    d.pageItems = page.items;
}

} // namespace

void registerRatioAndAveragePages(MainWindowController &controller)
{
    MainWindowController &c = controller;

    c.setHandler(Route::Ratios, [&c](NodeDispatch &d) {
        if (d.number == ratio::Concept)
            showConceptFile(c, d, ratio::conceptFile);
        else
            show(d, ratio::jiebili(d.number, c.random()));
    });
    c.setHandler(Route::FractionToDecimal, [&c](NodeDispatch &d) {
        show(d, ratio::fractionToDecimal(d.number, c.state.defaultTiCount, c.random()));
    });
    c.setHandler(Route::Averages, [&c](NodeDispatch &d) {
        if (d.number == averages::AverageConcept)
            showConceptFile(c, d, averages::averageConceptFile);
        else
            show(d, averages::QiuPingJunShu(d.number, c.state.defaultTiCount, c.random()));
    });
    c.setHandler(Route::Complements, [&c](NodeDispatch &d) {
        if (d.number == averages::ComplementConcept)
            showConceptFile(c, d, averages::complementConceptFile);
        else
            show(d, averages::QiuBuShu(d.number, c.state.defaultTiCount, c.random()));
    });
    c.setHandler(Route::Remainders, [&c](NodeDispatch &d) {
        show(d, averages::remainderPage(d.number, c.state.defaultTiCount, c.random()));
    });
    c.setHandler(Route::SquaresAndCubes,
                 [](NodeDispatch &d) { show(d, averages::QiuLiFang(d.number)); });
}

} // namespace quorvel
