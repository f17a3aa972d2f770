// The contour map painter: styles and transparency.
#include "contour/contour_map.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qelvo::ui
