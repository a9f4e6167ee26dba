// The four-operation drills of "加减乘除" and "小数计算", and the teaching
// clock's node.
#include "app/core/catalogue.h"
#include "app/core/pagefamilies.h"
#include "drills/fouroperations.h"

#include <memory>

namespace quorvel {

void registerFourOperationPages(FamilyRegistry &registry, FamilyContext &context)
{
    auto drill = std::make_shared<FourOperationDrill>(context.random());
    const auto page = [drill, &context](NodeClick &click) {
        DrillRequest request;
        request.family = click.family;
        request.range = click.number;
        request.itemCount = context.options().itemsPerPage;
        request.decimal = context.tabCaption() == catalogue::decimalTab;
        request.decimalPlaces = context.options().decimalPlaces;
        request.mode = context.displayMode();
        click.page = drill->page(request);
    };
    for (Route route : {Route::AdditionDrill, Route::SubtractionDrill, Route::MultiplicationDrill,
                        Route::DivisionDrill})
        registry.onNode(route, page);
}

void registerClock(FamilyRegistry &registry, FamilyContext &context)
{
    registry.onNode(Route::Clock, [&context](NodeClick &) { context.bringToFront(PaneId::Clock); });
}

} // namespace quorvel
