// The chained and mixed operations of "四则运算", and the number patterns and
// picture comparisons of "规律运算".
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "page/answermatch.h"
#include "page/pagedocument.h"
#include "topics/mixedoperations.h"
#include "topics/patterns.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

void registerMixedOperationAndPatternPages(FamilyRegistry &registry, FamilyContext &context)
{
    registry.onNode(Route::ChainedOperations, [&context](NodeClick &click) {
        click.page = mixedops::SiZeYunSuan(click.number, context.random());
    });
    registry.onNode(Route::MixedOperations, [&context](NodeClick &click) {
        click.page = mixedops::bracketedPage(click.number, context.random());
    });
    registry.onNode(Route::PatternArithmetic, [&context](NodeClick &click) {
        click.page =
            patterns::patternPage(click.number, context.options().itemsPerPage, context.random());
    });
    registry.onNode(Route::PatternNote, [](NodeClick &click) {
        click.page = {patterns::patternNote(), 0};
    });
    registry.onNode(Route::Comparison, [&context](NodeClick &click) {
        click.page = patterns::comparisonPage(click.number, context.random());
    });

    // The comparison pages: the box "bj" marked right or wrong, no score.
    registry.onGrading(GradingVariant::Comparison, [&context](PageDocument &page) {
        const TopicNode *node = context.selectedNode();
        const auto &keys = nodes::comparisons;
        if (!node || std::find(std::begin(keys), std::end(keys), node->key) == std::end(keys))
            return;
        const PageElement *box = page.find(u"bj"_s);
        if (!box)
            return;
        const QString tag = box->tag;
        page.insertTextAfter(
            u"bj"_s, answersMatch(box->value, tag) ? u"(√)"_s : u"(×，正确答案："_s + tag + u")"_s);
    });
}

} // namespace quorvel
