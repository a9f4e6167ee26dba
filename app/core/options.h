#pragma once
// The options of the options dialog, kept between runs in the user's
// settings beside the medals. A stored value that is not one the dialog
// offers reads as the default.
#include <QList>

namespace quorvel {

class SettingsStore;

struct Options
{
    int itemsPerPage = 10; // 10, 20 or 50
    int memorySeconds = 5; // 3, 5 or 8
    int decimalPlaces = 1; // 1 to 4
    // The parent lets the student account have pages marked, right or
    // wrong, without the correct answers.
    bool studentMayGrade = false;

    static const QList<int> &itemChoices();
    static const QList<int> &secondChoices();
    static const QList<int> &placeChoices();

    static Options load(const SettingsStore &settings);
    // False when any of them could not be stored.
    bool save(SettingsStore &settings) const;

    bool operator==(const Options &) const = default;
};

} // namespace quorvel
