// The clock line's colour.
#include "app/clock_label.h"

#include <gtest/gtest.h>

#include <QColor>

namespace qelvo::ui {
namespace {

TEST(ClockLabel, ColourComesFromThreeRandomNumbersBlueFirst)
{
    // blue = (−r1) mod 256, green = (−r2) mod 256, red = (−r3) mod 256
    EXPECT_EQ(clockColour(1, 2, 3), QColor(253, 254, 255));
    EXPECT_EQ(clockColour(0, 256, 0x7fff), QColor(1, 0, 0));
    EXPECT_EQ(clockColour(41, 18467, 6334), QColor(0x100 - (6334 & 0xff), 0x100 - (18467 & 0xff), 0x100 - 41));
}

}  // namespace
}  // namespace qelvo::ui
