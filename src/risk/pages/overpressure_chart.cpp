#include "risk/pages/overpressure_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/number_format.h"
#include "presentation/picture_file.h"

namespace qelvo::ui {

namespace {

// Room around the plot for the labels and titles, in pixels.
constexpr double kLeft = 78, kRight = 22, kTop = 40, kBottom = 60;

const QColor kDecadeLine(120, 120, 120);
const QColor kMinorLine(215, 215, 215);
const QColor kCurveColour(0, 0, 255);
const QColor kMarkColour(200, 0, 0);

bool isDecade(double v) { return std::abs(std::log10(v) - std::round(std::log10(v))) < 1e-9; }

// Between the decades 2, 3 and 5 carry labels too, where the room allows.
bool labelled(double v)
{
    const double lead = v / std::pow(10.0, std::floor(std::log10(v) + 1e-9));
    return isDecade(v) || std::abs(lead - 2) < 1e-9 || std::abs(lead - 3) < 1e-9 || std::abs(lead - 5) < 1e-9;
}

// Log–log mapping of the chart's values into the plot rectangle.
struct Mapping {
    QRectF plot;
    double lx0, lx1, ly0, ly1;

    Mapping(const QRectF& p, const risk::OverpressureChart& c)
        : plot(p), lx0(std::log10(c.xMin)), lx1(std::log10(c.xMax)), ly0(std::log10(c.yMin)), ly1(std::log10(c.yMax))
    {
    }
    double x(double v) const { return plot.left() + (std::log10(v) - lx0) / (lx1 - lx0) * plot.width(); }
    double y(double v) const { return plot.bottom() - (std::log10(v) - ly0) / (ly1 - ly0) * plot.height(); }
    QPointF at(double vx, double vy) const { return {x(vx), y(vy)}; }
};

QString number(double v) { return QString::fromStdString(cformat("%g", v)); }

}  // namespace

QRectF overpressurePlotArea(const QSizeF& size)
{
    return {kLeft, kTop, std::max(1.0, size.width() - kLeft - kRight), std::max(1.0, size.height() - kTop - kBottom)};
}

void paintOverpressureChart(QPainter& p, const QSizeF& size, const risk::OverpressureChart& chart, double mark)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const Mapping m(overpressurePlotArea(size), chart);
    const QRectF& plot = m.plot;
    const QFont base = p.font();
    QFont small = base;
    small.setPointSizeF(base.pointSizeF() * 0.85);
    QFont bold = base;
    bold.setBold(true);
    const QFontMetricsF fm(base);

