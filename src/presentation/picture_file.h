// Saves a picture as PNG (or another raster format Qt writes) or as SVG, by the file's
// suffix, from one paint function, so figures come out the same in every format. The
// picture is made in memory, then written to a new file beside the target and renamed over
// it (common/atomic_file.h): a failed write is reported and leaves an old file as it was.
#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace qelvo::ui {

// Whether a file name's suffix names a picture format writePicture writes (no suffix: PNG).
bool isPictureFormat(const QString& path);

// "不支持的图片格式“.txt”，请使用 .png 或 .svg 文件！"
QString unsupportedPictureFormat(const QString& path);

// `paint` draws the picture on a white ground of `size`, given the painter and its
// horizontal pixels per inch. False, with the message to show, when the file is not written.
bool writePicture(const QString& path, QSize size, const std::function<void(QPainter&, double)>& paint,
                  QString* reason = nullptr);

}  // namespace qelvo::ui
