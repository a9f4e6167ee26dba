// The papers, lectures, olympiad topics and readings: every node of their
// tabs opens a file of the program folder, every paper has as many numbered
// answers as items, the answer pages need the password, and the reading
// folders list their files.
#include "content/storedtexts.h"
#include "controllerfixture.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

QString programFolder()
{
    return QStringLiteral(QUORVEL_SOURCE_DIR) + u"/data/"_s;
}

QString programFile(const QString &relative)
{
    QFile file(programFolder() + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int tabOf(QStringView key)
{
    for (int i = 0; i < catalogue::tabs().size(); ++i)
        if (catalogue::tabs()[i].key == key)
            return i;
    return -1;
}

} // namespace

class TestPapers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNodeOpensAFile_data();
    void everyNodeOpensAFile();
    void answersMatchThePapers_data();
    void answersMatchThePapers();
    void answerPages();
    void readingFolders();
    void lessonsAndQuestionBank();
};

void TestPapers::everyNodeOpensAFile_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("files");
    QTest::newRow("lectures") << u"T13"_s << u"q100"_s << 8;
    QTest::newRow("教你思考") << u"T13"_s << u"q300"_s << 13;
    QTest::newRow("数学故事") << u"T13"_s << u"q400"_s << 16;
    QTest::newRow("exam papers") << u"T14"_s << u"q200"_s << 23;
    QTest::newRow("entrance papers") << u"T14"_s << u"q636676"_s << 20;
    QTest::newRow("olympiad topics") << u"T15"_s << u"q299"_s << 46;
    QTest::newRow("olympiad papers") << u"T16"_s << u"q199"_s << 13;
}

// Every node under the group (the group too) opens a document that exists,
// each a different one.
void TestPapers::everyNodeOpensAFile()
{
    QFETCH(QString, tab);
    QFETCH(QString, group);
    QFETCH(int, files);
    // The reading folders as the program folder has them.
    WithFiles folders;
    for (const QString folder : {u"book"_s, u"story"_s})
        for (const QString &name : QDir(programFolder() + folder).entryList(QDir::Files))
            folders.files.insert(folder + u'/' + name, "<html></html>");
    ControllerFixture<> f(folders, 1);
    f.onTab(tab);
    QStringList keys{group};
    QSet<QString> opened;
    while (!keys.isEmpty()) {
        const QString key = keys.takeFirst();
        keys += f.controller.tree().childKeys(key);
        f.view.second.loadedFile.clear();
        f.click(key);
        const QString file = f.view.second.loadedFile;
        if (file.isEmpty())
            continue;
        QCOMPARE(f.view.front, PaneId::Second);
        const QString relative = file.mid(f.files.absolutePath(QString()).size());
        QVERIFY2(programFile(relative).contains(u"</html>"_s), qPrintable(key + u' ' + relative));
        opened.insert(relative);
    }
    QCOMPARE(opened.size(), files);
}

void TestPapers::answersMatchThePapers_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("element");
    for (int i = 0; i <= 22; ++i)
        QTest::newRow(qPrintable(texts::examPaperCode(i)))
            << u"test/"_s + texts::examPaperCode(i) + u".htm"_s << i;
    for (int year = 1991; year <= 2003; ++year)
        QTest::newRow(qPrintable(QString::number(year)))
            << u"test/%1.htm"_s.arg(year) << 23 + year - 1991;
}

// As many numbered answers as the paper has items (the calc notes in them
// are recomputed by the content sweep); 2002 has none, and says so.
void TestPapers::answersMatchThePapers()
{
    QFETCH(QString, paper);
    QFETCH(int, element);
    const QString html = programFile(paper);
    const int items = int(html.count(u"class=\"item\""_s));
    QVERIFY(items >= 8);
    const QString answers = texts::paperAnswers(element);
    if (element == 34) {
        QCOMPARE(answers, u"缺"_s);
        QVERIFY(html.contains(u"本卷不附答案"_s)); // and the paper says so
        return;
    }
    static const QRegularExpression numbered(u"^(?:<\\d+>  |\\d+、)"_s,
                                             QRegularExpression::MultilineOption);
    QCOMPARE(int(answers.count(numbered)), items);
}

void TestPapers::answerPages()
{
    ControllerFixture<> f(1);
    f.onTab(u"T16");
    QCOMPARE(f.click(u"q2071"_s), u"<h1>2002年全国奥数答案</h1>缺"_s);
    f.onTab(u"T14");
    const QString first = f.click(u"q2037"_s);
    QVERIFY(first.startsWith(u"<h1>1年级1学期期中考答案</h1>"_s));
    QVERIFY(first.contains(u"<br>一、填空<br>"_s));
    QVERIFY(!first.contains(u"\r\n"_s) && !first.contains(u"finish"_s));

    // The student account: nothing shown, nothing opened.
    f.controller.accounts().loginAsStudent();
    f.view.second.navigations.clear();
    QCOMPARE(f.click(u"q2038"_s), QString());
    f.click(u"q63667602"_s);
    QVERIFY(f.view.second.navigations.isEmpty());
    QCOMPARE(f.view.messages.size(), 2);
    f.click(u"q63667601"_s); // a paper itself is for everyone
    QCOMPARE(f.view.second.navigations.size(), 1);
}

