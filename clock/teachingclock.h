#pragma once
// The teaching clock as plain state: the three hand angles (degrees clockwise
// from 12), the hand geometry of the dial, the time boxes, and the spinner
// steps with wrap-around. The clock panel draws what this holds.
#include <QPointF>
#include <QString>
#include <QTime>

namespace quorvel {

class TeachingClock
{
public:
    float secondAngle = 0;
    float minuteAngle = 0;
    float hourAngle = 0;

    // The boxes of the "设置时间" frame, as shown.
    QString hoursText = QStringLiteral("22");
    QString minutesText = QStringLiteral("23");
    QString secondsText = QStringLiteral("56");

    // Geometry of a dial of the given inner size (pixels): the centre, and the
    // second hand's length; 200 twips (13⅓ pixels) short of the smaller half.
    void setDialSize(double width, double height);
    QPointF centre() const { return {m_centreX, m_centreY}; }
    float radius() const { return m_radius; }
    float secondHandLength() const { return m_radius; }
    float minuteHandLength() const { return m_radius / 5 * 4; }
    float hourHandLength() const { return m_radius / 1.5f; }

    // The end point of a hand of length `length` at `angle` degrees.
    QPointF handEnd(float angle, float length) const;

    // The hour hand's angle for an hour 0 to 23 and a minute angle.
    static float hourAngleFor(int hour, float minuteAngle);

    // The clock tick: the hands and the boxes show `time`.
    void tick(const QTime &time);

    // The spinners: +1 or −1 with wrap-around; one hand follows.
    void stepHours(int direction);
    void stepMinutes(int direction);
    void stepSeconds(int direction);

    // The values typed into the boxes take effect: each is read by its
    // leading digits, clamped to its range, written back and shown by its hand.
    void applyTyped();

    // The leading decimal digits of a box as a number; none gives 0.
    static int leadingValue(const QString &text);

private:
    static int stepped(const QString &text, int direction, int maximum);

    float m_centreX = 0;
    float m_centreY = 0;
    float m_radius = 0;
};

} // namespace quorvel
