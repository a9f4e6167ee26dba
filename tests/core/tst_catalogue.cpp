// The topic catalogue: every tab's tree, the groups filled from the program
// folder's files and folders, and the groups built by count.
#include "app/core/catalogue.h"
#include "content/programfiles.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// A program folder with every file the catalogue reads: two topics per grade
// file, two pages plus the index page in each of "book" and "story", three
// lessons per lesson index and a question bank of two chapters.
MemoryProgramFiles fullFolder()
{
    MemoryProgramFiles files;
    files.addFile(u"1.txt"_s, gbk(u"认识1～10\r\n20以内的进位加法\r\n"_s));
    files.addFile(u"2.txt"_s, gbk(u"表内乘法\r\n认识时间\r\n"_s));
    files.addFile(u"3.txt"_s, gbk(u"万以内的加法和减法\r\n长方形和正方形\r\n"_s));
    files.addFile(u"4.txt"_s, gbk(u"大数的认识\r\n三位数乘两位数\r\n"_s));
    files.addFile(u"5.txt"_s, gbk(u"小数乘法\r\n简易方程\r\n"_s));
    files.addFile(u"6.txt"_s, gbk(u"分数乘法\r\n圆的面积\r\n"_s));
    // Sorted by name: 分苹果 (1), 教你思考 (2), 鸡兔同笼 (3).
    files.addFile(u"book/分苹果.htm"_s, "<html></html>");
    files.addFile(u"book/教你思考.htm"_s, "<html></html>");
    files.addFile(u"book/鸡兔同笼.htm"_s, "<html></html>");
    // Sorted by name: 数学故事 (1), 阿基米德 (2), 高斯的故事 (3).
    files.addFile(u"story/数学故事.htm"_s, "<html></html>");
    files.addFile(u"story/阿基米德.htm"_s, "<html></html>");
    files.addFile(u"story/高斯的故事.htm"_s, "<html></html>");
    const QString lessons[] = {
        u"<a href=3_1.htm>和差问题</a>\r\n<a href=3_2.htm>植树问题</a>\r\n"
        u"<a href=3_3.htm>巧算加减法</a>\r\n"_s,
        u"<a href=4_1.htm>等差数列</a>\r\n<a href=4_2.htm>鸡兔同笼</a>\r\n"
        u"<a href=4_3.htm>盈亏问题</a>\r\n"_s,
        u"<a href=5_1.htm>数的整除</a>\r\n<a href=5_2.htm>行程问题</a>\r\n"
        u"<a href=5_3.htm>面积计算</a>\r\n"_s,
        u"<a href=6_1.htm>分数应用题</a>\r\n<a href=6_2.htm>工程问题</a>\r\n"
        u"<a href=6_3.htm>比和比例</a>\r\n"_s,
    };
    for (int grade = 3; grade <= 6; ++grade)
        files.addFile(u"zimu/%1aoshulesson.txt"_s.arg(grade), gbk(lessons[grade - 3]));
    files.addFile(u"zimu/tk.txt"_s, gbk(u"<b>一、数的整除</b>\r\n<a href=tk1.htm>整除练习一</a>\r\n"
                                        u"<b>二、行程问题</b>\r\n<a href=tk2.htm>相遇问题</a>\r\n"
                                        u"<a href=tk3.htm>追及问题</a>\r\n"_s));
    return files;
}

TopicTree build(const ProgramFiles &files, const QString &tab)
{
    TopicTree tree;
    CatalogueBuilder(files).buildTab(tab, tree);
    return tree;
}

QStringList captionsOf(const TopicTree &tree, const QStringList &keys)
{
    QStringList captions;
    for (const QString &key : keys)
        captions.append(tree.find(key) ? tree.find(key)->caption : u"<missing>"_s);
    return captions;
}

} // namespace

class TstCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabStrip();
    void tabs_data();
    void tabs();
    void fixedNodes_data();
    void fixedNodes();
    void initialTree();
    void decimalTab();
    void unknownCaptionAddsNothing();
    void gradeTopics_data();
    void gradeTopics();
    void missingGradeFile();
    void folderPages();
    void emptyFolders();
    void countedProblems();
    void lessonTitle_data();
    void lessonTitle();
    void gradeLessons();
    void questionBank_data();
    void questionBank();
};

