// The olympiad explanation pages of "奥数题详解": the answer choices R1 to R4
// bind at a mouse-down on the page, a choice's mouse-up checks it and notes
// whether it was the right one.
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "page/pagedocument.h"

using namespace Qt::StringLiterals;

namespace quorvel {

std::shared_ptr<ExplanationChoices> registerExplanationPages(FamilyRegistry &registry,
                                                             FamilyContext &context)
{
    auto choices = std::make_shared<ExplanationChoices>();
    registry.onPageStart([choices] {
        choices->choiceCorrect = false;
        choices->choiceMade = false;
    });
    registry.onPageEvent([choices, &context](const QString &kind, const QString &targetName,
                                             PageDocument &page) {
        const TopicNode *node = context.selectedNode();
        if (!node || node->parentKey != nodes::olympiadExplanations.key)
            return;
        static const QStringList names = {u"R1"_s, u"R2"_s, u"R3"_s, u"R4"_s};
        if (kind == "mousedown"_L1) {
            if (page.find(u"R1"_s) && page.find(u"R4"_s))
                choices->boundOn = context.pageSerial();
            const PageElement *fourth = page.find(u"R4"_s);
            if (fourth && choices->boundOn == context.pageSerial() && !fourth->value.isEmpty()) {
                choices->choiceMade = true;
            } else {
                choices->choiceMade = false;
                if (const PageElement *answer = page.find(u"answer"_s))
                    choices->answerEmpty = answer->value.isEmpty();
            }
        } else if (kind == "mouseup"_L1 && names.contains(targetName) &&
                   choices->boundOn == context.pageSerial()) {
            const PageElement *chosen = page.find(targetName);
            choices->choiceCorrect = chosen && chosen->tag == "good"_L1;
            for (const QString &name : names)
                page.setChecked(name, name == targetName);
            choices->choiceMade = true;
        }
    });
    return choices;
}

} // namespace quorvel
