#include "presentation/picture_file.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace qelvo::ui {

bool writePicture(const QString& path, QSize size, const std::function<void(QPainter&, double)>& paint, QString* reason)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool written = false;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
            paint(painter, svg.logicalDpiX());
            written = painter.end() && QFileInfo::exists(path);
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paint(painter, image.logicalDpiX());
        }
        written = image.save(path, suffix.isEmpty() ? "PNG" : nullptr);
    }
    if (!written && reason) *reason = QStringLiteral("无法写入图片文件：%1").arg(path);
    return written;
}

}  // namespace qelvo::ui