void TstCatalogue::tabStrip()
{
    const QStringList captions = {
        u"加减乘除"_s,   u"时间转换"_s,   u"小数计算"_s, u"规律运算"_s,
        u"分数和比例"_s, u"基础概念"_s,   u"同步教学"_s, u"四则运算"_s,
        u"约数和倍数"_s, u"数学游戏"_s,   u"应用题"_s,   u"智力题"_s,
        u"讲座和故事"_s, u"各年级试卷"_s, u"学习奥数"_s, u"奥数试卷"_s,
    };
    QCOMPARE(catalogue::tabs().size(), captions.size());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QString key = u'T' + QString::number(i + 1);
        QCOMPARE(catalogue::tabs()[i].caption, captions[i]);
        QCOMPARE(catalogue::tabs()[i].key, key);
        QCOMPARE(catalogue::captionOfKey(key), captions[i]);
    }
    QCOMPARE(catalogue::captionOfKey(u"T17"_s), QString());
    QCOMPARE(catalogue::captionOfKey(u"加减乘除"_s), QString());
}

// Each tab built twice: with no files at all (only the fixed nodes), and with
// every file present. A key added twice would be refused by the tree and show
// as a missing node in the counts.
void TstCatalogue::tabs_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("fixedCount");
    QTest::addColumn<int>("countWithFiles");
    QTest::addColumn<QString>("lastKey");
    QTest::addColumn<QString>("lastCaption");
    QTest::addColumn<QStringList>("expanded");

    const struct
    {
        QString tab;
        int fixedCount, countWithFiles;
        QString lastKey, lastCaption;
        QString expanded; // keys in expansion order
    } rows[] = {
        {u"加减乘除"_s, 38, 38, u"q511105"_s, u"除法"_s, u"q1 q2 q3 q4 q5111"_s},
        {u"时间转换"_s, 26, 26, u"q7899706"_s, u"除法"_s, u"q7 q77977 q72347 q78997"_s},
        {u"小数计算"_s, 33, 33, u"q46"_s, u"10000以内能除尽的除法"_s, u"q1 q2 q3 q4"_s},
        {u"规律运算"_s, 29, 29, u"q7598903"_s, u"立方计算"_s,
         u"q9 q8 q77877 q77277 q75975 q75989"_s},
        {u"分数和比例"_s, 34, 34, u"q7697603"_s, u"较难分数变小数"_s, u"q500 q98725 q76976"_s},
        {u"基础概念"_s, 33, 33, u"q6007"_s, u"小学英语一年级第一学期句子"_s,
         u"q600 q66878 q6016"_s},
        {u"同步教学"_s, 18, 30, u"q522211"_s, u"小学5年级下"_s, u"q5333 q5222"_s},
        {u"四则运算"_s, 28, 28, u"q79688"_s, u"类型4较难"_s, u"q900 q7968"_s},
        {u"约数和倍数"_s, 28, 28, u"q7537507"_s, u"五年整存利息"_s, u"q700 q800 q8888700 q75375"_s},
        {u"数学游戏"_s, 21, 21, u"q612"_s, u"数形状"_s, u"q6"_s},
        // The sub-group is complete before its parent's second sub-group starts.
        {u"应用题"_s, 32, 32, u"q55"_s, u"应用题-较难"_s, u"q57257 q5800 q5"_s},
        {u"智力题"_s, 245, 245, u"q578"_s, u"追草帽"_s, u"q55555 q53565"_s},
        {u"讲座和故事"_s, 12, 16, u"q400"_s, u"数学故事"_s, u"q666666"_s},
        {u"各年级试卷"_s, 69, 69, u"q63667620"_s, u"北大附中寒假班六年级分班考试数学测验卷"_s,
         u"q200 q636676"_s},
        // Grade groups stay collapsed.
        {u"学习奥数"_s, 253, 265, u"q66788196"_s, u"第196题"_s, u"q299 q86789 q66788"_s},
        // Question-bank chapters stay collapsed.
        {u"奥数试卷"_s, 28, 33, u"q86389"_s, u"小学奥数专题练习题库"_s, u"q199 q86389"_s},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tab.toUtf8().constData())
            << row.tab << row.fixedCount << row.countWithFiles << row.lastKey << row.lastCaption
            << row.expanded.split(u' ');
}

