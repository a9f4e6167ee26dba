#include "app/shell/clockpanel.h"

#include "page/timercontrol.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {
// The dial box is 5175 twips (345 pixels); the face drawn in it is 344.
constexpr int dialSize = 345;
constexpr double faceSize = 344;

QFont songFont()
{
    QFont font;
    font.setFamilies({u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s, u"Noto Sans CJK SC"_s});
    font.setPointSize(12);
    return font;
}
} // namespace

// Picture1: the clock face, drawn by the program, and the three hands.
class ClockPanel::Dial : public QWidget
{
public:
    Dial(const TeachingClock &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
    {
        setObjectName(u"Picture1"_s);
        setFixedSize(dialSize, dialSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(faceSize / 2.0, faceSize / 2.0);
        const double r = faceSize / 2.0 - 4;

        // The face: a light disc in a blue rim.
        p.setPen(QPen(QColor(47, 111, 149), 6));
        p.setBrush(QColor(255, 253, 244));
        p.drawEllipse(c, r - 3, r - 3);

        // 60 minute ticks, the hour marks stronger, 12, 3, 6 and 9 strongest.
        for (int i = 0; i < 60; ++i) {
            const double a = i * 6.0 / 180.0 * M_PI;
            const bool hour = i % 5 == 0;
            const bool quarter = i % 15 == 0;
            const double inner = r - (quarter ? 26 : hour ? 20 : 12);
            p.setPen(QPen(quarter ? QColor(200, 60, 40) : QColor(44, 58, 70),
                          quarter ? 5
                          : hour  ? 3
                                  : 1.2,
                          Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() + inner * std::sin(a), c.y() - inner * std::cos(a)),
                       QPointF(c.x() + (r - 9) * std::sin(a), c.y() - (r - 9) * std::cos(a)));
        }

        // The numbers 1 to 12.
        QFont numbers = font();
        numbers.setPixelSize(26);
        numbers.setBold(true);
        p.setFont(numbers);
        p.setPen(QColor(44, 58, 70));
        for (int h = 1; h <= 12; ++h) {
            const double a = h * 30.0 / 180.0 * M_PI;
            const double d = r - 48;
            const QRectF box(c.x() + d * std::sin(a) - 20, c.y() - d * std::cos(a) - 16, 40, 32);
            p.drawText(box, Qt::AlignCenter, QString::number(h));
        }

        // Hands: hour (green, 6 px), minute (dark blue, 4 px), second (red, 2 px).
        const auto hand = [&](float angle, float length, const QColor &colour, int width) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(m_clock.centre(), m_clock.handEnd(angle, length));
        };
        hand(m_clock.hourAngle, m_clock.hourHandLength(), QColor(0, 255, 0), 6);
        hand(m_clock.minuteAngle, m_clock.minuteHandLength(), QColor(0, 0, 192), 4);
        hand(m_clock.secondAngle, m_clock.secondHandLength(), QColor(255, 0, 0), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(44, 58, 70));
        p.drawEllipse(m_clock.centre(), 6, 6);
    }

private:
    const TeachingClock &m_clock;
};

ClockPanel::ClockPanel(TimerControl &clockTimer, QWidget *parent)
    : QWidget(parent), m_timer(clockTimer)
{
    setObjectName(u"Picture2"_s);
    setAutoFillBackground(true);
    m_clock.setDialSize(dialSize, dialSize);

    m_dial = new Dial(m_clock, this);
    // 1200 and 120 twips from the panel's corner.
    m_dial->move(80, 8);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(u"Frame3"_s);
    frame->setGeometry(32, 360, 449, 65);
    auto *row = new QHBoxLayout(frame);
    Check1 = new QCheckBox(u"设置时间"_s, frame);
    row->addWidget(Check1);

    const QString units[3] = {u"点"_s, u"分"_s, u"秒"_s};
    QLineEdit **boxes[3] = {&Text8, &Text7, &Text6};
    for (int g = 0; g < 3; ++g) {
        auto *box = new QLineEdit(frame);
        box->setFont(songFont());
        box->setFixedWidth(44);
        box->setAlignment(Qt::AlignRight);
        *boxes[g] = box;
        auto *spinner = new QVBoxLayout;
        spinner->setSpacing(0);
        m_up[g] = new QToolButton(frame);
        m_up[g]->setArrowType(Qt::UpArrow);
        m_down[g] = new QToolButton(frame);
        m_down[g]->setArrowType(Qt::DownArrow);
        for (QToolButton *b : {m_up[g], m_down[g]})
            b->setFixedSize(18, 14);
        spinner->addWidget(m_up[g]);
        spinner->addWidget(m_down[g]);
        auto *unit = new QLabel(units[g], frame);
        unit->setFont(songFont());
        row->addSpacing(12);
        row->addWidget(box);
        row->addLayout(spinner);
        row->addWidget(unit);
        // A typed value applies on Enter or on leaving the box.
        connect(box, &QLineEdit::editingFinished, this, &ClockPanel::applyTyped);
        connect(m_up[g], &QToolButton::clicked, this, [this, g] { step(g, +1); });
        connect(m_down[g], &QToolButton::clicked, this, [this, g] { step(g, -1); });
    }
    row->addStretch(1);
    showBoxes();

    // Checked: the clock stops so a time can be set; unchecked: it runs again.
    connect(Check1, &QCheckBox::toggled, this,
            [this](bool checked) { m_timer.setEnabled(!checked); });
}

void ClockPanel::showBoxes()
{
    Text8->setText(m_clock.hoursText);
    Text7->setText(m_clock.minutesText);
    Text6->setText(m_clock.secondsText);
}

void ClockPanel::tick()
{
    m_clock.tick(QTime::currentTime());
    showBoxes();
    m_dial->update();
}

void ClockPanel::applyTyped()
{
    m_clock.hoursText = Text8->text();
    m_clock.minutesText = Text7->text();
    m_clock.secondsText = Text6->text();
    m_clock.applyTyped();
    showBoxes();
    m_dial->update();
}

void ClockPanel::step(int group, int direction)
{
    // What the teacher typed into the box counts.
    m_clock.hoursText = Text8->text();
    m_clock.minutesText = Text7->text();
    m_clock.secondsText = Text6->text();
    if (group == 0)
        m_clock.stepHours(direction);
    else if (group == 1)
        m_clock.stepMinutes(direction);
    else
        m_clock.stepSeconds(direction);
    showBoxes();
    m_dial->update();
}

} // namespace quorvel
