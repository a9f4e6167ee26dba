#include "app/core/options.h"

#include "page/settingsstore.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

const QString application = u"mbqzt"_s;
const QString section = u"options"_s;

int readChoice(const SettingsStore &settings, const QString &key, const QList<int> &choices,
               int fallback)
{
    bool ok = false;
    const int value = settings.read(application, section, key).trimmed().toInt(&ok);
    return ok && choices.contains(value) ? value : fallback;
}

} // namespace

const QList<int> &Options::itemChoices()
{
    static const QList<int> choices{10, 20, 50};
    return choices;
}

const QList<int> &Options::secondChoices()
{
    static const QList<int> choices{3, 5, 8};
    return choices;
}

const QList<int> &Options::placeChoices()
{
    static const QList<int> choices{1, 2, 3, 4};
    return choices;
}

Options Options::load(const SettingsStore &settings)
{
    const Options defaults;
    Options options;
    options.itemsPerPage = readChoice(settings, u"items"_s, itemChoices(), defaults.itemsPerPage);
    options.memorySeconds =
        readChoice(settings, u"memorySeconds"_s, secondChoices(), defaults.memorySeconds);
    options.decimalPlaces =
        readChoice(settings, u"decimalPlaces"_s, placeChoices(), defaults.decimalPlaces);
    options.studentMayGrade = readChoice(settings, u"studentMayGrade"_s, {0, 1}, 0) == 1;
    return options;
}

bool Options::save(SettingsStore &settings) const
{
    bool saved = settings.write(application, section, u"items"_s, QString::number(itemsPerPage));
    saved &=
        settings.write(application, section, u"memorySeconds"_s, QString::number(memorySeconds));
    saved &=
        settings.write(application, section, u"decimalPlaces"_s, QString::number(decimalPlaces));
    saved &= settings.write(application, section, u"studentMayGrade"_s,
                            QString::number(int(studentMayGrade)));
    return saved;
}

} // namespace quorvel
