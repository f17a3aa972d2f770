// The decibel calculator window: its keys and the keyboard.
#include "noise/pages/decibel_calculator_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qelvo::ui {
namespace {

using noise::DbKey;

TEST(DecibelCalculatorWindow, ButtonsAndKeyboard)
{
    DecibelCalculatorWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "分贝计算器");
    EXPECT_EQ(window.displayField()->focusPolicy(), Qt::NoFocus);
    window.key(DbKey::D6)->click();
    window.key(DbKey::D0)->click();
    window.key(DbKey::Plus)->click();
    QTest::keyClicks(&window, "60");
    QTest::keyClick(&window, Qt::Key_Enter);
    EXPECT_EQ(window.displayField()->text(), "63.0102999566398");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.displayField()->text().startsWith("64.77"));
    QTest::keyClick(&window, Qt::Key_Clear);
    EXPECT_EQ(window.displayField()->text(), "0");
    QTest::keyClicks(&window, "5.3");
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(window.displayField()->text(), "5");
}

}  // namespace
}  // namespace qelvo::ui
