#pragma once
// Picture2: the teaching clock's panel. The dial with its three hands, and
// below it the frame "设置时间" with a check box that stops the clock and
// spinners that set hours, minutes and seconds. The state lives in
// TeachingClock; this draws it and forwards the clicks.
#include "clock/teachingclock.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace quorvel {

class TimerControl;

class ClockPanel : public QWidget
{
    Q_OBJECT
public:
    ClockPanel(TimerControl &clockTimer, QWidget *parent = nullptr);

    // Timer4: the hands and boxes show the time of day.
    void tick();
    const TeachingClock &clock() const { return m_clock; }

    QCheckBox *Check1;
    QLineEdit *Text8;                                        // hours
    QLineEdit *Text7;                                        // minutes
    QLineEdit *Text6;                                        // seconds
    QToolButton *up(int group) const { return m_up[group]; } // 0 hours, 1 minutes, 2 seconds
    QToolButton *down(int group) const { return m_down[group]; }

private:
    void step(int group, int direction);
    void applyTyped();
    void showBoxes();

    class Dial;
    TeachingClock m_clock;
    TimerControl &m_timer;
    Dial *m_dial;
    QToolButton *m_up[3];
    QToolButton *m_down[3];
};

} // namespace quorvel
