// The olympiad problems: "数学趣题", a problem page and an answer page behind
// the answer password for each of 86 problems, and "奥数题详解", 196 pages
// answered by a choice or a box and graded with their explanation. On those,
// the answer choices R1 to R4 bind at a mouse-down on the page, and a
// choice's mouse-up checks it and notes whether it was the right one.
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "page/answermatch.h"
#include "page/pagedocument.h"

using namespace Qt::StringLiterals;

namespace quorvel {

QString explanationHtml(const QString &stored)
{
    // Text stays text: only the bracket notation makes markup.
    QString html = stored;
    html.replace(u'&', u"&amp;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
    return html.replace(u"[br]"_s, u"<br>"_s)
        .replace(u"[img"_s, u"<img"_s)
        .replace(u"]]]]]]"_s, u">"_s);
}

namespace {

void gradeExplanationPage(ExplanationChoices &choices, PageDocument &page)
{
    const PageElement *finish = page.find(u"finish"_s);
    if (!finish)
        return;
    const QString explanation = explanationHtml(finish->tag);
    const QString right = u"<br><br>（√）<br><br>答案解释：<br><br>"_s;
    const QString wrong = u"<br><br>（×）<br><br>正确答案及解释：<br><br>"_s;
    QString said;
    if (choices.choiceMade) {
        said = choices.choiceCorrect ? right : wrong;
        if (choices.choiceCorrect)
            choices.choiceCorrect = false;
        choices.choiceMade = false;
    } else if (choices.answerEmpty) {
        said = u"<br><br>正确答案及解释：<br><br>"_s;
        choices.answerEmpty = false;
    } else {
        const PageElement *answer = page.find(u"answer"_s);
        said = answer && answersMatch(answer->value, answer->tag) ? right : wrong;
    }
    page.insertHtmlAfter(u"finish"_s, said + explanation);
}

} // namespace

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
    registry.onGrading(GradingVariant::OlympiadExplanations,
                       [choices](PageDocument &page) { gradeExplanationPage(*choices, page); });

    // "第12题" opens zimu/aoshu12.htm in the main pane.
    registry.onNode(Route::OlympiadExplanations, [&context](NodeClick &click) {
        context.bringToFront(PaneId::Main);
        const QString number = click.node.caption.mid(1).remove(u'题');
        bool ok = false;
        number.toInt(&ok);
        if (ok)
            context.navigate(PaneId::Main, u"zimu/aoshu"_s + number + u".htm"_s);
    });

    // 数学趣题: problem m in zimu/sxqt/m/index.htm, its answer beside it in
    // indexa.htm, opened only for the advanced user.
    registry.onNode(Route::FunProblems, [&context](NodeClick &click) {
        context.bringToFront(PaneId::Main);
        const QString folder = u"zimu/sxqt/"_s + QString::number(click.number - 5356500);
        if (!click.node.key.startsWith(u"qa53565"_s)) {
            context.navigate(PaneId::Main, folder + u"/index.htm"_s);
            return;
        }
        if (context.mayShowAnswers())
            context.navigate(PaneId::Main, folder + u"/indexa.htm"_s);
    });
    return choices;
}

} // namespace quorvel