    // Grid: a light line at 1 … 9 of each decade, a darker one at the decades.
    for (double v : chart.xGrid) {
        p.setPen(QPen(isDecade(v) ? kDecadeLine : kMinorLine, isDecade(v) ? 1.2 : 0.8));
        p.drawLine(QPointF(m.x(v), plot.top()), QPointF(m.x(v), plot.bottom()));
    }
    for (double v : chart.yGrid) {
        p.setPen(QPen(isDecade(v) ? kDecadeLine : kMinorLine, isDecade(v) ? 1.2 : 0.8));
        p.drawLine(QPointF(plot.left(), m.y(v)), QPointF(plot.right(), m.y(v)));
    }
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // Labels: the decades in bold, 2, 3 and 5 of each decade smaller.
    for (double v : chart.xGrid) {
        if (!labelled(v)) continue;
        p.setFont(isDecade(v) ? bold : small);
        const QRectF box(m.x(v) - 30, plot.bottom() + 4, 60, fm.height());
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, number(v));
    }
    for (double v : chart.yGrid) {
        if (!labelled(v)) continue;
        p.setFont(isDecade(v) ? bold : small);
        const QRectF box(plot.left() - 58, m.y(v) - fm.height() / 2, 52, fm.height());
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, number(v));
    }

    // Titles of the chart and of both axes.
    p.setFont(bold);
    p.drawText(QRectF(0, 6, size.width(), fm.height() + 4), Qt::AlignHCenter,
               QString::fromStdString(chart.title));
    p.setFont(base);
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 10, plot.width(), fm.height() + 4), Qt::AlignHCenter,
               QString::fromStdString(chart.xLabel));
    p.save();
    p.translate(14, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -fm.height() / 2 - 2, plot.height(), fm.height() + 4), Qt::AlignHCenter,
               QString::fromStdString(chart.yLabel));
    p.restore();

    // The curve, clipped to the plot, and its name in the upper right corner.
    p.save();
    p.setClipRect(plot);
    QPainterPath curve;
    for (std::size_t i = 0; i < chart.xs.size(); ++i) {
        const QPointF point = m.at(chart.xs[i], chart.ys[i]);
        if (i == 0) curve.moveTo(point);
        else curve.lineTo(point);
    }
    p.setPen(QPen(kCurveColour, 2.2));
    p.drawPath(curve);
    p.restore();
    p.setFont(small);
    const QString name = QString::fromStdString(chart.curveName);
    const QFontMetricsF sm(small);
    const QRectF nameBox(plot.right() - sm.horizontalAdvance(name) - 14, plot.top() + 6,
                         sm.horizontalAdvance(name) + 8, sm.height() + 4);
    p.fillRect(nameBox, QColor(255, 255, 255, 230));
    p.setPen(kCurveColour);
    p.drawText(nameBox, Qt::AlignCenter, name);

    // The page's dimensionless distance.
    if (mark >= chart.xMin && mark <= chart.xMax) {
        p.setPen(QPen(kMarkColour, 1.4, Qt::DashLine));
        p.drawLine(QPointF(m.x(mark), plot.top()), QPointF(m.x(mark), plot.bottom()));
        p.setFont(base);
        const QString text = QStringLiteral("R̄ = ") + number(mark);
        const double w = fm.horizontalAdvance(text) + 8;
        const bool left = m.x(mark) + w + 4 > plot.right();
        const QRectF box(left ? m.x(mark) - w - 4 : m.x(mark) + 4, plot.bottom() - fm.height() - 8, w, fm.height() + 4);
        p.fillRect(box, QColor(255, 255, 255, 230));
        p.drawText(box, Qt::AlignCenter, text);
    }
    p.restore();
}

std::optional<QPointF> overpressureChartValue(const QSizeF& size, const risk::OverpressureChart& chart, QPointF point)
{
    const Mapping m(overpressurePlotArea(size), chart);
    if (!m.plot.contains(point)) return std::nullopt;
    const double fx = (point.x() - m.plot.left()) / m.plot.width();
    const double fy = (m.plot.bottom() - point.y()) / m.plot.height();
    return QPointF(std::pow(10.0, m.lx0 + fx * (m.lx1 - m.lx0)), std::pow(10.0, m.ly0 + fy * (m.ly1 - m.ly0)));
}

QString chartReading(QPointF value)
{
    return QString::fromStdString(cformat("无因次距离 %.3g m，无因次超压 %.3g，即超压 %.0f Pa", value.x(), value.y(),
                                          value.y() * risk::kKgfPerCm2));
}

OverpressureChartView::OverpressureChartView(double mark, QWidget* parent) : QWidget(parent), mark_(mark)
{
    setMinimumSize(600, 440);
    setMouseTracking(true);
}

void OverpressureChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintOverpressureChart(painter, size(), risk::overpressureChart(), mark_);
}

void OverpressureChartView::mouseMoveEvent(QMouseEvent* event)
{
    const auto value = overpressureChartValue(size(), risk::overpressureChart(), event->position());
    emit pointing(value ? chartReading(*value) : QString());
}

void OverpressureChartView::leaveEvent(QEvent*) { emit pointing(QString()); }

QImage OverpressureChartView::picture() const
{
    QImage image(size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setFont(font());
    paintOverpressureChart(painter, size(), risk::overpressureChart(), mark_);
    return image;
}

bool OverpressureChartView::savePicture(const QString& path, QString* reason) const
{
    const QFont shown = font();
    const double mark = mark_;
    return writePicture(
        path, size(),
        [shown, mark, this](QPainter& painter, double) {
            painter.setFont(shown);
            paintOverpressureChart(painter, size(), risk::overpressureChart(), mark);
        },
        reason);
}

}  // namespace qelvo::ui
