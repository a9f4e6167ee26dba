#include "clock/teachingclock.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {
constexpr double pi = 3.14159265358979;
constexpr double twipsPerPixel = 15.0;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

void TeachingClock::setDialSize(double width, double height)
{
    m_centreX = float(width / 2);
    m_centreY = float(height / 2);
    m_radius = float(std::min(width, height) / 2 - 200 / twipsPerPixel);
}

QPointF TeachingClock::handEnd(float angle, float length) const
{
    const double theta = (angle - 90.0) / 180.0 * pi;
    return {m_centreX + length * std::cos(theta), m_centreY + length * std::sin(theta)};
}

float TeachingClock::hourAngleFor(int hour, float minuteAngle)
{
    const float minutesPart = minuteAngle / 360 * 30;
    return hour > 12 ? float(hour - 12) * 30 + minutesPart : float(hour) * 30 + minutesPart;
}

void TeachingClock::tick(const QTime &time)
{
    secondAngle = float(time.second()) * 6;
    minuteAngle = float(time.minute()) * 6;
    hourAngle = hourAngleFor(time.hour(), minuteAngle);
    secondsText = twoDigits(time.second());
    minutesText = twoDigits(time.minute());
    hoursText = twoDigits(time.hour());
}

int TeachingClock::leadingValue(const QString &text)
{
    int value = 0;
    int digits = 0;
    for (QChar c : text.trimmed()) {
        if (c < u'0' || c > u'9' || digits == 6)
            break;
        value = value * 10 + (c.unicode() - u'0');
        ++digits;
    }
    return value;
}

int TeachingClock::stepped(const QString &text, int direction, int maximum)
{
    const int value = leadingValue(text);
    if (direction < 0)
        return value > 0 ? std::min(value, maximum + 1) - 1 : maximum;
    return value < maximum ? value + 1 : 0;
}

void TeachingClock::stepHours(int direction)
{
    const int hours = stepped(hoursText, direction, 23);
    hoursText = QString::number(hours);
    hourAngle = hourAngleFor(hours, minuteAngle);
}

void TeachingClock::stepMinutes(int direction)
{
    const int minutes = stepped(minutesText, direction, 59);
    minutesText = QString::number(minutes);
    minuteAngle = float(minutes) * 6;
    // The hour hand moves with the minutes, as on every clock a child reads.
    hourAngle = hourAngleFor(leadingValue(hoursText), minuteAngle);
}

void TeachingClock::stepSeconds(int direction)
{
    const int seconds = stepped(secondsText, direction, 59);
    secondsText = QString::number(seconds);
    secondAngle = float(seconds) * 6;
}

void TeachingClock::applyTyped()
{
    const int hours = std::min(leadingValue(hoursText), 23);
    const int minutes = std::min(leadingValue(minutesText), 59);
    const int seconds = std::min(leadingValue(secondsText), 59);
    hoursText = QString::number(hours);
    minutesText = QString::number(minutes);
    secondsText = QString::number(seconds);
    secondAngle = float(seconds) * 6;
    minuteAngle = float(minutes) * 6;
    hourAngle = hourAngleFor(hours, minuteAngle);
}

} // namespace quorvel
