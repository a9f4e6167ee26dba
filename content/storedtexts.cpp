#include "content/storedtexts.h"

#include <QFile>

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
} // namespace

QString introduction()
{
    static const QString text = resourceText(u":/texts/introduction.txt"_s);
    return text;
}

QString gamesDescription()
{
    static const QString text = resourceText(u":/texts/games.txt"_s);
    return text;
}

QString fractionItemTemplate()
{
    static const QString text = resourceText(u":/texts/fractionitem.txt"_s);
    return text;
}

QString areaVolumeConcepts()
{
    static const QString text = resourceText(u":/texts/areaconcept.txt"_s);
    return text;
}

QString gcdConcept()
{
    static const QString text = resourceText(u":/texts/gcdconcept.txt"_s);
    return text;
}

QString lcmConcept()
{
    static const QString text = resourceText(u":/texts/lcmconcept.txt"_s);
    return text;
}

QString lcmExamples()
{
    static const QString text = resourceText(u":/texts/lcmexamples.txt"_s);
    return text;
}

QString factorisationConcept()
{
    static const QString text = resourceText(u":/texts/factorisationconcept.txt"_s);
    return text;
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

} // namespace quorvel::texts
