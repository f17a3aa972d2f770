// The lookup window's chart: the log–log mapping both ways, and what the picture shows where.
#include "risk/pages/overpressure_chart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

const QSizeF kSize(700, 500);

// Whether a pixel near `point` has the colour's hue (blue curve, red mark).
bool colourNear(const QImage& image, QPointF point, bool blue)
{
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c = image.pixelColor(int(std::lround(point.x())) + dx, int(std::lround(point.y())) + dy);
            if (blue && c.blue() > 180 && c.red() < 120 && c.green() < 120) return true;
            if (!blue && c.red() > 150 && c.blue() < 120 && c.green() < 120) return true;
        }
    return false;
}

QPointF pixelOf(double Rbar, double y)
{
    // The plot spans two decades across and four down.
    const QRectF plot = overpressurePlotArea(kSize);
    return {plot.left() + std::log10(Rbar) / 2 * plot.width(), plot.bottom() - (std::log10(y) + 2) / 4 * plot.height()};
}

TEST(OverpressureChart, CornersAndValuesBothWays)
{
    const risk::OverpressureChart& chart = risk::overpressureChart();
    const QRectF plot = overpressurePlotArea(kSize);
    const auto topLeft = overpressureChartValue(kSize, chart, plot.topLeft());
    ASSERT_TRUE(topLeft);
    EXPECT_NEAR(topLeft->x(), 1, 1e-9);
    EXPECT_NEAR(topLeft->y(), 100, 1e-9);
    const auto middle = overpressureChartValue(kSize, chart, plot.center());
    ASSERT_TRUE(middle);
    EXPECT_NEAR(middle->x(), 10, 1e-9);  // the middle of 1 … 100
    EXPECT_NEAR(middle->y(), 1, 1e-9);   // the middle of 0.01 … 100
    EXPECT_FALSE(overpressureChartValue(kSize, chart, plot.topLeft() - QPointF(1, 1)));
    EXPECT_EQ(chartReading({3.61583, 1.2}), "无因次距离 3.62 m，无因次超压 1.2，即超压 11768 Pa");
}

TEST(OverpressureChart, CurveAndMarkWhereTheyBelong)
{
    QImage image(kSize.toSize(), QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        paintOverpressureChart(painter, kSize, risk::overpressureChart(), 3.61583);
    }
    // The curve: 60 at 1.2, 0.742529 at 10, 0.01 at 80 (the models' test works these out).
    EXPECT_TRUE(colourNear(image, pixelOf(1.2, 60), true));
    EXPECT_TRUE(colourNear(image, pixelOf(10, 0.742529), true));
    EXPECT_TRUE(colourNear(image, pixelOf(80, 0.01), true));
    EXPECT_FALSE(colourNear(image, pixelOf(10, 7), true));
    // The dashed mark at R̄ = 3.61583 runs the plot's height; none at 2.
    const double markX = pixelOf(3.61583, 1).x();
    int red = 0;
    for (double y : {0.02, 0.05, 0.2, 0.5, 2.0, 5.0, 20.0, 50.0}) red += colourNear(image, {markX, pixelOf(1, y).y()}, false);
    EXPECT_GE(red, 5);
    EXPECT_FALSE(colourNear(image, pixelOf(2, 0.05), false));
}

TEST(OverpressureChart, NoMarkOffTheAxis)
{
    QImage image(kSize.toSize(), QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        paintOverpressureChart(painter, kSize, risk::overpressureChart(), 0);  // R̄ not computed yet
    }
    const QRectF plot = overpressurePlotArea(kSize);
    int red = 0;
    for (int x = int(plot.left()) + 1; x < int(plot.right()); x += 1)
        red += colourNear(image, {double(x), pixelOf(1, 0.03).y()}, false);
    EXPECT_EQ(red, 0);
}

}  // namespace
}  // namespace qelvo::ui
