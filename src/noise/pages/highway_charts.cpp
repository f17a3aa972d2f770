#include "noise/pages/highway_charts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

#include "noise/highway_2009.h"

namespace qelvo::ui {

namespace {

// A plot area with its axes, ticks and titles; maps values to pixels.
struct Axes {
    QRectF area;
    double x0, x1, y0, y1;
    QPointF at(double x, double y) const
    {
        return {area.left() + (x - x0) / (x1 - x0) * area.width(), area.bottom() - (y - y0) / (y1 - y0) * area.height()};
    }
    void draw(QPainter& p, const QString& xTitle, const QString& yTitle, double xStep, double yStep) const
    {
        p.setPen(QColor(220, 220, 220));
        for (double x = x0; x <= x1 + 1e-9; x += xStep) p.drawLine(at(x, y0), at(x, y1));
        for (double y = y0; y <= y1 + 1e-9; y += yStep) p.drawLine(at(x0, y), at(x1, y));
        p.setPen(Qt::black);
        p.drawRect(area);
        for (double x = x0; x <= x1 + 1e-9; x += xStep)
            p.drawText(QRectF(at(x, y0).x() - 20, area.bottom() + 2, 40, 14), Qt::AlignCenter, QString::number(x));
        for (double y = y0; y <= y1 + 1e-9; y += yStep)
            p.drawText(QRectF(area.left() - 34, at(x0, y).y() - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(y));
        p.drawText(QRectF(area.left(), area.bottom() + 16, area.width(), 16), Qt::AlignCenter, xTitle);
        p.drawText(QRectF(area.left(), area.top() - 18, area.width(), 16), Qt::AlignLeft, yTitle);
    }
};

// A curve y = f(x) sampled across the axes' x range.
void plot(QPainter& p, const Axes& axes, const std::function<double(double)>& f)
{
    QPainterPath curve;
    constexpr int kSamples = 200;
    for (int k = 0; k <= kSamples; ++k) {
        const double x = axes.x0 + (axes.x1 - axes.x0) * k / kSamples;
        const QPointF pt = axes.at(x, std::min(f(x), axes.y1));
        k == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(QColor(0, 0, 200), 1.5));
    p.drawPath(curve);
    p.setPen(Qt::black);
}

}  // namespace

FiniteBarrierChart::FiniteBarrierChart(QWidget* parent) : QWidget(parent) { setFixedSize(360, 230); }

void FiniteBarrierChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const Axes axes{QRectF(44, 24, 300, 170), 0, 1, 0, 25};
    axes.draw(p, QStringLiteral("屏障遮挡角与视角之比 β/θ"), QStringLiteral("有限长屏障衰减量[dB]"), 0.2, 5);
    for (int infinite : {5, 10, 15, 20, 25}) {
        plot(p, axes, [infinite](double ratio) { return noise::finiteBarrierAttenuation(infinite, ratio); });
        p.drawText(axes.at(1, infinite) + QPointF(-62, 12), QStringLiteral("无限长%1dB").arg(infinite));
    }
}

EmbankmentPicture::EmbankmentPicture(QWidget* parent) : QWidget(parent) { setFixedSize(300, 150); }

void EmbankmentPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const int ground = 125, top = 60;
    // The embankment: road on top, a slope of angle a down to the ground.
    QPolygon bank({QPoint(10, top), QPoint(110, top), QPoint(165, ground), QPoint(10, ground)});
    p.setBrush(QColor(225, 210, 180));
    p.setPen(Qt::black);
    p.drawPolygon(bank);
    p.drawLine(10, ground, 290, ground);
    const QPoint S(50, top - 20), edge(110, top), P(270, ground - 20);
    p.setBrush(Qt::black);
    p.drawEllipse(S, 3, 3);
    p.drawEllipse(P, 3, 3);
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    p.drawLine(S, edge);
    p.drawLine(edge, P);
    p.drawLine(S, P);
    p.setPen(Qt::black);
    p.drawText(S + QPoint(-12, -6), QStringLiteral("S"));
    p.drawText(P + QPoint(6, -4), QStringLiteral("P"));
    p.drawText(QPoint(22, top + 34), QStringLiteral("h"));
    p.drawText(QPoint(54, top - 4), QStringLiteral("h1"));
    p.drawText(QPoint(276, ground - 4), QStringLiteral("h2"));
    p.drawText(QPoint(70, top + 14), QStringLiteral("d1"));
    p.drawText(QPoint(140, ground - 6), QStringLiteral("a"));
    p.drawText(QPoint(12, 16), QStringLiteral("高路堤：声源S、路边、预测点P"));
}

PathDifferenceChart::PathDifferenceChart(QWidget* parent) : QWidget(parent) { setFixedSize(300, 200); }

void PathDifferenceChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const Axes axes{QRectF(44, 24, 240, 140), 0, 5, 0, 25};
    axes.draw(p, QStringLiteral("声程差δ[m]（500Hz）"), QStringLiteral("衰减量Abar[dB]"), 1, 5);
    plot(p, axes, [](double delta) {
        return double(noise::computeInfiniteBarrier({static_cast<float>(delta), 500, 20}).Abar);
    });
}

}  // namespace qelvo::ui
