#pragma once
// Time pages: converting hours, minutes and seconds, the minutes between two
// clock times, adding, subtracting, multiplying and dividing durations given
// in hours and minutes, and the page of time puzzles by grade. Answers given
// as hours and minutes take two boxes per item, "answerleft" (hours) and
// "answerright" (minutes).
#include "page/page.h"

#include <QString>

namespace quorvel {

class RandomSource;

namespace timepages {

// The conversions by the number of their node's tag ("$71" ... "$76").
enum Conversion
{
    HoursToMinutesEasy = 71, // h小时m分 = ?分, h 2 to 9
    HoursToMinutesHard = 72, // h 11 to 108
    HoursToSecondsEasy = 73, // h小时m分s秒 = ?秒, h 1 to 8
    HoursToSecondsHard = 74, // h 11 to 108
    MinutesToHoursEasy = 75, // t分 = ?小时?分, t 61 to 999
    MinutesToHoursHard = 76, // t 61 to 9999
};

// The interval drills ("$7797701" ... "$7797703").
enum Interval
{
    IntervalEasy = 7797701,   // same day, the minutes of the end are the larger
    IntervalMedium = 7797702, // same day, a minute borrow
    IntervalHard = 7797703,   // from the evening to the next morning
};

// The duration arithmetic ("$7234701" ... "$7234705").
enum Duration
{
    DurationSum = 7234701,
    DurationDifference = 7234702,
    DurationProduct = 7234703,
    DurationQuotient = 7234704, // duration ÷ k = duration
    DurationRatio = 7234705,    // duration ÷ duration = k (one box)
};

// The conversion pages 71 to 76: itemCount items, then the submit line.
Page conversionPage(int number, int itemCount, RandomSource &random);

// The interval page for 7797701 to 7797703; an empty page for any other
// number (it runs before every "$" page).
Page sjjg(int number, int itemCount, RandomSource &random);

// The duration arithmetic pages 7234701 to 7234705: the kind's intro, the
// items and the submit line.
Page ShiJianJiSuan(int number, int itemCount, RandomSource &random);

// The puzzles page: the puzzle text with its line ends as paragraph breaks,
// then the reveal button.
QString puzzlePage(const QString &puzzles);

// What the reveal button inserts after itself: the answers of every grade,
// each line a paragraph, and the seconds the child thought.
QString puzzleReveal(const QString &answers, int seconds);

} // namespace timepages
} // namespace quorvel
