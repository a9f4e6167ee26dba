// The time pages of "时间转换": conversions, intervals and duration arithmetic
// (hours and minutes in two boxes, graded by the item marker), and the time
// puzzles by grade, whose answers the submit button reveals.
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "topics/timepages.h"

using namespace Qt::StringLiterals;

namespace quorvel {

void registerTimePages(FamilyRegistry &registry, FamilyContext &context)
{
    FamilyContext &c = context;
    // Runs before every "$" page; only the interval drills leave a page.
    registry.onNode(Route::TimeInterval, [&c](NodeClick &click) {
        click.page = timepages::sjjg(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::TimeConversion, [&c](NodeClick &click) {
        click.page = timepages::conversionPage(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::TimeArithmetic, [&c](NodeClick &click) {
        click.page = timepages::ShiJianJiSuan(click.number, c.options().itemsPerPage, c.random());
    });
    registry.onNode(Route::TimePuzzles, [](NodeClick &click) {
        click.page = {timepages::puzzlePage(texts::timePuzzles()), 0};
    });
    registry.onGrading(GradingVariant::TimePuzzles, [&c](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (node && node->key == nodes::timePuzzles.key)
            page.insertHtmlAfter(u"finish"_s, timepages::puzzleReveal(texts::timePuzzleAnswers(),
                                                                      c.elapsedSeconds()));
    });
}

} // namespace quorvel
