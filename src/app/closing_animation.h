// The closing animation of the main window: every millisecond the window shrinks by 30
// pixels each way while staying near the middle of the desktop, until nothing is left.
// Where the platform will not make a window any smaller, it ends when the size stops
// changing, so it always ends.
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>

class QWidget;

namespace qelvo::ui {

class ClosingAnimation : public QObject {
    Q_OBJECT
public:
    ClosingAnimation(QWidget* window, std::function<void()> finished);

    void start();
    bool running() const { return timer_.isActive(); }

    // One tick; false once the animation has ended (and `finished` has been called).
    bool step();

private:
    void finish();

    QWidget* window_;
    std::function<void()> finished_;
    QTimer timer_;
    int sw_ = 30;
    int sh_ = 30;
    QSize previous_;
    bool done_ = false;
};

}  // namespace qelvo::ui
