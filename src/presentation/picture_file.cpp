#include "presentation/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include "common/atomic_file.h"

namespace qelvo::ui {
namespace {

QByteArray suffixOf(const QString& path) { return QFileInfo(path).suffix().toLower().toLatin1(); }

}  // namespace

bool isPictureFormat(const QString& path)
{
    const QByteArray suffix = suffixOf(path);
    return suffix.isEmpty() || suffix == "svg" || QImageWriter::supportedImageFormats().contains(suffix);
}

QString unsupportedPictureFormat(const QString& path)
{
    return QStringLiteral("不支持的图片格式“.%1”，请使用 .png 或 .svg 文件！").arg(QFileInfo(path).suffix());
}

bool writePicture(const QString& path, QSize size, const std::function<void(QPainter&, double)>& paint, QString* reason)
{
    const auto fail = [&](const QString& message) {
        if (reason) *reason = message;
        return false;
    };
    if (!isPictureFormat(path)) return fail(unsupportedPictureFormat(path));
    const QByteArray suffix = suffixOf(path);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool made = false;
    if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
            paint(painter, svg.logicalDpiX());
            made = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paint(painter, image.logicalDpiX());
        }
        made = image.save(&bytes, suffix.isEmpty() ? "PNG" : suffix.constData());
    }
    if (!made) return fail(QStringLiteral("无法生成图片：%1").arg(path));
    const QByteArray& data = bytes.data();
    const std::string failure =
        writeFileReplacing(QFileInfo(path).absoluteFilePath().toStdString(), std::string_view(data.constData(), std::size_t(data.size())));
    if (!failure.empty()) return fail(QString::fromStdString(failure));
    return true;
}

}  // namespace qelvo::ui
