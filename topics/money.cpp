#include "topics/money.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

using namespace Qt::StringLiterals;

namespace quorvel::money {

namespace {

QString n(int value)
{
    return numberText(value);
}

// Y元J角 as written in a question.
QString amount(int yuan, int jiao)
{
    return n(yuan) + u"元"_s + n(jiao) + u"角"_s;
}

int drawYuan(RandomSource &random)
{
    return random.below(15, 1); // 1 to 15
}

int drawJiao(RandomSource &random)
{
    return random.below(9, 1); // 1 to 9
}

// The paid amount of the change items: 5, 10, 50 or 100 元 by item number.
int paidFor(int item)
{
    if (item <= 3)
        return 5;
    if (item <= 6)
        return 10;
    if (item <= 8)
        return 50;
    return 100;
}

QString intro(int kind)
{
    switch (kind) {
    case Addition:
        return u"钱数和钱数之间不能相乘。加法运算的应用题如：本子花了1元2角，"
               u"铅笔花了1元3角，一共花了多少钱？<br><br>"_s;
    case Subtraction:
        return u"钱数和钱数之间不能相乘。减法运算的应用题如：1个本子1元2角，"
               u"给营业员5元钱，营业员应该找回多少钱？<br><br>"_s;
    case Multiplication:
        return u"涉及到钱的乘法运算应用题如：每个本子卖1元2角，小明买了7个本子，一共花了多少钱？"
               u"<br><br>"_s;
    case Division:
        return u"涉及到钱的除法运算应用题如：小明买了7个本子，一共花了7元7角，一个本子多少钱？"
               u"<br><br>"_s;
    default:
        return {};
    }
}

// Item i of a kind: the question after "题：" followed by its box or boxes.
QString item(int kind, int i, RandomSource &random)
{
    switch (kind) {
    case YuanToJiao: {
        const int yuan = drawYuan(random);
        const int jiao = drawJiao(random);
        return amount(yuan, jiao) + u" = "_s + page::answerBox(i, n(10 * yuan + jiao)) +
               u"角<br><br>"_s;
    }
    case JiaoToYuan: {
        const int yuan = drawYuan(random);
        const int jiao = drawJiao(random);
        return n(10 * yuan + jiao) + u"角 = "_s + yuanJiaoBoxes(i, yuan, jiao);
    }
    case Addition: {
        const int yuan1 = drawYuan(random);
        const int jiao1 = drawJiao(random);
        const int yuan2 = drawYuan(random);
        const int jiao2 = drawJiao(random);
        const int total = 10 * (yuan1 + yuan2) + jiao1 + jiao2; // in 角
        return amount(yuan1, jiao1) + u" + "_s + amount(yuan2, jiao2) + u" = "_s +
               yuanJiaoBoxes(i, total / 10, total % 10);
    }
    case Subtraction: {
        const int paid = paidFor(i);
        const int priceYuan = random.below(paid, 0); // 0 to paid − 1
        const int priceJiao = drawJiao(random);
        const QString price =
            (priceYuan != 0 ? n(priceYuan) + u"元"_s : QString()) + n(priceJiao) + u"角"_s;
        return n(paid) + u"元 - "_s + price + u" = "_s +
               yuanJiaoBoxes(i, paid - priceYuan - 1, 10 - priceJiao);
    }
    case Multiplication:
    case Division: {
        const int yuan = drawYuan(random);
        const int jiao = drawJiao(random);
        const int times = random.below(12, 2);          // 2 to 13
        const int product = times * (10 * yuan + jiao); // in 角
        if (kind == Multiplication)
            return amount(yuan, jiao) + u" × "_s + n(times) + u" = "_s +
                   yuanJiaoBoxes(i, product / 10, product % 10);
        return amount(product / 10, product % 10) + u" ÷ "_s + n(times) + u" = "_s +
               yuanJiaoBoxes(i, yuan, jiao);
    }
    default:
        return {};
    }
}

} // namespace

QString yuanJiaoBoxes(int item, int yuan, int jiao)
{
    const QString i = QString::number(item);
    return u" <input class=text name=answerleft"_s + i + u" type=text size=7 tag="_s + n(yuan) +
           u">元 <input class=text name=answerright"_s + i + u" type=text size=7 tag="_s + n(jiao) +
           u">角<br><br>"_s;
}

Page RenMinBi(int number, int itemCount, RandomSource &random)
{
    if (number < YuanToJiao || number > Division)
        return {};
    Page page;
    page.pairAnswer = u"%1元%2角"_s;
    page.items = number == Subtraction ? 10 : itemCount;
    page.text = intro(number);
    for (int i = 1; i <= page.items; ++i)
        page.text += page::itemLabel(i) + item(number, i, random);
    page.text += page::submitLine();
    return page;
}

} // namespace quorvel::money