void TstCatalogue::tabs()
{
    QFETCH(QString, tab);
    QFETCH(int, fixedCount);
    QFETCH(int, countWithFiles);
    QFETCH(QString, lastKey);
    QFETCH(QString, lastCaption);
    QFETCH(QStringList, expanded);

    const MemoryProgramFiles noFiles;
    const TopicTree fixed = build(noFiles, tab);
    QCOMPARE(fixed.size(), fixedCount);
    QCOMPARE(fixed.nodes().last().key, lastKey);
    QCOMPARE(fixed.nodes().last().caption, lastCaption);

    const MemoryProgramFiles files = fullFolder();
    const TopicTree tree = build(files, tab);
    QCOMPARE(tree.size(), countWithFiles);
    QCOMPARE(tree.expandedKeys(), expanded);

    static const QRegularExpression keyPattern(u"^qa?[0-9]+$"_s);
    static const QString families = u"+-×÷$&*{!?#jg"_s;
    for (const TopicNode &node : tree.nodes()) {
        QVERIFY2(keyPattern.match(node.key).hasMatch(), qPrintable(node.key));
        QVERIFY2(!node.tag.isEmpty() && families.contains(node.tag.front()),
                 qPrintable(node.key + u' ' + node.tag));
        QVERIFY2(!node.caption.isEmpty(), qPrintable(node.key));
    }
}

