#include "app/link_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "presentation/desktop.h"

namespace qelvo::ui {

LinkLabel::LinkLabel(const QString& text, const QString& url, QWidget* parent) : QLabel(text, parent), url_(url)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(url);
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    // Raised lettering: the green highlight one pixel up and left, the red text over it.
    QPainter painter(this);
    const QRect r = rect();
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(r.translated(-1, -1), Qt::AlignLeft | Qt::AlignVCenter, text());
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        desktop().openUrl(QUrl(url_));
    QLabel::mouseReleaseEvent(event);
}

}  // namespace qelvo::ui
