// Saves a picture as PNG (or another raster format Qt writes) or as SVG, by the file's
// suffix, from one paint function, so figures come out the same in every format.
#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace qelvo::ui {

// `paint` draws the picture on a white ground of `size`, given the painter and its
// horizontal pixels per inch. False, with the message to show, when the file is not written.
bool writePicture(const QString& path, QSize size, const std::function<void(QPainter&, double)>& paint,
                  QString* reason = nullptr);

}  // namespace qelvo::ui