void TstCatalogue::fixedNodes_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("groupIcon");

    const struct
    {
        const char *name;
        QString tab, key, caption, parent, tag;
        bool groupIcon;
    } rows[] = {
        {"odd division caption", u"加减乘除"_s, u"q46"_s, u"10000以内能整除除法"_s, u"q4"_s,
         u"÷10000"_s, false},
        {"two-digit factors", u"加减乘除"_s, u"q39"_s, u"250内两位数乘两位数"_s, u"q3"_s, u"×251"_s,
         false},
        {"level game group", u"加减乘除"_s, u"q5111"_s, u"算术过关游戏"_s, QString(), u"{5111"_s,
         true},
        {"time run end", u"时间转换"_s, u"q76"_s, u"分转时（较难）"_s, u"q7"_s, u"$76"_s, false},
        {"time after run", u"时间转换"_s, u"q78"_s, u"各个年级的时间难题"_s, u"q7"_s, u"$78"_s,
         false},
        {"time arithmetic", u"时间转换"_s, u"q7234705"_s, u"除法2"_s, u"q72347"_s, u"$7234705"_s,
         false},
        {"comparison", u"规律运算"_s, u"q84"_s, u"少多少（较难）"_s, u"q8"_s, u"&84"_s, false},
        {"fraction run end", u"分数和比例"_s, u"q5025"_s, u"较难分子任意分数除法"_s, u"q500"_s,
         u"{5025"_s, false},
        {"ratio", u"分数和比例"_s, u"q9872502"_s, u"解比例-简单"_s, u"q98725"_s, u"$9872502"_s,
         false},
        {"formula", u"基础概念"_s, u"q601305"_s, u"小学数学公式5"_s, u"q6013"_s, u"{601305"_s,
         false},
        {"true or false", u"基础概念"_s, u"q668785"_s, u"第5份"_s, u"q66878"_s, u"#668785"_s,
         false},
        {"english run end", u"基础概念"_s, u"q6022"_s, u"小学英语PEP版六年级第二学期单词"_s,
         u"q6016"_s, u"{6022"_s, false},
        {"chained", u"四则运算"_s, u"q9018"_s, u"连加连减较难"_s, u"q900"_s, u"{9018"_s, false},
        {"equation", u"四则运算"_s, u"q79683"_s, u"类型1较难"_s, u"q7968"_s, u"$79683"_s, false},
        {"prime factors group", u"约数和倍数"_s, u"q8888700"_s, u"分解质因数"_s, QString(),
         u"{q8888700"_s, true},
        {"rate table", u"约数和倍数"_s, u"q7537508"_s, u"银行存款利率表（练习用，2010年12月）"_s,
         u"q75375"_s, u"{7537508"_s, false},
        {"gcd run end", u"约数和倍数"_s, u"q7006"_s, u"分场地"_s, u"q700"_s, u"{7006"_s, false},
        {"game run end", u"数学游戏"_s, u"q69"_s, u"猜数的大小"_s, u"q6"_s, u"!69"_s, false},
        {"area group", u"应用题"_s, u"q57257"_s, u"求面积和体积"_s, u"q5800"_s, u"$57257"_s, true},
        {"area run end", u"应用题"_s, u"q5725715"_s, u"体积单位转换"_s, u"q57257"_s, u"$5725715"_s,
         false},
        {"examples group", u"应用题"_s, u"q58"_s, u"例题"_s, u"q5800"_s, u"?3"_s, true},
        {"word problems", u"应用题"_s, u"q5"_s, u"应用题"_s, QString(), u"?0"_s, true},
        {"hard word problems", u"应用题"_s, u"q55"_s, u"应用题-较难"_s, u"q5"_s, u"?9"_s, false},
        {"brain gym", u"智力题"_s, u"q51"_s, u"脑力体操"_s, u"q55555"_s, u"?1"_s, true},
        {"brain teasers", u"智力题"_s, u"q59"_s, u"智力体操"_s, u"q55555"_s, u"?5"_s, true},
        {"first puzzle", u"智力题"_s, u"q511"_s, u"猫捉老鼠"_s, u"q51"_s, u"?11"_s, false},
        {"puzzle 666", u"智力题"_s, u"q533"_s, u"666"_s, u"q51"_s, u"?33"_s, false},
        {"thinking group", u"讲座和故事"_s, u"q300"_s, u"教你思考"_s, u"q666666"_s, u"j300"_s,
         true},
        {"story group", u"讲座和故事"_s, u"q400"_s, u"数学故事"_s, u"q666666"_s, u"g400"_s, true},
        {"last exam", u"各年级试卷"_s, u"q2023"_s, u"6年级2学期期末考试题"_s, u"q200"_s, u"#2023"_s,
         false},
        {"answers group", u"各年级试卷"_s, u"q2000"_s, u"试卷答案"_s, u"q200"_s, u"#2000"_s, false},
        {"last answer", u"各年级试卷"_s, u"q2059"_s, u"6年级2学期期末考答案"_s, u"q2000"_s,
         u"#2059"_s, false},
        {"topic run end", u"学习奥数"_s, u"q129925"_s, u"牛吃草问题"_s, u"q129900"_s, u"#129925"_s,
         false},
        {"grade 6 lessons", u"学习奥数"_s, u"q8678906"_s, u"六年级奥数"_s, u"q86789"_s,
         u"#8678906"_s, true},
        {"olympiad answer", u"奥数试卷"_s, u"q2060"_s, u"1991年全国奥数答案"_s, u"q199"_s,
         u"#2060"_s, false},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.tab << row.key << row.caption << row.parent << row.tag
                                << row.groupIcon;
}

void TstCatalogue::fixedNodes()
{
    QFETCH(QString, tab);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QFETCH(QString, tag);
    QFETCH(bool, groupIcon);

    const MemoryProgramFiles noFiles;
    const TopicTree tree = build(noFiles, tab);
    const TopicNode *node = tree.find(key);
    QVERIFY(node);
    QCOMPARE(node->caption, caption);
    QCOMPARE(node->parentKey, parent);
    QCOMPARE(node->tag, tag);
    QCOMPARE(node->icon == NodeIcon::Group, groupIcon);
}

