#include "app/core/grading.h"

#include "page/pagedocument.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// The value of the key after its first character, as its leading digits.
qint64 keyNumber(const QString &key)
{
    qint64 value = 0;
    for (qsizetype i = 1; i < key.size() && key[i].isDigit() && i < 19; ++i)
        value = value * 10 + key[i].digitValue();
    return value;
}

bool passesGeneralTest(const QString &key)
{
    if (key.startsWith("q88887"_L1) && keyNumber(key) < 8888705)
        return true;
    if (key.startsWith("q8"_L1) && key.size() == 5)
        return true;
    if (key.startsWith("q7"_L1) && keyNumber(key) < 7005)
        return true;
    const QString two = key.left(2);
    return two == "q4"_L1 || two == "q3"_L1 || two == "q2"_L1 || two == "q1"_L1;
}

bool isRevealedAnswerKey(const QString &key)
{
    if (key == "q7005"_L1 || key == "q7006"_L1)
        return true;
    const qint64 n = keyNumber(key);
    if (key.size() == 4 && n >= 511 && n <= 578)
        return true;
    return key.size() == 5 && n >= 5801 && n <= 5808;
}

bool isTopicPageKey(const QString &key, const QString &parentKey)
{
    static const QStringList prefixes = {u"q9"_s,     u"q77877"_s, u"q78997"_s, u"q72347"_s,
                                         u"q75989"_s, u"q77977"_s, u"q76976"_s, u"q75975"_s,
                                         u"q77277"_s, u"q75375"_s, u"q57257"_s, u"q7968"_s};
    for (const QString &prefix : prefixes)
        if (key.startsWith(prefix))
            return true;
    return parentKey == "q66878"_L1;
}

} // namespace

QList<GradingVariant> gradingVariants(const QString &key, const QString &parentKey)
{
    const QString three = key.left(3);
    QList<GradingVariant> variants;
    const auto test = [&variants](bool passes, GradingVariant variant) {
        if (passes)
            variants.append(variant);
    };
    test(key == "q78"_L1, GradingVariant::TimePuzzles);
    test(three == "q61"_L1, GradingVariant::TwentyFour);
    test(three == "q62"_L1, GradingVariant::MemoryCards);
    test(key.size() == 3 && (three == "q75"_L1 || three == "q76"_L1),
         GradingVariant::MinutesToHours);
    test(three == "q50"_L1 && key.size() == 5, GradingVariant::Fractions);
    test(key == "q55"_L1 || key == "q56"_L1 || key == "q57"_L1, GradingVariant::WordProblems);
    test(passesGeneralTest(key), GradingVariant::General);
    test(key.startsWith("q8"_L1) && key.size() == 3, GradingVariant::Comparison);
    test(parentKey == "q8888705"_L1, GradingVariant::FactorisationExamples);
    test(parentKey == "q66788"_L1, GradingVariant::OlympiadExplanations);
    test(key.startsWith("q8005"_L1) && key.size() == 8, GradingVariant::LcmExamples);
    test(three == "q59"_L1 && key.size() == 6, GradingVariant::BrainTeasers);
    test(isRevealedAnswerKey(key), GradingVariant::RevealedAnswers);
    test(isTopicPageKey(key, parentKey), GradingVariant::TopicPages);
    return variants;
}

bool endsGradingAtOnce(GradingVariant variant)
{
    return variant == GradingVariant::TimePuzzles || variant == GradingVariant::MinutesToHours;
}

bool usesItemGrading(GradingVariant variant)
{
    // The fraction pages have two boxes per item and grade on their own.
    return variant == GradingVariant::General || variant == GradingVariant::TopicPages;
}

int pointsPerItem(int itemCount)
{
    return itemCount > 0 ? qRound(100.0 / itemCount) : 0;
}

QString resultLine(int score, int seconds)
{
    if (score == 100)
        return u"<br>非常不错！你的得分是100分，用时"_s + QString::number(seconds) +
               u"秒！<br><img src=zimu\\jb.gif>"_s;
    return u"<br>你的得分是"_s + QString::number(score) + u"分，用时"_s + QString::number(seconds) +
           u"秒！"_s;
}

GradingResult gradeItems(PageDocument &page, const ItemGrading &grading)
{
    GradingResult result;
    int right = 0;
    for (int i = 1; i <= grading.itemCount; ++i) {
        const QString keyName = u"answer"_s + QString::number(i);
        const PageElement *keyBox = page.find(keyName);
        if (!keyBox)
            continue; // an item the page does not have earns nothing
        const PageElement *typedBox = keyBox;
        if (grading.inequality) {
            if (const PageElement *visible = page.find(u"Qanswer"_s + QString::number(i)))
                typedBox = visible;
        }
        const QString tag = keyBox->tag;
        if (typedBox->value == tag) {
            page.insertTextAfter(keyName, u"(√)"_s);
            ++right;
        } else {
            page.insertTextAfter(keyName, u"(×，正确答案："_s + tag + u")"_s);
        }
    }
    // 100 ÷ n points an item; as a share of 100 so that a page cut short
    // (fewer distinct items than asked) still reaches 100 when all are right.
    result.score = grading.itemCount > 0 ? qRound(100.0 * right / grading.itemCount) : 0;
    page.insertHtmlAfter(u"finish"_s, resultLine(result.score, grading.elapsedSeconds));
    return result;
}

} // namespace quorvel
