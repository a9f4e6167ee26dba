// The ratio and fraction-to-decimal pages of the tab "分数和比例", and the
// averages, complements, remainders, squares and cubes of "规律运算". All of
// them are graded by the item marker.
#include "app/core/pagefamilies.h"
#include "topics/averages.h"
#include "topics/ratio.h"

namespace quorvel {

namespace {

// A concept node shows its page file in the second pane; the hidden main
// pane is cleared.
void showConceptFile(FamilyContext &context, NodeClick &click, const char16_t *file)
{
    context.bringToFront(PaneId::Second);
    context.navigate(PaneId::Second, QString::fromUtf16(file));
    click.page = {};
}

} // namespace

void registerRatioAndAveragePages(FamilyRegistry &registry, FamilyContext &context)
{
    FamilyContext &c = context;
    registry.onNode(Route::Ratios, [&c](NodeClick &click) {
        if (click.number == ratio::Concept)
            showConceptFile(c, click, ratio::conceptFile);
        else
            click.page = ratio::jiebili(click.number, c.random());
    });
    registry.onNode(Route::FractionToDecimal, [&c](NodeClick &click) {
        click.page = ratio::fractionToDecimal(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::Averages, [&c](NodeClick &click) {
        if (click.number == averages::AverageConcept)
            showConceptFile(c, click, averages::averageConceptFile);
        else
            click.page =
                averages::QiuPingJunShu(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::Complements, [&c](NodeClick &click) {
        if (click.number == averages::ComplementConcept)
            showConceptFile(c, click, averages::complementConceptFile);
        else
            click.page = averages::QiuBuShu(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::Remainders, [&c](NodeClick &click) {
        click.page = averages::remainderPage(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::SquaresAndCubes,
                    [](NodeClick &click) { click.page = averages::QiuLiFang(click.number); });
}

} // namespace quorvel