void TstCatalogue::initialTree()
{
    const MemoryProgramFiles noFiles;
    TopicTree initial;
    CatalogueBuilder(noFiles).buildInitialTree(initial);
    const TopicTree arithmetic = build(noFiles, u"加减乘除"_s);

    QCOMPARE(initial.size(), arithmetic.size());
    for (qsizetype i = 0; i < initial.size(); ++i) {
        const TopicNode &node = initial.nodes()[i];
        const TopicNode &tabNode = arithmetic.nodes()[i];
        QCOMPARE(node.key, tabNode.key);
        QCOMPARE(node.parentKey, tabNode.parentKey);
        QCOMPARE(node.tag, tabNode.tag);
        QCOMPARE(node.icon, tabNode.icon);
        if (node.parentKey != u"q4")
            QCOMPARE(node.caption, tabNode.caption);
    }
    const QStringList divisionKeys = initial.childKeys(u"q4"_s);
    QCOMPARE(captionsOf(initial, divisionKeys),
             (QStringList{u"81以内除法"_s, u"100以内除法"_s, u"500以内除法"_s, u"1000以内除法"_s,
                          u"5000以内除法"_s, u"10000以内除法"_s}));
    QCOMPARE(initial.expandedKeys(), (QStringList{u"q1"_s, u"q2"_s, u"q3"_s, u"q4"_s, u"q5111"_s}));
}

void TstCatalogue::decimalTab()
{
    const MemoryProgramFiles noFiles;
    const TopicTree decimal = build(noFiles, u"小数计算"_s);
    const TopicTree arithmetic = build(noFiles, u"加减乘除"_s);

    // Same keys, parents and tags as the first four arithmetic groups.
    QCOMPARE(decimal.size(), 33);
    for (qsizetype i = 0; i < decimal.size(); ++i) {
        QCOMPARE(decimal.nodes()[i].key, arithmetic.nodes()[i].key);
        QCOMPARE(decimal.nodes()[i].parentKey, arithmetic.nodes()[i].parentKey);
        QCOMPARE(decimal.nodes()[i].tag, arithmetic.nodes()[i].tag);
    }
    QCOMPARE(captionsOf(decimal, decimal.childKeys(QString())),
             (QStringList{u"小数加法"_s, u"小数减法"_s, u"小数乘法"_s, u"小数除法"_s}));
    QCOMPARE(captionsOf(decimal, decimal.childKeys(u"q4"_s)),
             (QStringList{u"81以内能除尽的除法"_s, u"100以内能除尽的除法"_s,
                          u"500以内能除尽的除法"_s, u"1000以内能除尽的除法"_s,
                          u"5000以内能除尽的除法"_s, u"10000以内能除尽的除法"_s}));
    QCOMPARE(decimal.find(u"q13"_s)->caption, u"100以内加法"_s);
    QCOMPARE(decimal.find(u"q37"_s)->caption, u"500内两位数乘两位数"_s);
}

void TstCatalogue::unknownCaptionAddsNothing()
{
    const MemoryProgramFiles files = fullFolder();
    CatalogueBuilder builder(files);
    TopicTree tree;
    builder.buildTab(u"T1"_s, tree);
    builder.buildTab(u"加减乘除 "_s, tree);
    builder.buildTab(QString(), tree);
    QCOMPARE(tree.size(), 0);
    QVERIFY(builder.lessonList().isEmpty());
}

void TstCatalogue::gradeTopics_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("empty first line")
        << QByteArray("\r\nx\r\n") << QStringList{u"q533302002"_s} << QStringList{u"x"_s};
    QTest::newRow("gap keeps numbering") << gbk(u"10以内数的认识\r\n\r\n\r\n认识钟表\r\n"_s)
                                         << QStringList{u"q533302001"_s, u"q533302004"_s}
                                         << QStringList{u"10以内数的认识"_s, u"认识钟表"_s};
    QTest::newRow("GBK") << gbk(u"认识图形\r\n20以内的退位减法"_s)
                         << QStringList{u"q533302001"_s, u"q533302002"_s}
                         << QStringList{u"认识图形"_s, u"20以内的退位减法"_s};
    QTest::newRow("UTF-8 with LF")
        << utf8(u"位置\n100以内数的认识\n"_s) << QStringList{u"q533302001"_s, u"q533302002"_s}
        << QStringList{u"位置"_s, u"100以内数的认识"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList();

    QByteArray long1000;
    for (int i = 1; i <= 1000; ++i)
        long1000 += "\r\n";
    long1000 += "x";
    QTest::newRow("line beyond 999")
        << long1000 << QStringList{u"q5333021001"_s} << QStringList{u"x"_s};
}

