#include "topics/divisors.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "topics/chinesenumerals.h"

#include <QMap>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel::divisors {

namespace {

int draw(RandomSource &random, NumberRange range)
{
    return random.below(range.high - range.low + 1, range.low);
}

// The same two numbers in either order make the same question.
quint64 pairKey(int a, int b)
{
    return (quint64(quint32(std::min(a, b))) << 32) | quint32(std::max(a, b));
}

using PairTest = bool (*)(int a, int b);

Page pairDrill(RandomSource &random, NumberRange range, int itemCount, PairTest accept,
               const QString &asked, qint64 (*answer)(int, int))
{
    Page page;
    QSet<quint64> used;
    for (int i = 1; i <= itemCount; ++i) {
        int a = 0;
        int b = 0;
        do {
            a = draw(random, range);
            b = draw(random, range);
        } while (a == b || !accept(a, b) || used.contains(pairKey(a, b)));
        used.insert(pairKey(a, b));
        page.text += page::horizontalItem(i, numberText(a) + u"和"_s + numberText(b) + asked,
                                          numberText(answer(a, b)));
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

// A level's draws that keep repeating earlier products give up after this
// many tries in a row and take the smallest product not yet asked.
constexpr int redrawLimit = 10000;

QString toHtml(QString text)
{
    text.replace(u"\r\n"_s, u"<br>"_s);
    text.replace(u'\n', u"<br>"_s);
    text.replace(u' ', u"&nbsp;"_s);
    return text;
}

} // namespace

NumberRange gcdRange(Level level)
{
    switch (level) {
    case Level::Easy:
        return {1, 50};
    case Level::Middle:
        return {1, 200};
    case Level::Hard:
        break;
    }
    return {1, 1000};
}

NumberRange lcmRange(Level level)
{
    switch (level) {
    case Level::Easy:
        return {2, 20};
    case Level::Middle:
        return {10, 59};
    case Level::Hard:
        break;
    }
    return {60, 309};
}

Page gcdDrill(RandomSource &random, Level level, int itemCount)
{
    return pairDrill(
        random, gcdRange(level), itemCount,
        [](int a, int b) { return QiuZuiDaGongYueShu(a, b) > 1; }, u"的最大公约数 = "_s,
        [](int a, int b) { return qint64(QiuZuiDaGongYueShu(a, b)); });
}

Page lcmDrill(RandomSource &random, Level level, int itemCount)
{
    return pairDrill(
        random, lcmRange(level), itemCount, [](int, int) { return true; }, u"的最小公倍数 = "_s,
        [](int a, int b) { return qint64(a) / QiuZuiDaGongYueShu(a, b) * b; });
}

QList<QList<int>> factorPrimes(Level level)
{
    switch (level) {
    case Level::Easy:
        return {{2, 3, 5}, {2, 3, 5}, {2, 3, 5, 7}};
    case Level::Middle:
        return {{2, 3, 5}, {3, 5, 7, 11}, {3, 5, 7, 11}};
    case Level::Hard:
        break;
    }
    return {{3, 5, 7, 11}, {5, 7, 11, 13}, {7, 11, 13, 17}};
}

namespace {

// Every product of the level with its three factors.
QMap<int, QList<int>> levelProducts(Level level)
{
    const QList<QList<int>> primes = factorPrimes(level);
    QMap<int, QList<int>> products;
    for (int p1 : primes[0])
        for (int p2 : primes[1])
            for (int p3 : primes[2])
                products.insert(p1 * p2 * p3, {p1, p2, p3});
    return products;
}

} // namespace

QList<int> factorisationProducts(Level level)
{
    return levelProducts(level).keys();
}

QString factorText(QList<int> factors)
{
    std::sort(factors.begin(), factors.end());
    QStringList parts;
    for (int f : std::as_const(factors))
        parts.append(numberText(f));
    return parts.join(u'*');
}

Page factorisationDrill(RandomSource &random, Level level, int itemCount)
{
    const QList<QList<int>> primes = factorPrimes(level);
    const QMap<int, QList<int>> products = levelProducts(level);
    const int items = std::min(itemCount, int(products.size()));

    Page page;
    page.text =
        u"用键盘上的*号代替乘号，填入的数字请按从小到大的顺序排列，否则按答错处理。<br><br>"_s;
    QSet<int> used;
    for (int i = 1; i <= items; ++i) {
        QList<int> factors;
        int n = 0;
        for (int tries = 0;; ++tries) {
            if (tries == redrawLimit) {
                // The draws keep landing on products already asked.
                auto unused = std::find_if(products.keyBegin(), products.keyEnd(),
                                           [&used](int p) { return !used.contains(p); });
                n = *unused;
                factors = products.value(n);
                break;
            }
            factors.clear();
            for (const QList<int> &choices : primes)
                factors.append(choices[random.below(choices.size(), 1) - 1]);
            n = factors[0] * factors[1] * factors[2];
            if (!used.contains(n))
                break;
        }
        used.insert(n);
        page.text += page::horizontalItem(i, numberText(n) + u"="_s, factorText(factors));
    }
    page.text += page::submitLine();
    page.items = items;
    return page;
}

QString conceptPage(const QString &storedText)
{
    QString text = storedText;
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    text.replace(u"\r\n"_s, u"<br>"_s);
    text.replace(u'\n', u"<br>"_s);
    return text;
}

QString revealButton()
{
    return u"<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
           u"<input class=button name=finish type=button size=7 value=查看答案 tag=十>"_s;
}

QString gcdWordProblemPage(int number)
{
    QString problem;
    if (number == copperWireNumber)
        problem =
            u"有三根铜丝，第一根长24米，第二根长18米，第三根长30米，现在要把它们截成长短一样的"
            u"小段，每段最长能是几米？一共可以截成多少段？"_s;
    else if (number == playgroundNumber)
        problem = u"一块长方形场地，长60米，宽36米。要把它分成面积相同的正方形，并使面积最大，而且"
                  u"正好分完没有剩余，正方形的边长最长应是多少米？能分成多少个这样的正方形场地？"_s;
    else
        return {};
    return problem + revealButton() + u"<br><br>"_s;
}

QString gcdWordProblemAnswer(int number)
{
    if (number == copperWireNumber)
        return u"每段最长能是6米，一共可以截成12段。<br>"
               u"每段的长度既要是24的约数，又要是18和30的约数，要使每段最长，就要求24、18和30的"
               u"最大公约数。<br>"
               u"24=2×2×2×3，18=2×3×3，30=2×3×5，公有的质因数是2和3，<br>"
               u"所以最大公约数是2×3=6，每段最长6米。<br>"
               u"24÷6=4（段），18÷6=3（段），30÷6=5（段），4+3+5=12（段）。"_s;
    if (number == playgroundNumber)
        return u"正方形的边长最长是12米，能分成15个这样的正方形场地。<br>"
               u"正方形的边长既要是60的约数，又要是36的约数，要使面积最大，就要求60和36的最大公约数"
               u"。"
               u"<br>"
               u"60=2×2×3×5，36=2×2×3×3，公有的质因数是2、2和3，<br>"
               u"所以最大公约数是2×2×3=12，正方形的边长最长是12米。<br>"
               u"长可以分成60÷12=5（个），宽可以分成36÷12=3（个），一共能分成5×3=15（个）正方形。"_s;
    return {};
}

QString revealText(const QString &answerHtml, int seconds)
{
    return u"<h2>"_s + answerHtml + u"</h2><br>思考用时"_s + QString::number(seconds) + u"秒！"_s;
}

ExampleCollection::ExampleCollection(const QString &text, int suffixDigits)
    : m_pieces(text.split(u"【"_s)), m_digits(suffixDigits)
{
}

bool ExampleCollection::isExample(int k) const
{
    int capacity = 1;
    for (int d = 0; d < m_digits; ++d)
        capacity *= 10;
    capacity -= 2; // the suffixes run from 2 to 10^digits − 1
    return k >= 1 && k < m_pieces.size() && k <= capacity && m_pieces[k].contains(u"】"_s);
}

QList<ExampleCollection::Entry> ExampleCollection::entries() const
{
    QList<Entry> list;
    for (int k = 1; k < m_pieces.size(); ++k) {
        if (!isExample(k))
            continue;
        const QString &piece = m_pieces[k];
        list.append(
            {u"%1"_s.arg(k + 1, m_digits, 10, QChar(u'0')), piece.left(piece.indexOf(u"】"_s))});
    }
    return list;
}

QString ExampleCollection::problemHtml(int k) const
{
    if (!isExample(k))
        return {};
    const QString &piece = m_pieces[k];
    QString problem = piece.mid(piece.indexOf(u"】"_s) + 1);
    const qsizetype answer = problem.indexOf(u"答案="_s);
    if (answer >= 0)
        problem.truncate(answer);
    return toHtml(problem);
}

QString ExampleCollection::answerHtml(int k) const
{
    if (!isExample(k))
        return {};
    const QString &piece = m_pieces[k];
    const qsizetype answer = piece.indexOf(u"答案="_s);
    return answer < 0 ? QString() : toHtml(piece.mid(answer + 3));
}

QString examplePage(const QString &title, const QString &problemHtml)
{
    return u"<h1>"_s + title + u"</h1><h2>"_s + problemHtml + u"</h2>"_s + revealButton() +
           u"<br><br>"_s;
}

} // namespace quorvel::divisors
