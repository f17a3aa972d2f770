#include "noise/pages/highway_charts.h"

#include <QChart>
#include <QLegend>
#include <QPainter>

#include "noise/highway_2009.h"
#include "presentation/curve_chart.h"

namespace qelvo::ui {

namespace {

// Both charts: axes 0 … 25 dB in steps of 5, no caption, the curves in a legend when there
// are several.
ChartOptions attenuationOptions(double xMax, bool legend)
{
    ChartOptions o;
    o.x.min = 0;
    o.x.max = xMax;
    o.y.min = 0;
    o.y.max = 25;
    o.legend = legend;
    return o;
}

}  // namespace

CurveChart* finiteBarrierChart(QWidget* parent)
{
    auto* chart = new CurveChart(parent);
    chart->setCurves(noise::finiteBarrierCurves(), attenuationOptions(1, true));
    chart->chart()->legend()->setAlignment(Qt::AlignRight);
    chart->setFixedSize(480, 300);
    return chart;
}

CurveChart* barrierAttenuationChart(QWidget* parent)
{
    auto* chart = new CurveChart(parent);
    chart->setCurves({noise::barrierAttenuationCurve()}, attenuationOptions(5, false));
    chart->setFixedSize(320, 240);
    return chart;
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

}  // namespace qelvo::ui