void TstCatalogue::gradeTopics()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, captions);

    MemoryProgramFiles files;
    files.addFile(u"1.txt"_s, bytes);
    const TopicTree tree = build(files, u"同步教学"_s);
    QCOMPARE(tree.childKeys(u"q533302"_s), keys);
    QCOMPARE(captionsOf(tree, keys), captions);
    for (const QString &key : keys)
        QCOMPARE(tree.find(key)->tag, u'{' + key.mid(1));
    // The grade-2 node follows the grade-1 topics.
    const qsizetype grade2 = tree.nodes().indexOf(*tree.find(u"q533303"_s));
    QCOMPARE(grade2, 2 + keys.size());
}

void TstCatalogue::missingGradeFile()
{
    MemoryProgramFiles files = fullFolder();
    MemoryProgramFiles withoutGrade3;
    for (int grade : {1, 2, 4, 5, 6}) {
        const QString name = QString::number(grade) + u".txt"_s;
        withoutGrade3.addFile(name, gbk(*files.readText(name)));
    }
    const TopicTree tree = build(withoutGrade3, u"同步教学"_s);
    QVERIFY(tree.find(u"q533304"_s));
    QVERIFY(tree.childKeys(u"q533304"_s).isEmpty());
    QCOMPARE(tree.childKeys(u"q533305"_s).size(), 2);
    QCOMPARE(tree.childKeys(u"q5222"_s).size(), 10);
    QCOMPARE(tree.size(), 18 + 10);
}

void TstCatalogue::folderPages()
{
    const MemoryProgramFiles files = fullFolder();
    const TopicTree tree = build(files, u"讲座和故事"_s);

    // The index page of each folder is left out but keeps its number.
    QCOMPARE(tree.childKeys(u"q300"_s), (QStringList{u"q3001"_s, u"q3003"_s}));
    QCOMPARE(tree.find(u"q3001"_s)->caption, u"分苹果"_s);
    QCOMPARE(tree.find(u"q3003"_s)->caption, u"鸡兔同笼"_s);
    QCOMPARE(tree.find(u"q3003"_s)->tag, u"j3003"_s);
    QCOMPARE(tree.childKeys(u"q400"_s), (QStringList{u"q4002"_s, u"q4003"_s}));
    QCOMPARE(tree.find(u"q4002"_s)->caption, u"阿基米德"_s);
    QCOMPARE(tree.find(u"q4003"_s)->caption, u"高斯的故事"_s);
    QCOMPARE(tree.find(u"q4002"_s)->tag, u"g4002"_s);
    QCOMPARE(tree.find(u"q4002"_s)->icon, NodeIcon::Topic);
    // The book pages come before the story group.
    QCOMPARE(tree.nodes().indexOf(*tree.find(u"q400"_s)), 13);
}

void TstCatalogue::emptyFolders()
{
    MemoryProgramFiles files;
    files.addFile(u"book/教你思考.htm"_s, "<html></html>");
    const TopicTree tree = build(files, u"讲座和故事"_s);
    QVERIFY(tree.childKeys(u"q300"_s).isEmpty());
    QVERIFY(tree.childKeys(u"q400"_s).isEmpty());
    QCOMPARE(tree.size(), 12);
}

