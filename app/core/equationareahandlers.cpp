#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "content/storedtexts.h"
#include "topics/areavolume.h"
#include "topics/equations.h"

using namespace Qt::StringLiterals;

namespace quorvel {

void registerEquationAndAreaPages(MainWindowController &controller)
{
    MainWindowController *c = &controller;
    controller.setHandler(Route::LinearEquations, [c](NodeDispatch &d) {
        const equations::Page page =
            equations::QiuFangCheng(d.number, c->state.defaultTiCount, c->random());
        d.pageText = page.text;
        d.pageItems = page.items;
    });
    controller.setHandler(Route::AreaAndVolume, [c](NodeDispatch &d) {
        const QString concepts = texts::areaVolumeConcepts().replace(u"\r\n"_s, u"<br>"_s);
        const areavolume::Page page =
            areavolume::QiuMT(d.number, c->state.defaultTiCount, c->random(), concepts);
        d.pageText = page.text;
        d.pageItems = page.items;
    });
}

} // namespace quorvel
