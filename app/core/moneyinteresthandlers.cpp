// The money pages of "时间转换" (items in 元 and 角 take two boxes, graded by
// the item marker) and the interest pages with their rate table.
#include "app/core/pagefamilies.h"
#include "topics/interest.h"
#include "topics/money.h"

namespace quorvel {

void registerMoneyAndInterestPages(FamilyRegistry &registry, FamilyContext &context)
{
    registry.onNode(Route::Money, [&context](NodeClick &click) {
        click.page =
            money::RenMinBi(click.number, context.options().itemsPerPage, context.random());
    });
    registry.onNode(Route::Interest, [&context](NodeClick &click) {
        if (click.number == interest::RateTable) {
            context.bringToFront(PaneId::Second);
            context.navigate(PaneId::Second, QString::fromUtf16(interest::rateTableFile));
        }
        click.page = interest::QiuLiXi(click.number, context.options().itemsPerPage);
    });
}

} // namespace quorvel
