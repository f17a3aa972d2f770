// The contour map painter: styles and transparency.
#include "contour/contour_map.h"

#include <gtest/gtest.h>

#include <QFont>

namespace qelvo::ui {
namespace {

using contour::LineStyle;

TEST(ContourMap, DefaultStylesAndAlpha)
{
    contour::LevelSet five;
    for (float v : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) five.add(v);
    const auto styles = contour::defaultStyles(five);
    ASSERT_EQ(styles.size(), 5u);
    const int reds[] = {0, 51, 102, 153, 204};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(styles[k].colour, QColor(reds[k], 0, 0));
        EXPECT_FLOAT_EQ(styles[k].widthMm, 0.3f);
    }
    EXPECT_EQ(contour::backgroundAlpha(40), 153);
    EXPECT_EQ(contour::backgroundAlpha(0), 254);  // 100 × 2.55 is just below 255 in double
    EXPECT_EQ(contour::backgroundAlpha(100), 0);
    EXPECT_EQ(contour::lineWidthPixels(0.3f, 96), 1);
    EXPECT_EQ(contour::lineWidthPixels(1.0f, 96), 3);
}

// The source's label stays inside the frame beside its dot, clear of the extent labels below
// and to the left of the frame: at a corner (every mixing grid has its outfall there), in the
// middle, and at the right-hand edge.
TEST(ContourMap, SourceLabelStaysInsideTheFrameBesideTheDot)
{
    const QRect frame(QPoint(40, 40), QPoint(500, 450));
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    const QRectF inner = QRectF(frame).adjusted(1, 1, -1, -1);
    struct Case {
        QPointF origin;
        bool right, above;  // where the label stands from the dot
    };
    const Case cases[] = {
        {QPointF(frame.bottomLeft()), true, true},
        {QPointF(270, 245), true, true},
        {QPointF(frame.bottomRight()), false, true},
        {QPointF(frame.topLeft()), true, false},
        {QPointF(frame.topRight()), false, false},
    };
    for (const Case& c : cases) {
        const QRectF r = contour::sourceLabelRect(frame, c.origin, fm);
        EXPECT_TRUE(inner.contains(r)) << c.origin.x() << "," << c.origin.y();
        EXPECT_GE(r.width(), fm.horizontalAdvance(QStringLiteral("点源")));
        EXPECT_EQ(r.left() > c.origin.x(), c.right) << c.origin.x() << "," << c.origin.y();
        EXPECT_EQ(r.bottom() < c.origin.y(), c.above) << c.origin.x() << "," << c.origin.y();
        EXPECT_FALSE(r.contains(c.origin));  // the dot stays visible
    }
}

// The picture of a plane z = x over −100…100 in both directions with the one level 0, drawn
// blue and 1 mm wide (3 pixels at 96 pixels per inch). In the map frame (40, 40)–(500, 450),
// 461 × 411 pixels, x = 0 lies at 40 + 100·461/200 = 270.5 and y = 0 at 450 − 100·411/200 =
// 244.5, where the source's red dot is. The legend frame (550, 40)–(700, 450) gives its one
// row (411 − 8)/1 pixels, at most 22: the sample line runs from 558 to 600 at
// 40 + 4 + 22/2 = 55.
TEST(ContourMap, PictureOfAPlane)
{
    contour::Grid g;
    g.nx = 3, g.ny = 3;
    g.xlo = -100, g.xhi = 100, g.ylo = -100, g.yhi = 100, g.zlo = -100, g.zhi = 100;
    g.z = {-100, 0, 100, -100, 0, 100, -100, 0, 100};
    contour::ContourMap map = contour::ContourMap::fromGrid(g);
    map.setLevels({{0, 1.0f, QColor(0, 0, 255)}});
    ASSERT_EQ(map.lines.size(), 1u);
    QImage image = contour::renderContourMap(map);
    const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
    const QColor blue(0, 0, 255), red(255, 0, 0), white(255, 255, 255);
    EXPECT_EQ(at(270, 150), blue);
    EXPECT_EQ(at(270, 350), blue);
    EXPECT_EQ(at(260, 150), white);
    EXPECT_EQ(at(280, 150), white);
    EXPECT_EQ(at(270, 244), red);
    EXPECT_EQ(at(264, 244), white);  // the dot's radius is 4 pixels
    EXPECT_EQ(at(277, 244), white);
    EXPECT_EQ(at(580, 55), blue);
    EXPECT_EQ(at(580, 50), white);
    EXPECT_EQ(at(580, 60), white);
    EXPECT_EQ(at(40, 240), QColor(0, 128, 0));  // the map frame, one pixel wide
    EXPECT_EQ(at(39, 240), white);
    EXPECT_EQ(at(41, 240), white);
    // Ticks 10 pixels long below the frame's lower corners; "-100" centred under the left one
    // below its tick, "-1" left of the corner and "00" right of it, nothing inside the frame.
    const auto darkIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    const QColor black(0, 0, 0);
    EXPECT_EQ(at(40, 458), black);
    EXPECT_EQ(at(500, 458), black);
    EXPECT_EQ(at(501, 458), white);
    EXPECT_GT(darkIn(QRect(QPoint(20, 466), QPoint(38, 490))), 0);
    EXPECT_GT(darkIn(QRect(QPoint(42, 466), QPoint(60, 490))), 0);
    EXPECT_EQ(darkIn(QRect(QPoint(42, 420), QPoint(100, 448))), 0);
    // "Y" beside the frame's middle, ending before the ticks' ends (x 30) less a gap of 4.
    EXPECT_GT(darkIn(QRect(QPoint(0, 215), QPoint(26, 275))), 0);
    EXPECT_EQ(darkIn(QRect(QPoint(27, 215), QPoint(39, 275))), 0);
}

}  // namespace
}  // namespace qelvo::ui
