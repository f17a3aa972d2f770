#include "app/clock_label.h"

#include <QPainter>
#include <QTime>
#include <cstdlib>

namespace qelvo::ui {

QColor clockColour(int r1, int r2, int r3)
{
    const auto low = [](int r) { return static_cast<unsigned char>(-r); };
    return QColor(low(r3), low(r2), low(r1));
}

ClockLabel::ClockLabel(QWidget* parent) : QLabel(parent)
{
    setText(QTime::currentTime().toString(QStringLiteral("现在时间 HH:mm:ss")));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &ClockLabel::tick);
    timer_.start();
}

void ClockLabel::tick()
{
    setText(QTime::currentTime().toString(QStringLiteral("现在时间 HH:mm:ss")));
    const int r1 = std::rand();
    const int r2 = std::rand();
    const int r3 = std::rand();
    colour_ = clockColour(r1, r2, r3);
    flashOn_ = !flashOn_;
    update();
}

void ClockLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor c = colour_;
    if (!flashOn_) c.setAlpha(110);  // the off phase: the same colour, faded
    painter.setPen(c);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace qelvo::ui