void TstCatalogue::countedProblems()
{
    const MemoryProgramFiles files = fullFolder();
    CatalogueBuilder builder(files);
    TopicTree tree;
    for (int build = 0; build < 2; ++build) {
        tree.clear();
        builder.buildTab(u"智力题"_s, tree);
        const QStringList fun = tree.childKeys(u"q53565"_s);
        QCOMPARE(fun.size(), 172);
        QCOMPARE(fun.mid(0, 4),
                 (QStringList{u"q5356501"_s, u"qa5356501"_s, u"q5356502"_s, u"qa5356502"_s}));
        QCOMPARE(fun.last(), u"qa5356586"_s);
        QCOMPARE(tree.find(u"q5356509"_s)->caption, u"第9题"_s);
        QCOMPARE(tree.find(u"qa5356586"_s)->caption, u"第86题答案"_s);
        QCOMPARE(tree.find(u"qa5356586"_s)->tag, u"#5356586"_s);
        QCOMPARE(tree.find(u"q5356586"_s)->tag, u"#5356586"_s);
        // The puzzles come after the fun problems, under 脑力体操.
        QCOMPARE(tree.childKeys(u"q51"_s).size(), 68);
    }
    for (int build = 0; build < 2; ++build) {
        tree.clear();
        builder.buildTab(u"学习奥数"_s, tree);
        const QStringList explained = tree.childKeys(u"q66788"_s);
        QCOMPARE(explained.size(), 196);
        QCOMPARE(explained.first(), u"q66788001"_s);
        QCOMPARE(tree.find(u"q66788001"_s)->caption, u"第1题"_s);
        QCOMPARE(tree.find(u"q66788058"_s)->caption, u"第58题"_s);
        QCOMPARE(tree.find(u"q66788196"_s)->tag, u"#66788196"_s);
    }
}

void TstCatalogue::lessonTitle_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("title");

    QTest::newRow("link") << u"<a href=3_1.htm>和差问题</a>"_s << u"和差问题"_s;
    QTest::newRow("spaces kept") << u"<b> 一、数的整除 </b>"_s << u" 一、数的整除 "_s;
    QTest::newRow("no markup") << u"植树问题"_s << u"植树问题"_s;
    QTest::newRow("no '>'") << u"年龄问题<br"_s << u"年龄问题"_s;
    QTest::newRow("'>' only after '<'") << u"年龄问题</a>"_s << QString();
    QTest::newRow("no '<' after '>'") << u"<a href=x>周期问题"_s << u"周期问题"_s;
    QTest::newRow("'<' only before '>'") << u"<a>"_s << QString();
    QTest::newRow("empty between") << u"<a href=x></a>"_s << QString();
    QTest::newRow("empty line") << QString() << QString();
    QTest::newRow("first '>' wins") << u"<p><a>牛吃草</a></p>"_s << QString();
    QTest::newRow("later '<' after text") << u"x>鸡兔<同笼>"_s << u"鸡兔"_s;
}

void TstCatalogue::lessonTitle()
{
    QFETCH(QString, line);
    QFETCH(QString, title);
    QCOMPARE(CatalogueBuilder::lessonTitle(line), title);
}

void TstCatalogue::gradeLessons()
{
    MemoryProgramFiles files = fullFolder();
    // Grade 3: a line without markup, one with an empty title, and enough
    // lines to pass two-digit numbering.
    QString grade3 = u"<a href=3_1.htm>和差问题</a>\r\n速算与巧算\r\n<a href=3_3.htm></a>\r\n"_s;
    for (int i = 3; i < 100; ++i)
        grade3 += u"<a>练习%1</a>\r\n"_s.arg(i);
    grade3 += u"<a>第一百零一课</a>\r\n"_s;
    files.addFile(u"zimu/3aoshulesson.txt"_s, gbk(grade3));

    CatalogueBuilder builder(files);
    TopicTree tree;
    builder.buildTab(u"学习奥数"_s, tree);

    const QStringList grade3Keys = tree.childKeys(u"q8678903"_s);
    QCOMPARE(grade3Keys.size(), 100);
    QCOMPARE(grade3Keys.mid(0, 3),
             (QStringList{u"q867890300"_s, u"q867890301"_s, u"q867890303"_s}));
    QCOMPARE(tree.find(u"q867890300"_s)->caption, u"和差问题"_s);
    QCOMPARE(tree.find(u"q867890301"_s)->caption, u"速算与巧算"_s);
    QCOMPARE(tree.find(u"q867890301"_s)->tag, u"#867890301"_s);
    QCOMPARE(tree.find(u"q8678903100"_s)->caption, u"第一百零一课"_s);

    QCOMPARE(tree.childKeys(u"q8678906"_s),
             (QStringList{u"q867890600"_s, u"q867890601"_s, u"q867890602"_s}));
    QCOMPARE(tree.find(u"q867890602"_s)->caption, u"比和比例"_s);
    QCOMPARE(tree.find(u"q867890602"_s)->parentKey, u"q8678906"_s);
    QCOMPARE(tree.find(u"q867890602"_s)->icon, NodeIcon::Topic);

    // The last index read stays as the lesson list.
    QCOMPARE(builder.lessonList(),
             (QStringList{u"<a href=6_1.htm>分数应用题</a>"_s, u"<a href=6_2.htm>工程问题</a>"_s,
                          u"<a href=6_3.htm>比和比例</a>"_s}));
}

