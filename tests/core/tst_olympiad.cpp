// The olympiad problems: every page of 奥数题详解 and 数学趣题 in the program
// folder, each numeric key recomputed with exact fractions and found again in
// its explanation's last line; the grading of the explanation pages; the
// answer password of the answer pages.
#include "app/core/pagefamilies.h"
#include "controllerfixture.h"
#include "page/exactexpression.h"
#include "page/pagetext.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

QString programFile(const QString &relative)
{
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR) + u"/data/"_s + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every number written in a text; "20%" counts as 1/5 and as 20 (a box
// whose unit is "%").
QList<Rational> numbersIn(const QString &text)
{
    QList<Rational> numbers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isDigit() || (i > 0 && (text[i - 1].isDigit() || text[i - 1] == u'.')))
            continue;
        qsizetype used = 0;
        if (const std::optional<Rational> n = leadingNumber(QStringView(text).mid(i), &used)) {
            numbers.append(*n);
            if (text.mid(i, used).endsWith(u'%'))
                numbers.append(*n * Rational(100));
            i += used - 1;
        }
    }
    return numbers;
}

// A choice page: R1 … R4, one of them tagged "good". A box page: "answer".
PageDocument choicePage(const QString &answerValue = {})
{
    QList<PageElement> elements;
    for (int j = 1; j <= 4; ++j)
        elements.append(
            {u"R"_s + QString::number(j), {}, u"radio"_s, u"on"_s, j == 3 ? u"good"_s : u"bad"_s});
    if (!answerValue.isNull())
        elements = {{u"answer"_s, {}, u"text"_s, answerValue, u"12"_s}};
    elements.append({u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"先算[br]a<b"_s});
    return PageDocument(elements);
}

} // namespace

class TestOlympiad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void explanationPages();
    void funProblemPages();
    void explanationsStayText();
    void gradingVariant_data();
    void gradingVariant();
    void answerPagesNeedThePassword();
};

void TestOlympiad::explanationPages()
{
    static const QRegularExpression boxKey(
        u"<!--calc:([^>]*?)-->\\s*<input class=text name=answer [^>]*tag=([^\\s>]+)"_s);
    static const QRegularExpression goodChoice(
        u"tag=good>\\s*[A-D]．(?:<!--calc:([^>]*?)-->)?([^<]*)"_s);
    int choices = 0;
    int boxes = 0;
    for (int m = 1; m <= 196; ++m) {
        const QString name = u"zimu/aoshu%1.htm"_s.arg(m);
        const QString html = programFile(name);
        QVERIFY2(!html.isEmpty(), qPrintable(name));
        const PageDocument page = PageText(html).snapshot();
        const PageElement *finish = page.find(u"finish"_s);
        QVERIFY2(finish && !finish->tag.isEmpty(), qPrintable(name));

        QString expression;
        QString key;
        if (page.find(u"R1"_s)) {
            ++choices;
            int good = 0;
            for (int j = 1; j <= 4; ++j) {
                const PageElement *choice = page.find(u"R"_s + QString::number(j));
                QVERIFY2(choice, qPrintable(name));
                good += choice->tag == "good"_L1;
            }
            QCOMPARE(good, 1);
            const QRegularExpressionMatch m = goodChoice.match(html);
            QVERIFY2(m.hasMatch(), qPrintable(name));
            expression = m.captured(1);
            key = m.captured(2).trimmed();
        } else {
            ++boxes;
            const PageElement *box = page.find(u"answer"_s);
            QVERIFY2(box && !box->tag.isEmpty(), qPrintable(name));
            const QRegularExpressionMatch m = boxKey.match(html);
            QVERIFY2(m.hasMatch(), qPrintable(name)); // every box answer is a number
            expression = m.captured(1);
            key = box->tag;
        }
        if (expression.isEmpty())
            continue; // an answer that is not a number
        const std::optional<Rational> value = evaluateExact(expression);
        QVERIFY2(value, qPrintable(name));
        QVERIFY2(leadingNumber(key) == value, qPrintable(name + u' ' + key));
        const QString lastLine = finish->tag.section(u"[br]"_s, -1);
        QVERIFY2(numbersIn(lastLine).contains(*value), qPrintable(name + u' ' + lastLine));
    }
    QVERIFY(choices >= 60 && boxes >= 60);
}

