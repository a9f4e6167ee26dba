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

} // namespace quorvel::texts
