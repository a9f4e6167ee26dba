#pragma once
// A window timer: a QTimer behind the TimerControl the logic switches.
#include "app/core/mainview.h"

#include <QTimer>

namespace quorvel {

class WindowTimer final : public TimerControl
{
public:
    explicit WindowTimer(QObject *parent) : m_timer(new QTimer(parent)) {}

    void setEnabled(bool enabled) override { enabled ? m_timer->start() : m_timer->stop(); }
    bool isEnabled() const override { return m_timer->isActive(); }
    void setInterval(int milliseconds) override { m_timer->setInterval(milliseconds); }
    int interval() const override { return m_timer->interval(); }
    QTimer *timer() const { return m_timer; }

private:
    QTimer *m_timer;
};

} // namespace quorvel
