// The teaching clock's state without a display: hand angles, geometry,
// the boxes and the spinners.
#include "clock/teachingclock.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

class TestClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tickShowsTheTime_data();
    void tickShowsTheTime();
    void geometryOfTheDial();
    void spinnersWrapAround_data();
    void spinnersWrapAround();
    void minutesMoveTheHourHand();
    void typedValuesApply_data();
    void typedValuesApply();
};

void TestClock::tickShowsTheTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<float>("second");
    QTest::addColumn<QString>("hoursBox");
    QTest::newRow("15:30:00") << QTime(15, 30, 0) << 105.0f << 180.0f << 0.0f << u"15"_s;
    QTest::newRow("midnight points up") << QTime(0, 0, 0) << 0.0f << 0.0f << 0.0f << u"00"_s;
    QTest::newRow("noon points up") << QTime(12, 0, 0) << 360.0f << 0.0f << 0.0f << u"12"_s;
    QTest::newRow("09:05:07") << QTime(9, 5, 7) << 272.5f << 30.0f << 42.0f << u"09"_s;
}

void TestClock::tickShowsTheTime()
{
    QFETCH(QTime, time);
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(float, second);
    QFETCH(QString, hoursBox);
    TeachingClock clock;
    clock.tick(time);
    QCOMPARE(clock.hourAngle, hour);
    QCOMPARE(clock.minuteAngle, minute);
    QCOMPARE(clock.secondAngle, second);
    QCOMPARE(clock.hoursText, hoursBox);
    QCOMPARE(clock.secondsText.size(), 2);
}

void TestClock::geometryOfTheDial()
{
    TeachingClock clock;
    clock.setDialSize(345, 345); // 5175 twips
    QCOMPARE(clock.centre(), QPointF(172.5, 172.5));
    // Half of 5175 twips less 200: 2387.5 twips, about 159 pixels.
    QVERIFY(qAbs(clock.radius() - 2387.5 / 15) < 1e-3);
    QVERIFY(qAbs(clock.minuteHandLength() - 1910.0 / 15) < 1e-3);
    QVERIFY(qAbs(clock.hourHandLength() - 2387.5 / 15 / 1.5) < 1e-3);
    // 0° points to 12, 90° to 3 (y grows downwards).
    const QPointF up = clock.handEnd(0, 100);
    QVERIFY(qAbs(up.x() - 172.5) < 1e-6 && qAbs(up.y() - 72.5) < 1e-6);
    const QPointF three = clock.handEnd(90, 100);
    QVERIFY(qAbs(three.x() - 272.5) < 1e-6 && qAbs(three.y() - 172.5) < 1e-6);
}

void TestClock::spinnersWrapAround_data()
{
    QTest::addColumn<int>("group"); // 0 hours, 1 minutes, 2 seconds
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("after");
    QTest::addColumn<float>("angle");
    QTest::newRow("hours 23 up") << 0 << u"23"_s << 1 << u"0"_s << 0.0f;
    QTest::newRow("hours 0 down") << 0 << u"0"_s << -1 << u"23"_s << 330.0f;
    QTest::newRow("minutes 59 up") << 1 << u"59"_s << 1 << u"0"_s << 0.0f;
    QTest::newRow("seconds 0 down") << 2 << u"0"_s << -1 << u"59"_s << 354.0f;
    QTest::newRow("a ticked 09 up") << 1 << u"09"_s << 1 << u"10"_s << 60.0f;
    QTest::newRow("a ticked 09 down") << 1 << u"09"_s << -1 << u"8"_s << 48.0f;
    QTest::newRow("text without a number") << 2 << u"abc"_s << 1 << u"1"_s << 6.0f;
    QTest::newRow("leading digits count") << 2 << u"12秒"_s << -1 << u"11"_s << 66.0f;
}

void TestClock::spinnersWrapAround()
{
    QFETCH(int, group);
    QFETCH(QString, before);
    QFETCH(int, direction);
    QFETCH(QString, after);
    QFETCH(float, angle);
    TeachingClock clock;
    clock.tick(QTime(0, 0, 0));
    if (group == 0) {
        clock.hoursText = before;
        clock.stepHours(direction);
        QCOMPARE(clock.hoursText, after);
        QCOMPARE(clock.hourAngle, angle);
    } else if (group == 1) {
        clock.minutesText = before;
        clock.stepMinutes(direction);
        QCOMPARE(clock.minutesText, after);
        QCOMPARE(clock.minuteAngle, angle);
    } else {
        clock.secondsText = before;
        clock.stepSeconds(direction);
        QCOMPARE(clock.secondsText, after);
        QCOMPARE(clock.secondAngle, angle);
    }
}

void TestClock::minutesMoveTheHourHand()
{
    TeachingClock clock;
    clock.tick(QTime(3, 0, 0));
    QCOMPARE(clock.hourAngle, 90.0f);
    // 3 点 45 分: the hour hand three quarters of the way to 4.
    for (int i = 0; i < 45; ++i)
        clock.stepMinutes(+1);
    QCOMPARE(clock.minutesText, u"45"_s);
    QCOMPARE(clock.minuteAngle, 270.0f);
    QCOMPARE(clock.hourAngle, 112.5f); // 3 × 30° + 45 × 0.5°
    clock.stepHours(+1);
    QCOMPARE(clock.hoursText, u"4"_s);
    QCOMPARE(clock.hourAngle, 142.5f);
}

void TestClock::typedValuesApply_data()
{
    QTest::addColumn<QStringList>("typed"); // hours, minutes, seconds
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<float>>("angles"); // hour, minute, second hands
    QTest::newRow("3:30:15") << QStringList{u"3"_s, u"30"_s, u"15"_s}
                             << QStringList{u"3"_s, u"30"_s, u"15"_s} << QList<float>{105, 180, 90};
    QTest::newRow("clamped") << QStringList{u"30"_s, u"75"_s, u"99"_s}
                             << QStringList{u"23"_s, u"59"_s, u"59"_s}
                             << QList<float>{359.5f, 354, 354};
    QTest::newRow("no number") << QStringList{u"abc"_s, u""_s, u"-5"_s}
                               << QStringList{u"0"_s, u"0"_s, u"0"_s} << QList<float>{0, 0, 0};
}

void TestClock::typedValuesApply()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QList<float>, angles);
    TeachingClock clock;
    clock.tick(QTime(8, 20, 40));
    clock.hoursText = typed[0];
    clock.minutesText = typed[1];
    clock.secondsText = typed[2];
    clock.applyTyped();
    QCOMPARE((QStringList{clock.hoursText, clock.minutesText, clock.secondsText}), shown);
    QCOMPARE((QList<float>{clock.hourAngle, clock.minuteAngle, clock.secondAngle}), angles);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