void TstCatalogue::questionBank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("parents");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("groupIcons");

    QTest::newRow("chapters and sets")
        << u"<b>一、数的整除</b>\r\n<a href=tk1.htm>整除练习一</a>\r\n"
           u"<b>二、行程问题</b>\r\n<a href=tk2.htm>相遇问题</a>\r\n"
           u"<a href=tk3.htm>追及问题</a>"_s
        << QStringList{u"q86389000"_s, u"q86389001"_s, u"q86389002"_s, u"q86389003"_s,
                       u"q86389004"_s}
        << QStringList{u"q86389"_s, u"q86389000"_s, u"q86389"_s, u"q86389002"_s, u"q86389002"_s}
        << QStringList{u"一、数的整除"_s, u"整除练习一"_s, u"二、行程问题"_s, u"相遇问题"_s,
                       u"追及问题"_s}
        << QList<bool>{true, false, true, false, false};
    QTest::newRow("set before any chapter")
        << u"<a>数字谜练习</a>\r\n<b>三、计数问题</b>\r\n<a>排列组合</a>"_s
        << QStringList{u"q86389000"_s, u"q86389001"_s, u"q86389002"_s}
        << QStringList{u"q86389"_s, u"q86389"_s, u"q86389001"_s}
        << QStringList{u"数字谜练习"_s, u"三、计数问题"_s, u"排列组合"_s}
        << QList<bool>{false, true, false};
    QTest::newRow("lines without markup")
        << u"四、几何问题\r\n\r\n三角形面积\r\n<a></a>\r\n<\r\n>\r\n圆的周长"_s
        << QStringList{u"q86389000"_s, u"q86389002"_s, u"q86389006"_s}
        << QStringList{u"q86389"_s, u"q86389000"_s, u"q86389000"_s}
        << QStringList{u"四、几何问题"_s, u"三角形面积"_s, u"圆的周长"_s}
        << QList<bool>{true, false, false};
}

void TstCatalogue::questionBank()
{
    QFETCH(QString, text);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, parents);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, groupIcons);

    MemoryProgramFiles files;
    files.addFile(u"zimu/tk.txt"_s, gbk(text));
    CatalogueBuilder builder(files);
    TopicTree tree;
    builder.buildTab(u"奥数试卷"_s, tree);

    QCOMPARE(tree.size(), 28 + keys.size());
    const QList<TopicNode> added = tree.nodes().mid(28);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QCOMPARE(added[i].key, keys[i]);
        QCOMPARE(added[i].parentKey, parents[i]);
        QCOMPARE(added[i].caption, captions[i]);
        QCOMPARE(added[i].tag, u'#' + keys[i].mid(1));
        QCOMPARE(added[i].icon == NodeIcon::Group, groupIcons[i]);
    }
    QCOMPARE(builder.lessonList(), text.split(u"\r\n"_s));
    QCOMPARE(tree.expandedKeys(), (QStringList{u"q199"_s, u"q86389"_s}));
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