void TestPapers::readingFolders()
{
    ControllerFixture<> f(WithFiles{{{u"book/教你思考.htm"_s, "<html></html>"},
                                     {u"book/鸡兔同笼.htm"_s, "<html></html>"},
                                     {u"book/甲.h"_s, "<html></html>"}}},
                          1);
    f.onTab(u"T13");
    const QStringList children = f.controller.tree().childKeys(u"q300"_s);
    QCOMPARE(children.size(), 2);
    QStringList captions;
    for (const QString &key : children)
        captions.append(f.controller.tree().find(key)->caption);
    QCOMPARE(captions, (QStringList{u"甲.h"_s, u"鸡兔同笼"_s}));

    f.click(children.last());
    QCOMPARE(f.view.second.loadedFile, f.files.absolutePath(u"book/鸡兔同笼.htm"_s));
    f.click(children.first()); // a name too short to lose an extension
    QCOMPARE(f.view.second.loadedFile, f.files.absolutePath(u"book/甲.h"_s));
    f.click(u"q300"_s);
    QCOMPARE(f.view.second.loadedFile, f.files.absolutePath(u"book/教你思考.htm"_s));
}

// The lessons by grade in the second pane and the question bank's exercise
// pages in the main pane, graded over their own ten items.
void TestPapers::lessonsAndQuestionBank()
{
    WithFiles zimu;
    for (const QString &name :
         QDir(programFolder() + u"zimu"_s).entryList({u"*aoshu*"_s, u"tk*"_s}, QDir::Files))
        zimu.files.insert(u"zimu/"_s + name, programFile(u"zimu/"_s + name).toUtf8());
    ControllerFixture<> f(zimu, 1);
    const QString root = f.files.absolutePath(QString());
    f.view.main.readFile = [&f, root](const QString &path) {
        return f.files.readText(path.mid(root.size()));
    };
    f.onTab(u"T15");

    QMap<QString, int> lessons; // per grade group
    QStringList keys{u"q86789"_s};
    while (!keys.isEmpty()) {
        const QString key = keys.takeFirst();
        keys += f.controller.tree().childKeys(key);
        f.view.second.loadedFile.clear();
        f.click(key);
        if (!f.view.second.loadedFile.isEmpty()) {
            QVERIFY(f.files.exists(f.view.second.loadedFile.mid(root.size())));
            ++lessons[f.controller.tree().find(key)->parentKey];
        }
    }
    QCOMPARE(lessons.values(), (QList<int>{20, 20, 20, 20}));

    f.onTab(u"T16");
    int entries = 0;
    keys = f.controller.tree().childKeys(u"q86389"_s);
    while (!keys.isEmpty()) {
        const QString key = keys.takeFirst();
        keys += f.controller.tree().childKeys(key);
        f.click(key);
        if (f.controller.tree().find(key)->caption.contains(u'、')) {
            QVERIFY(f.view.main.loadedFile.endsWith(u"/help.htm"_s));
            continue;
        }
        ++entries;
        QVERIFY2(f.view.main.loadedFile.contains(u"/zimu/tk"_s), qPrintable(key));
        QCOMPARE(f.view.front, PaneId::Main);
        const PageDocument page = f.view.main.document.snapshot();
        QVERIFY2(page.find(u"answer10"_s) && !page.find(u"answer11"_s), qPrintable(key));
        if (entries == 1) {
            QVERIFY(f.submit().last().text.contains(u"你的得分是100分"_s));
            f.click(key);
            const QString wrong = page.find(u"answer4"_s)->tag + u'1';
            QVERIFY(f.submit({{u"answer4"_s, wrong}}).last().text.contains(u"你的得分是90分"_s));
        }
    }
    QCOMPARE(entries, 40);

    // The student sees no key.
    f.controller.accounts().loginAsStudent();
    f.click(u"q86389001"_s);
    QVERIFY(f.submit().isEmpty());

    // A line naming a path out of zimu/ opens nothing of it: the help page.
    ControllerFixture<> bad(
        WithFiles{{{u"zimu/tk.txt"_s, "tk000.htm>一、计算<\r\n../secret.htm>巧算<\r\n"},
                   {u"secret.htm"_s, "<html></html>"}}},
        1);
    bad.onTab(u"T16");
    bad.click(u"q86389001"_s);
    QCOMPARE(bad.view.main.navigations.last(), bad.files.absolutePath(u"help.htm"_s));
}

QTEST_GUILESS_MAIN(TestPapers)
#include "tst_papers.moc"
