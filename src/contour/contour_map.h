// The contour map as one picture: the map frame with the lines of every level, the legend,
// and an optional semi-transparent background picture. The window, the clipboard, saved
// pictures and qelvo-calc all draw it with paintContourMap, so they always agree.
#pragma once

#include <QColor>
#include <QImage>
#include <QFontMetrics>
#include <QRect>
#include <QRectF>
#include <QString>
#include <vector>

#include "contour/contour_tracer.h"
#include "contour/grid.h"

class QPainter;

namespace qelvo::contour {

struct LineStyle {
    float level = 0;
    float widthMm = 0.3f;
    QColor colour;
};

// Every level k of n: 0.3 mm, red trunc(255·k/n), from black towards red.
std::vector<LineStyle> defaultStyles(const LevelSet& levels);

// Alpha of the background picture for a transparency of t percent.
int backgroundAlpha(int transparency);

// Line width in device pixels for a width in millimetres.
int lineWidthPixels(float widthMm, double pixelsPerInch);

struct ContourMap {
    Grid grid;
    LevelSet levels;
    std::vector<LineStyle> styles;
    std::vector<std::vector<ContourLine>> lines;
    std::string error;  // from tracing

    // Frames inside the drawing area, in pixels.
    QRect mapFrame = QRect(QPoint(40, 40), QPoint(500, 450));
    QRect legendFrame = QRect(QPoint(550, 40), QPoint(700, 450));
    QRect pictureFrame = QRect(QPoint(10, 10), QPoint(700, 500));
    QImage background;
    int transparency = 0;

    // A map of a grid at its default levels, traced.
    static ContourMap fromGrid(Grid grid);
    // New levels (with their styles): the lines are traced again.
    void setLevels(const std::vector<LineStyle>& styles);
    void retrace();
    const LineStyle* styleFor(float level) const;
};

// The size of the drawing area that holds every frame.
inline constexpr QSize kDrawingSize(720, 520);

void paintContourMap(QPainter& painter, const ContourMap& map, double pixelsPerInch);

// Where the source's label "点源" stands beside the source's dot at `origin`: up and to the
// right, or wherever it stays inside the map frame, clear of the extent labels outside it.
QRectF sourceLabelRect(const QRect& frame, const QPointF& origin, const QFontMetrics& fm);

// Renders the map to a PNG or SVG file (by the file's suffix); false with a reason on failure.
bool saveContourMap(const ContourMap& map, const QString& path, QString* reason = nullptr);

QImage renderContourMap(const ContourMap& map);

}  // namespace qelvo::contour
