// The fraction arithmetic pages of "分数和比例": two boxes an item, numerator
// and denominator, graded by the item marker.
#include "app/core/pagefamilies.h"
#include "content/storedtexts.h"
#include "topics/fractions.h"

namespace quorvel {

void registerFractionPages(FamilyRegistry &registry, FamilyContext &context)
{
    registry.onNode(Route::FractionArithmetic, [&context](NodeClick &click) {
        FractionPages pages(context.random());
        click.page =
            pages.page(click.number, context.options().itemsPerPage, texts::fractionItemTemplate());
    });
}

} // namespace quorvel
