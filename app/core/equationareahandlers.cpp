// The linear equations of "四则运算" and the area and volume pages of "应用题".
#include "app/core/pagefamilies.h"
#include "content/storedtexts.h"
#include "topics/areavolume.h"
#include "topics/equations.h"

using namespace Qt::StringLiterals;

namespace quorvel {

void registerEquationAndAreaPages(FamilyRegistry &registry, FamilyContext &context)
{
    registry.onNode(Route::LinearEquations, [&context](NodeClick &click) {
        click.page =
            equations::QiuFangCheng(click.number, context.options().itemsPerPage, context.random());
    });
    registry.onNode(Route::AreaAndVolume, [&context](NodeClick &click) {
        const QString concepts = texts::areaVolumeConcepts().replace(u"\r\n"_s, u"<br>"_s);
        click.page = areavolume::QiuMT(click.number, context.options().itemsPerPage,
                                       context.random(), concepts);
    });
}

} // namespace quorvel
