// The tab "约数和倍数": concept pages, drills, the two common-divisor word
// problems, and the worked examples of the common multiple and of prime
// factorisation, whose nodes are added on the first click of "应用题" and
// whose answers the submit button reveals.
#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
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
static_assert(lcmExamplesNumber == nodes::lcmExamples.tag);
static_assert(factorisationExamplesNumber == nodes::factorisationExamples.tag);

struct DivisorPages
{
    ExampleGroup lcm{nodes::lcmExamples.key.toString(), u"{8005"_s, 3, lcmFirstExampleNumber, {}};
    ExampleGroup factorisation{nodes::factorisationExamples.key.toString(),
                               u"{8888705"_s,
                               2,
                               factorisationFirstExampleNumber,
                               {}};
};

void fillGroup(FamilyContext &context, ExampleGroup &group, const std::optional<QString> &text)
{
    if (!text)
        return;
    const ExampleCollection examples(*text, group.suffixDigits);
    QList<TopicNode> children;
    for (const ExampleCollection::Entry &entry : examples.entries())
        children.append({group.groupKey + entry.suffix, entry.title, group.groupKey,
                         group.tagPrefix + entry.suffix, NodeIcon::Topic});
    if (context.fillGroupOnce(group.groupKey, children))
        group.examples = examples;
}

QString examplePageFor(const ExampleGroup &group, const NodeClick &click)
{
    const int k = click.number - group.firstNumber;
    const QString problem = group.examples.problemHtml(k);
    return problem.isEmpty() ? QString() : examplePage(click.node.caption, problem);
}

void reveal(FamilyContext &context, PageDocument &page, const QString &answer)
{
    if (answer.isEmpty() || !page.find(u"finish"_s))
        return;
    page.insertHtmlAfter(u"finish"_s, revealText(answer, context.elapsedSeconds()));
}

Page drillFor(int number, int easyNumber, RandomSource &random, int itemCount,
              Page (*drill)(RandomSource &, Level, int))
{
    return drill(random, Level(number - easyNumber + 1), itemCount);
}

} // namespace

void registerDivisorPages(FamilyRegistry &registry, FamilyContext &context)
{
    auto pages = std::make_shared<DivisorPages>();
    FamilyContext &c = context;
    const auto items = [&c] { return c.options().itemsPerPage; };

    registry.onNode(Route::GreatestCommonDivisor, [&c, items](NodeClick &click) {
        if (click.number == gcdConceptNumber)
            click.page.text = conceptPage(texts::gcdConcept());
        else if (click.number >= gcdEasyNumber && click.number <= gcdHardNumber)
            click.page = drillFor(click.number, gcdEasyNumber, c.random(), items(), gcdDrill);
        else
            click.page.text = gcdWordProblemPage(click.number);
    });

    registry.onNode(Route::LeastCommonMultiple, [&c, pages, items](NodeClick &click) {
        if (click.number == lcmConceptNumber)
            click.page.text = conceptPage(texts::lcmConcept());
        else if (click.number >= lcmEasyNumber && click.number <= lcmHardNumber)
            click.page = drillFor(click.number, lcmEasyNumber, c.random(), items(), lcmDrill);
        else if (click.number == lcmExamplesNumber)
            fillGroup(c, pages->lcm, texts::lcmExamples());
        else if (click.number > lcmFirstExampleNumber)
            click.page.text = examplePageFor(pages->lcm, click);
    });

    // fenJieZhiYinShu
    registry.onNode(Route::PrimeFactorisation, [&c, pages, items](NodeClick &click) {
        if (click.number == factorisationConceptNumber)
            click.page.text = conceptPage(texts::factorisationConcept());
        else if (click.number >= factorisationEasyNumber && click.number <= factorisationHardNumber)
            click.page = drillFor(click.number, factorisationEasyNumber, c.random(), items(),
                                  factorisationDrill);
        else if (click.number == factorisationExamplesNumber)
            fillGroup(c, pages->factorisation, c.files().readText(u"zimu/fenjiezhiyinshu.txt"_s));
        else if (click.number > factorisationFirstExampleNumber)
            click.page.text = examplePageFor(pages->factorisation, click);
    });

    registry.onGrading(GradingVariant::FactorisationExamples, [&c, pages](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        const int k = keyNumber(node->key) - pages->factorisation.firstNumber;
        reveal(c, page, pages->factorisation.examples.answerHtml(k));
    });

    registry.onGrading(GradingVariant::LcmExamples, [&c, pages](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        const int k = keyNumber(node->key) - pages->lcm.firstNumber;
        reveal(c, page, pages->lcm.examples.answerHtml(k));
    });

    // Only the two word problems; the other pages of this variant have
    // handlers of their own.
    registry.onGrading(GradingVariant::RevealedAnswers, [&c](PageDocument &page) {
        const TopicNode *node = c.selectedNode();
        if (!node)
            return;
        for (const nodes::Node &problem : nodes::commonDivisorProblems)
            if (node->key == problem.key)
                reveal(c, page, gcdWordProblemAnswer(problem.tag));
    });
}

} // namespace quorvel
