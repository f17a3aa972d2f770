#include "app/closing_animation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qelvo::ui {

ClosingAnimation::ClosingAnimation(QWidget* window, std::function<void()> finished)
    : QObject(window), window_(window), finished_(std::move(finished))
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &ClosingAnimation::step);
}

void ClosingAnimation::start()
{
    if (running() || done_) return;
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    timer_.start();
}

bool ClosingAnimation::step()
{
    if (done_) return false;
    const QSize size = window_->size();
    const int w = size.width();
    const int h = size.height();
    // The platform refused to shrink the window further: end here.
    if (size == previous_) {
        finish();
        return false;
    }
    previous_ = size;

    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    window_->move(desk.x() + (desk.width() - w + 40) / 2, desk.y() + (desk.height() - h + 40) / 2);
    window_->resize(std::max(w - sw_, 0), std::max(h - sh_, 0));
    if (w <= 0) sw_ = 0;
    if (h <= 0) sh_ = 0;
    if (w <= 0 && h <= 0) {
        finish();
        return false;
    }
    return true;
}

void ClosingAnimation::finish()
{
    timer_.stop();
    done_ = true;
    if (finished_) finished_();
}

}  // namespace qelvo::ui
