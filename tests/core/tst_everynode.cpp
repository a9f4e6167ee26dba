// Every node of every tab, clicked with the real handlers and the real
// program folder at each page size: nothing hangs or crashes, every page
// with items carries a tag in each answer box, and grading it with the
// right answers scores 100.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QRegularExpression>
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

    static const QRegularExpression box(
        u"<input class=text name=(answer\\d+) [^>]*tag=([^ >]*)>"_s);
    int pages = 0;
    int graded = 0;
    for (int tab = 0; tab < catalogue::tabs().size(); ++tab) {
        controller.selectTab(tab);
        const QList<TopicNode> nodes = controller.tree().nodes();
        for (const TopicNode &node : nodes) {
            controller.applyOptions(items, 5, 2);
            controller.nodeClicked(node.key);
            const QString page = view.main.body;
            QList<PageElement> elements;
            for (auto it = box.globalMatch(page); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                QVERIFY2(!m.captured(2).isEmpty(), qPrintable(node.key + u' ' + m.captured(1)));
                elements.append({m.captured(1), {}, u"text"_s, m.captured(2), m.captured(2)});
            }
            // A page of single-box items, answered right, scores 100.
            const bool gradedByItems = !elements.isEmpty() &&
                                       elements.size() == controller.state.pageItemCount &&
                                       page.contains(u"name=finish"_s);
            if (gradedByItems) {
                elements.append({u"finish"_s, {}, u"button"_s, {}, {}});
                PageDocument document(elements);
                controller.gradePage(document);
                bool perfect = false;
                for (const DomEdit &edit : document.edits())
                    perfect = perfect || edit.text.contains(u"你的得分是100分"_s);
                QVERIFY2(perfect, qPrintable(node.key));
                ++graded;
            }
            ++pages;
        }
    }
    QVERIFY(pages > 900);
    QVERIFY(graded >= 140); // the drill and topic pages with one box an item
}

QTEST_GUILESS_MAIN(TestEveryNode)
#include "tst_everynode.moc"
