// The problem collections of "应用题" and "智力题": word problems made from
// the template files and graded with their worked explanations; the puzzles
// of 智力体操 (nodes added on the first click of the group), 脑力体操 and the
// geometry examples, and the reasoning test, whose answers the reveal button
// shows with the thinking time.
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/exactexpression.h"
#include "page/itemmarker.h"
#include "page/pagedocument.h"
#include "topics/divisors.h"
#include "topics/wordproblems.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

using divisors::ExampleCollection;

// The template file of a difficulty: ?7 简单, ?6 中等, ?9 较难.
QString templateFile(int number)
{
    switch (number) {
    case 7:
        return u"一年级应用题.txt"_s;
    case 6:
        return u"二年级应用题.txt"_s;
    default:
        return u"三年级应用题.txt"_s;
    }
}

QString revealPage(const QString &problemHtml)
{
    return problemHtml + divisors::revealButton() + u"<br><br>"_s;
}

QString thinkingTime(int seconds)
{
    return u"<br>思考用时"_s + QString::number(seconds) + u"秒！"_s;
}

// Marks every problem with its explanation; the score, the result line and
// the medal as on every graded page.
void gradeWordProblems(FamilyContext &context, PageDocument &page)
{
    int items = 0;
    int right = 0;
    MarkedPage marked;
    for (int n = 1;; ++n) {
        const QString name = u"answer"_s + QString::number(n);
        const PageElement *box = page.find(name);
        if (!box)
            break;
        ++items;
        const wordproblems::Key key = wordproblems::keyOf(box->tag);
        // The answer as written, value and unit; full-width digits and
        // spaces around it count as the child means them.
        const bool isRight = foldFullWidth(box->value).trimmed() == key.answer;
        right += isRight;
        if (context.marksShowAnswers())
            page.insertTextAfter(name, (isRight ? u"(√，正确答案："_s : u"(×，正确答案："_s) +
                                           key.explanation + u')');
        else
            page.insertTextAfter(name, isRight ? u"(√)"_s : u"(×)"_s);
        marked.items.append({n, key.answer, box->value, isRight});
    }
    marked.score = items > 0 ? qRound(100.0 * right / items) : 0;
    page.insertHtmlAfter(u"finish"_s, resultLine(marked.score, context.elapsedSeconds()));
    context.pageGraded(marked, false); // the record, and the medal at 100
}

struct Collections
{
    ExampleCollection puzzles; // 智力体操, read at the first click of its group
    ExampleCollection brainTeasers{texts::brainTeasers(), 2};
    ExampleCollection geometry{texts::geometryExamples(), 2};
    ExampleCollection reasoning{texts::reasoningTest(), 2};
    int revealedPage = -1; // the reasoning test's page whose answers are shown
};

// Piece k of 脑力体操 is node q5(10 + k); of the examples, node q580k.
int brainTeaserPiece(int number)
{
    return number - 10;
}
int geometryPiece(int number)
{
    return number - 800;
}

} // namespace

void registerProblemCollections(FamilyRegistry &registry, FamilyContext &context)
{
    FamilyContext &c = context;
    auto collections = std::make_shared<Collections>();

    registry.onNode(Route::WordProblems, [&c](NodeClick &click) {
        click.page =
            wordproblems::page(c.files().readLines(templateFile(click.number)), c.random());
    });
    registry.onGrading(GradingVariant::WordProblems,
                       [&c](PageDocument &page) { gradeWordProblems(c, page); });

    // 智力体操: the group adds its puzzles once per tree; a puzzle page holds
    // no answer until the reveal.
    registry.onNode(Route::BrainTeasers, [&c, collections](NodeClick &click) {
        if (click.number == 5) {
            const ExampleCollection puzzles(texts::puzzles(), 3);
            QList<TopicNode> children;
            for (const ExampleCollection::Entry &entry : puzzles.entries())
                children.append({click.node.key + entry.suffix, entry.title, click.node.key,
                                 u"?59"_s + entry.suffix, NodeIcon::Topic});
            if (c.fillGroupOnce(click.node.key, children))
                collections->puzzles = puzzles;
            return;
        }
        const QString problem = collections->puzzles.problemHtml(click.number - 59001);
        if (!problem.isEmpty())
            click.page.text = divisors::examplePage(click.node.caption, problem);
    });
    registry.onGrading(GradingVariant::BrainTeasers, [&c, collections](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        const QString answer =
            node ? collections->puzzles.answerHtml(keyNumber(node->key) - 59001) : QString();
        if (!answer.isEmpty())
            page.insertHtmlAfter(u"finish"_s, u"<h2>"_s + answer + u"</h2>"_s +
                                                  thinkingTime(c.elapsedSeconds()));
    });

    registry.onNode(Route::Puzzles, [collections](NodeClick &click) {
        const QString problem =
            collections->brainTeasers.problemHtml(brainTeaserPiece(click.number));
        if (!problem.isEmpty())
            click.page.text = revealPage(problem);
    });
    registry.onNode(Route::GeometryExamples, [collections](NodeClick &click) {
        const QString problem = collections->geometry.problemHtml(geometryPiece(click.number));
        if (!problem.isEmpty())
            click.page.text = revealPage(problem);
    });
    registry.onNode(Route::PuzzleGroup,
                    [](NodeClick &click) { click.page.text = revealPage(QString()); });
    // 脑力体操 and the examples: the answer at the place the reveal leaves for
    // it. The other pages of this variant have handlers of their own.
    registry.onGrading(GradingVariant::RevealedAnswers, [&c, collections](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        const int n = keyNumber(node->key);
        QString answer;
        if (node->key.size() == 4 && n >= 511 && n <= 578)
            answer = collections->brainTeasers.answerHtml(brainTeaserPiece(n - 500));
        else if (node->key.size() == 5 && n >= 5801 && n <= 5808)
            answer = collections->geometry.answerHtml(geometryPiece(n - 5000));
        if (!answer.isEmpty())
            page.insertHtmlAfter(u"finish"_s,
                                 u"<br><br>"_s + answer + thinkingTime(c.elapsedSeconds()));
    });

    // 标准智力测试题: the submit button does not grade this page, so its reveal
    // listens for the click itself, once a page and behind the password.
    registry.onNode(Route::IntelligenceTest, [collections](NodeClick &click) {
        click.page.text =
            divisors::examplePage(click.node.caption, collections->reasoning.problemHtml(1));
    });
    registry.onPageEvent(
        [&c, collections](const QString &kind, const QString &target, PageDocument &page) {
            const TopicNode *node = c.selectedNode();
            if (kind != "click"_L1 || target != "finish"_L1 || !node ||
                node->key != nodes::intelligenceTest.key || !page.find(u"finish"_s) ||
                collections->revealedPage == c.pageSerial())
                return;
            if (!c.mayShowAnswers())
                return;
            collections->revealedPage = c.pageSerial();
            page.insertHtmlAfter(u"finish"_s, u"<br><br>"_s + collections->reasoning.answerHtml(1) +
                                                  thinkingTime(c.elapsedSeconds()));
        });
}

} // namespace quorvel
