// The tab "约数和倍数": concept pages, drills, the two common-divisor word
// problems, and the worked examples of the common multiple and of prime
// factorisation, whose nodes are added on the first click of "应用题" and
// whose answers the submit button reveals.
#include "app/core/maincontroller.h"
#include "app/core/topichandlers.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "topics/divisors.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

using namespace divisors;

// One collection of worked examples and the group its nodes go under.
struct ExampleGroup
{
    QString groupKey;     // "q8005"
    QString tagPrefix;    // "{8005"
    int suffixDigits = 3; // of the child keys
    int firstNumber = 0;  // the tag number of piece 0
    ExampleCollection examples;
};

// The collections are read on the first click of their group and kept for
// the run; the nodes are added again whenever a new tree lacks them.
struct DivisorPages
{
    ExampleGroup lcm{u"q8005"_s, u"{8005"_s, 3, lcmFirstExampleNumber, {}};
    ExampleGroup factorisation{
        u"q8888705"_s, u"{8888705"_s, 2, factorisationFirstExampleNumber, {}};
};

void fillGroup(MainWindowController &controller, ExampleGroup &group,
               const std::optional<QString> &text)
{
    if (controller.filledGroups.contains(group.groupKey) || !text)
        return;
    group.examples = ExampleCollection(*text, group.suffixDigits);
    QList<TopicNode> nodes;
    for (const ExampleCollection::Entry &entry : group.examples.entries())
        nodes.append({group.groupKey + entry.suffix, entry.title, group.groupKey,
                      group.tagPrefix + entry.suffix, NodeIcon::Topic});
    controller.addTreeChildren(nodes);
    controller.filledGroups.insert(group.groupKey);
}

QString examplePageFor(const ExampleGroup &group, const NodeDispatch &d)
{
    const int k = d.number - group.firstNumber;
    const QString problem = group.examples.problemHtml(k);
    return problem.isEmpty() ? QString() : examplePage(d.node.caption, problem);
}

// The number of the key after its first character, as the tag of its node
// would give it.
int keyNumber(const QString &key)
{
    return splitTag(key).number;
}

void reveal(MainWindowController &controller, PageDocument &page, const QString &answer)
{
    if (answer.isEmpty() || !page.find(u"finish"_s))
        return;
    page.insertHtmlAfter(u"finish"_s, revealText(answer, controller.state.elapsedSeconds));
}

DrillPage drillFor(int number, int easyNumber, RandomSource &random, int itemCount,
                   DrillPage (*drill)(RandomSource &, Level, int))
{
    return drill(random, Level(number - easyNumber + 1), itemCount);
}

} // namespace

void registerDivisorPages(MainWindowController &controller)
{
    auto pages = std::make_shared<DivisorPages>();
    MainWindowController &c = controller;

    c.setHandler(Route::GreatestCommonDivisor, [&c](NodeDispatch &d) {
        if (d.number == gcdConceptNumber) {
            d.pageText = conceptPage(texts::gcdConcept());
        } else if (d.number >= gcdEasyNumber && d.number <= gcdHardNumber) {
            const DrillPage page =
                drillFor(d.number, gcdEasyNumber, c.random(), c.state.defaultTiCount, gcdDrill);
            d.pageText = page.text;
            d.pageItems = page.items;
        } else {
            d.pageText = gcdWordProblemPage(d.number);
        }
    });

    c.setHandler(Route::LeastCommonMultiple, [&c, pages](NodeDispatch &d) {
        if (d.number == lcmConceptNumber) {
            d.pageText = conceptPage(texts::lcmConcept());
        } else if (d.number >= lcmEasyNumber && d.number <= lcmHardNumber) {
            const DrillPage page =
                drillFor(d.number, lcmEasyNumber, c.random(), c.state.defaultTiCount, lcmDrill);
            d.pageText = page.text;
            d.pageItems = page.items;
        } else if (d.number == lcmExamplesNumber) {
            fillGroup(c, pages->lcm, texts::lcmExamples());
        } else if (d.number > lcmFirstExampleNumber) {
            d.pageText = examplePageFor(pages->lcm, d);
        }
    });

    // fenJieZhiYinShu
    c.setHandler(Route::PrimeFactorisation, [&c, pages](NodeDispatch &d) {
        if (d.number == factorisationConceptNumber) {
            d.pageText = conceptPage(texts::factorisationConcept());
        } else if (d.number >= factorisationEasyNumber && d.number <= factorisationHardNumber) {
            const DrillPage page = drillFor(d.number, factorisationEasyNumber, c.random(),
                                            c.state.defaultTiCount, factorisationDrill);
            d.pageText = page.text;
            d.pageItems = page.items;
        } else if (d.number == factorisationExamplesNumber) {
            fillGroup(c, pages->factorisation, c.files().readText(u"zimu/fenjiezhiyinshu.txt"_s));
        } else if (d.number > factorisationFirstExampleNumber) {
            d.pageText = examplePageFor(pages->factorisation, d);
        }
    });

    c.setGradingHandler(GradingVariant::FactorisationExamples, [&c, pages](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        const int k = keyNumber(node->key) - pages->factorisation.firstNumber;
        reveal(c, page, pages->factorisation.examples.answerHtml(k));
    });

    c.setGradingHandler(GradingVariant::LcmExamples, [&c, pages](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        const int k = keyNumber(node->key) - pages->lcm.firstNumber;
        reveal(c, page, pages->lcm.examples.answerHtml(k));
    });

    // Only the two word problems; the other pages of this variant have
    // handlers of their own.
    c.setGradingHandler(GradingVariant::RevealedAnswers, [&c](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node || (node->key != "q7005"_L1 && node->key != "q7006"_L1))
            return;
        reveal(c, page, gcdWordProblemAnswer(keyNumber(node->key)));
    });
}

} // namespace quorvel
