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

}  // namespace
}  // namespace qelvo::ui
