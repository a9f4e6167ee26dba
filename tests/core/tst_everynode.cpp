// Every node of every tab, the nodes that groups add on their first click
// included, clicked with the real handlers and the real program folder at
// each page size: nothing hangs or crashes,
// every answer box carries its key, and every page graded item by item,
// answered with its keys, scores 100.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

class TestEveryNode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNodeAtEveryPageSize_data();
    void everyNodeAtEveryPageSize();
};

void TestEveryNode::everyNodeAtEveryPageSize_data()
{
    QTest::addColumn<int>("items");
    QTest::newRow("10 items") << 10;
    QTest::newRow("20 items") << 20;
    QTest::newRow("50 items") << 50;
}

void TestEveryNode::everyNodeAtEveryPageSize()
{
    QFETCH(int, items);
    RecordingView view;
    DiskProgramFiles files(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)));
    MemorySettingsStore settings;
    SeededRandom random{quint64(items)};
    MainWindowController controller(view, files, settings, random);
    controller.start();
    controller.accounts().reloadStoredPassword();
    controller.accounts().confirmLogin(u"463"_s);

    int pages = 0;
    int graded = 0;
    for (int tab = 0; tab < catalogue::tabs().size(); ++tab) {
        controller.selectTab(tab);
        QSet<QString> clicked;
        // Clicking may add nodes (groups filled on their first click): go on
        // until every node of the tree has been clicked once.
        for (bool added = true; added;) {
            added = false;
            const QList<TopicNode> nodes = controller.tree().nodes();
            for (const TopicNode &node : nodes) {
                if (clicked.contains(node.key))
                    continue;
                clicked.insert(node.key);
                added = true;
                controller.applyOptions(items, 5, 2);
                controller.nodeClicked(node.key);
                ++pages;

                const PageDocument page = view.main.document.snapshot();
                for (const PageElement &e : page.elements())
                    if (e.type == "text"_L1 && e.name.startsWith(u"answer"_s))
                        QVERIFY2(!e.tag.isEmpty(), qPrintable(node.key + u' ' + e.name));
                const QList<GradingVariant> variants = gradingVariants(node.key, node.parentKey);
                const bool itemGraded =
                    std::any_of(variants.cbegin(), variants.cend(), usesItemGrading) &&
                    controller.state.pageItemCount > 0 && page.find(u"finish"_s);
                if (!itemGraded)
                    continue;
                PageDocument answered = answeredPage(view.main.document);
                controller.gradePage(answered);
                bool perfect = false;
                for (const DomEdit &edit : answered.edits())
                    perfect = perfect || edit.text.contains(u"你的得分是100分"_s);
                QVERIFY2(perfect, qPrintable(node.key));
                ++graded;
            }
        }
    }
    QVERIFY(pages > 900);
    QVERIFY(graded >= 180); // the drill and topic pages, one or two boxes an item
}

QTEST_GUILESS_MAIN(TestEveryNode)
#include "tst_everynode.moc"