void TestOlympiad::funProblemPages()
{
    for (int m = 1; m <= 86; ++m)
        for (const QString &file : {u"index.htm"_s, u"indexa.htm"_s}) {
            const QString name = u"zimu/sxqt/%1/"_s.arg(m) + file;
            QVERIFY2(programFile(name).contains(u"<h1>"_s), qPrintable(name));
        }
}

void TestOlympiad::explanationsStayText()
{
    QCOMPARE(explanationHtml(u"a<b & c>d[br][img src=pic/2.gif]]]]]]"_s),
             u"a&lt;b &amp; c&gt;d<br><img src=pic/2.gif>"_s);
}

void TestOlympiad::gradingVariant_data()
{
    QTest::addColumn<QStringList>("clicks"); // mouse-down and -up on these, in order
    QTest::addColumn<QString>("typed");      // null: a choice page
    QTest::addColumn<QString>("said");
    const QString right = u"<br><br>（√）<br><br>答案解释：<br><br>"_s;
    const QString wrong = u"<br><br>（×）<br><br>正确答案及解释：<br><br>"_s;
    QTest::newRow("right choice") << QStringList{u"R3"_s} << QString() << right;
    QTest::newRow("wrong choice") << QStringList{u"R1"_s} << QString() << wrong;
    QTest::newRow("changed to right") << QStringList{u"R2"_s, u"R3"_s} << QString() << right;
    QTest::newRow("box left empty")
        << QStringList{u"finish"_s} << u""_s << u"<br><br>正确答案及解释：<br><br>"_s;
    QTest::newRow("box right") << QStringList{u"finish"_s} << u"１２"_s << right;
    QTest::newRow("box wrong") << QStringList{u"finish"_s} << u"13"_s << wrong;
}

void TestOlympiad::gradingVariant()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    ControllerFixture<> f(1);
    f.onTab(u"T15");
    f.click(u"q66788002"_s);
    QCOMPARE(f.view.main.loadedFile, f.files.absolutePath(u"zimu/aoshu2.htm"_s));

    PageDocument page = choicePage(typed);
    for (const QString &target : clicks) {
        f.controller.pageEvent(u"mousedown"_s, target, page);
        f.controller.pageEvent(u"mouseup"_s, target, page);
    }
    f.view.main.edits.clear();
    f.controller.pageEvent(u"click"_s, u"finish"_s, page);
    QCOMPARE(marksOnly(f.view.main.edits),
             (DomEdits{DomEdit::insertHtmlAfter(u"finish"_s, said + u"先算<br>a&lt;b"_s)}));
    // The flags of the answered page are spent.
    const ExplanationChoices &flags = *f.controller.families().explanations;
    QVERIFY(!flags.choiceMade && !flags.choiceCorrect && !flags.answerEmpty);
}

void TestOlympiad::answerPagesNeedThePassword()
{
    ControllerFixture<> f(1);
    f.onTab(u"T12");
    f.click(u"q5356507"_s);
    QCOMPARE(f.view.main.loadedFile, f.files.absolutePath(u"zimu/sxqt/7/index.htm"_s));
    f.click(u"qa5356507"_s);
    QCOMPARE(f.view.main.loadedFile, f.files.absolutePath(u"zimu/sxqt/7/indexa.htm"_s));

    f.controller.accounts().loginAsStudent();
    f.view.main.navigations.clear();
    f.click(u"qa5356508"_s);
    QVERIFY(f.view.main.navigations.isEmpty());
    QCOMPARE(f.view.messages.last(), u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s);
}

QTEST_GUILESS_MAIN(TestOlympiad)
#include "tst_olympiad.moc"
