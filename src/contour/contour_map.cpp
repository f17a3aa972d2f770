#include "contour/contour_map.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "presentation/picture_file.h"

namespace qelvo::contour {

std::vector<LineStyle> defaultStyles(const LevelSet& levels)
{
    std::vector<LineStyle> styles;
    const int n = levels.count();
    for (int k = 0; k < n; ++k) styles.push_back({levels.at(k), 0.3f, QColor(255 * k / n, 0, 0)});
    return styles;
}

int backgroundAlpha(int transparency) { return static_cast<int>((100 - transparency) * 2.55); }

int lineWidthPixels(float widthMm, double pixelsPerInch)
{
    return static_cast<int>(widthMm * pixelsPerInch * 0.03937007874015748);
}

ContourMap ContourMap::fromGrid(Grid grid)
{
    ContourMap map;
    map.grid = std::move(grid);
    map.levels = LevelSet::defaults(static_cast<float>(map.grid.zlo), static_cast<float>(map.grid.zhi));
    map.styles = defaultStyles(map.levels);
    map.retrace();
    return map;
}

void ContourMap::setLevels(const std::vector<LineStyle>& newStyles)
{
    levels.clear();
    for (const auto& s : newStyles) levels.add(s.level);
    styles = newStyles;
    retrace();
}

void ContourMap::retrace()
{
    ContourResult result = traceContours(grid, levels);
    lines = std::move(result.lines);
    error = std::move(result.error);
}

const LineStyle* ContourMap::styleFor(float level) const
{
    for (const auto& s : styles)
        if (std::fabs(s.level - level) < 1e-7) return &s;
    return nullptr;
}

namespace {

QString g(double v) { return QString::fromStdString(formatG(v, 6)); }

const QString kSourceLabel = QStringLiteral("点源");

void paintMapFrame(QPainter& p, const ContourMap& map, double ppi)
{
    const QRect f = map.mapFrame;
    const Grid& grid = map.grid;
    p.setPen(QPen(QColor(0, 128, 0), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f);

    // Extent labels with ticks: x below the frame, y (written upwards) to its left.
    const int tick = 10;
    p.setPen(Qt::black);
    const QFontMetrics fm = p.fontMetrics();
    p.drawLine(f.bottomLeft(), f.bottomLeft() + QPoint(0, tick));
    p.drawLine(f.bottomRight(), f.bottomRight() + QPoint(0, tick));
    p.drawText(QPoint(f.left() - fm.horizontalAdvance(g(grid.xlo)) / 2, f.bottom() + tick + fm.ascent()), g(grid.xlo));
    p.drawText(QPoint(f.right() - fm.horizontalAdvance(g(grid.xhi)) / 2, f.bottom() + tick + fm.ascent()), g(grid.xhi));
    p.drawLine(f.bottomLeft(), f.bottomLeft() - QPoint(tick, 0));
    p.drawLine(f.topLeft(), f.topLeft() - QPoint(tick, 0));
    const auto vertical = [&](const QString& text, int y) {
        p.save();
        p.translate(f.left() - tick - fm.descent() - 1, y + fm.horizontalAdvance(text) / 2);
        p.rotate(-90);
        p.drawText(0, 0, text);
        p.restore();
    };
    vertical(g(grid.ylo), f.bottom());
    vertical(g(grid.yhi), f.top());
    p.drawText(QPoint(f.left() - tick - fm.horizontalAdvance("Y") - 4, f.center().y()), QStringLiteral("Y"));

    if (grid.nx < 2 || grid.ny < 2 || grid.xhi == grid.xlo || grid.yhi == grid.ylo) return;
    const double sx = f.width() / (grid.xhi - grid.xlo);
    const double sy = f.height() / (grid.yhi - grid.ylo);
    const auto toFrame = [&](double x, double y) {
        return QPointF(f.left() + (x - grid.xlo) * sx, f.bottom() - (y - grid.ylo) * sy);
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < static_cast<int>(map.lines.size()) && k < map.levels.count(); ++k) {
        const LineStyle* style = map.styleFor(map.levels.at(k));
        const QColor colour = style ? style->colour : Qt::black;
        const int width = lineWidthPixels(style ? style->widthMm : 0.3f, ppi);
        p.setPen(QPen(colour, std::max(width, 0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& line : map.lines[k]) {
            QPolygonF poly;
            poly.reserve(static_cast<qsizetype>(line.size()));
            for (const auto& pt : line) poly << toFrame(pt.x, pt.y);
            p.drawPolyline(poly);
        }
    }
    p.restore();

    // The source at the origin.
    const QPointF origin = toFrame(0, 0);
    if (f.adjusted(-1, -1, 1, 1).contains(origin.toPoint())) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        p.drawEllipse(origin, 4, 4);
        p.setPen(Qt::red);
        p.drawText(sourceLabelRect(f, origin, fm), Qt::AlignLeft | Qt::AlignVCenter, kSourceLabel);
        p.restore();
    }
}

}  // namespace

QRectF sourceLabelRect(const QRect& frame, const QPointF& origin, const QFontMetrics& fm)
{
    const QSizeF size(fm.horizontalAdvance(kSourceLabel) + 2, fm.height());
    constexpr double gap = 6;    // from the dot's centre
    constexpr double inset = 2;  // from the frame's line
    double x = origin.x() + gap;
    if (x + size.width() > frame.right() - inset) x = origin.x() - gap - size.width();
    double y = origin.y() - gap - size.height();
    if (y < frame.top() + inset) y = origin.y() + gap;
    // A frame too small for the label keeps it at its top left.
    x = std::clamp(x, frame.left() + inset, std::max(frame.left() + inset, frame.right() - inset - size.width()));
    y = std::clamp(y, frame.top() + inset, std::max(frame.top() + inset, frame.bottom() - inset - size.height()));
    return QRectF(QPointF(x, y), size);
}

namespace {

void paintLegend(QPainter& p, const ContourMap& map, double ppi)
{
    const QRect f = map.legendFrame;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f);
    const int n = map.levels.count();
    if (n == 0) return;
    const int rowHeight = std::clamp((f.height() - 8) / n, 8, 22);
    const QFontMetrics fm = p.fontMetrics();
    for (int k = 0; k < n; ++k) {
        const int y = f.top() + 4 + k * rowHeight + rowHeight / 2;
        if (y > f.bottom() - 2) break;
        const LineStyle* style = map.styleFor(map.levels.at(k));
        p.setPen(QPen(style ? style->colour : Qt::black,
                      std::max(lineWidthPixels(style ? style->widthMm : 0.3f, ppi), 1)));
        p.drawLine(f.left() + 8, y, f.left() + 50, y);
        p.setPen(Qt::black);
        p.drawText(QPoint(f.left() + 58, y + fm.ascent() / 2 - 1), g(map.levels.at(k)));
    }
}

}  // namespace

void paintContourMap(QPainter& painter, const ContourMap& map, double pixelsPerInch)
{
    painter.save();
    if (!map.background.isNull()) {
        painter.setOpacity(backgroundAlpha(map.transparency) / 255.0);
        painter.drawImage(QRectF(map.pictureFrame), map.background);
        painter.setOpacity(1.0);
    }
    paintMapFrame(painter, map, pixelsPerInch);
    paintLegend(painter, map, pixelsPerInch);
    painter.restore();
}

QImage renderContourMap(const ContourMap& map)
{
    QImage image(kDrawingSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintContourMap(painter, map, image.logicalDpiX());
    return image;
}

bool saveContourMap(const ContourMap& map, const QString& path, QString* reason)
{
    return ui::writePicture(
        path, kDrawingSize, [&](QPainter& painter, double ppi) { paintContourMap(painter, map, ppi); }, reason);
}

}  // namespace qelvo::contour
