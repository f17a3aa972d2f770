// The closing animation.
#include "app/closing_animation.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace qelvo::ui {
namespace {

TEST(ClosingAnimation, EndsWhereTheWindowWillNotShrink)
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    int finished = 0;
    ClosingAnimation animation(&window, [&] { ++finished; });
    animation.start();
    window.setMinimumSize(250, 180);  // as a window manager that refuses small sizes
    int ticks = 0;
    while (animation.step()) ASSERT_LT(++ticks, 100);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(animation.running());
}

}  // namespace
}  // namespace qelvo::ui
