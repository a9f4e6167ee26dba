#include "content/storedtexts.h"

#include <QFile>
#include <QHash>

using namespace Qt::StringLiterals;

namespace quorvel::texts {

namespace {
QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// A stored text by its file name, read once and kept for the run.
QString stored(const QString &name)
{
    static QHash<QString, QString> cache;
    const auto it = cache.constFind(name);
    if (it != cache.cend())
        return *it;
    return *cache.insert(name, resourceText(u":/texts/"_s + name));
}
} // namespace

QString introduction()
{
    return stored(u"introduction.txt"_s);
}

QString gamesDescription()
{
    return stored(u"games.txt"_s);
}

QString fractionItemTemplate()
{
    return stored(u"fractionitem.txt"_s);
}

QString areaVolumeConcepts()
{
    return stored(u"areaconcept.txt"_s);
}

QString gcdConcept()
{
    return stored(u"gcdconcept.txt"_s);
}

QString lcmConcept()
{
    return stored(u"lcmconcept.txt"_s);
}

QString lcmExamples()
{
    return stored(u"lcmexamples.txt"_s);
}

QString factorisationConcept()
{
    return stored(u"factorisationconcept.txt"_s);
}

namespace {
// The file holds the puzzles, an empty line, then the answers.
std::pair<QString, QString> timePuzzleParts()
{
    const QString text = resourceText(u":/texts/timepuzzles.txt"_s);
    const qsizetype gap = text.indexOf(u"\r\n\r\n"_s);
    if (gap < 0)
        return {text, QString()};
    return {text.left(gap + 2), text.mid(gap + 4)};
}
} // namespace

QString timePuzzles()
{
    static const QString text = timePuzzleParts().first;
    return text;
}

QString timePuzzleAnswers()
{
    static const QString text = timePuzzleParts().second;
    return text;
}

QString termList(int groupNumber)
{
    static const char16_t *const files[] = {u"terms/integers.txt", u"terms/decimals.txt",
                                            u"terms/fractions.txt", u"terms/percent.txt",
                                            u"terms/geometry.txt"};
    const int index = groupNumber - 6002;
    if (index < 0 || index >= int(std::size(files)))
        return {};
    return stored(QString::fromUtf16(files[index]));
}

QString puzzles()
{
    return stored(u"puzzles.txt"_s);
}

QString brainTeasers()
{
    return stored(u"brainteasers.txt"_s);
}

QString geometryExamples()
{
    return stored(u"geometryexamples.txt"_s);
}

QString reasoningTest()
{
    return stored(u"reasoningtest.txt"_s);
}

QString examPaperCode(int i)
{
    if (i < 0 || i > 22)
        return {};
    if (i >= 22)
        ++i; // no grade 6 second-term mid-term
    return QString::number(i / 4 + 1) + QString::number(i % 4 + 1);
}

QString paperAnswers(int element)
{
    if (element >= 0 && element <= 22)
        return stored(u"papers/exam-"_s + examPaperCode(element) + u".txt"_s);
    if (element >= 23 && element <= 35)
        return stored(u"papers/olympiad-"_s + QString::number(1991 + element - 23) + u".txt"_s);
    return {};
}

} // namespace quorvel::texts
