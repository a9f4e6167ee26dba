#pragma once
// A timer of the window as the logic sees it: interval and on/off. Its ticks
// call a tick method of the logic, so tests drive timed behaviour in virtual
// time by calling the tick methods themselves.
namespace quorvel {

class TimerControl
{
public:
    virtual ~TimerControl() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
};

// A timer that only records its state, for fakes.
class PlainTimer final : public TimerControl
{
public:
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool isEnabled() const override { return m_enabled; }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }

private:
    bool m_enabled = false;
    int m_interval = 1000;
};

} // namespace quorvel
