// The clock line: "现在时间 %H:%M:%S", a new random colour every second, blinking.
#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>
#include <functional>

namespace qelvo::ui {

// The colour for one tick from three C-library random numbers drawn in this order:
// blue, green, red = (−r) mod 256 each.
QColor clockColour(int r1, int r2, int r3);

class ClockLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClockLabel(QWidget* parent = nullptr);

    // One second: the current time, a new colour, the flash state toggled.
    void tick();

    QColor colour() const { return colour_; }
    bool flashOn() const { return flashOn_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    QColor colour_{249, 6, 240};
    bool flashOn_ = true;
};

}  // namespace qelvo::ui
