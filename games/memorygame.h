#pragma once
// The memory-card game: eight random cards shown for a few seconds with a
// countdown in the page, then turned face down; the child types the eight
// values in order without separators. Plain code with a tick method.
#include <QString>

namespace quorvel {

class PageDocument;
class RandomSource;
class TimerControl;

class MemoryGame
{
public:
    // The page for a viewing time of `seconds`; starts the countdown.
    QString start(RandomSource &random, int seconds, TimerControl &countdown);

    // Timer2: one second less in the "miao" box; at 0 the cards turn and the
    // countdown stops.
    void tick(PageDocument &page, TimerControl &countdown);

    // "finish": reveals the sequence and the time, and marks the entry.
    // Returns whether the cards were written right.
    static bool submit(PageDocument &page, int elapsedSeconds);

    int viewingSeconds = 5;
    int shownSeconds = 0;   // seconds the cards of this countdown have been visible
    QString expectedAnswer; // the eight values written one after another
};

} // namespace quorvel
