// The level and line-style dialog.
#include "contour/pages/level_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

using contour::LineStyle;

TEST(LevelDialog, AddRemoveAndTheirMessages)
{
    testing::RecordMessages messages;
    LevelDialog dialog(0, 10, {{2, 0.3f, Qt::black}, {4, 0.3f, Qt::red}});
    EXPECT_EQ(dialog.windowTitle(), "等值线属性");
    dialog.valueEdit()->setText("10.001");
    dialog.add();
    dialog.valueEdit()->setText("4.0000001");
    dialog.add();
    dialog.removeSelected();
    EXPECT_EQ(messages.texts(), QStringList({kLevelOutOfRange, kLevelExists, kSelectRowFirst}));

    dialog.valueEdit()->setText("3");
    dialog.add();
    ASSERT_EQ(dialog.styles().size(), 3u);
    EXPECT_EQ(dialog.styles()[1].level, 3.0f);  // in its sorted place
    EXPECT_FLOAT_EQ(dialog.styles()[1].widthMm, 0.3f);
    EXPECT_EQ(dialog.list()->item(1, 0)->text(), "3");

    dialog.list()->selectRow(0);
    dialog.removeSelected();
    ASSERT_EQ(dialog.styles().size(), 2u);
    EXPECT_EQ(dialog.styles()[0].level, 3.0f);

    // Editing a value takes no range check and keeps the list sorted.
    dialog.setLevelValue(1, -5);
    EXPECT_EQ(dialog.styles()[0].level, -5.0f);
    dialog.setLevelStyle(0, 1.5f, Qt::blue);
    EXPECT_EQ(dialog.styles()[0].colour, QColor(Qt::blue));
}

TEST(LevelDialog, AtMostAHundredLevels)
{
    // Each level costs a pass over the whole grid: the 101st is refused.
    std::vector<LineStyle> styles;
    for (int k = 0; k < 100; ++k) styles.push_back({float(k) * 0.01f, 0.3f, Qt::black});
    testing::RecordMessages messages;
    LevelDialog dialog(0, 10, styles);
    dialog.valueEdit()->setText("5");
    dialog.add();
    EXPECT_EQ(messages.texts(), QStringList{"等值线最多100条，请减少等值线值后重新输入！"});
    EXPECT_EQ(dialog.styles().size(), 100u);
    dialog.list()->selectRow(0);
    dialog.removeSelected();
    dialog.add();
    EXPECT_EQ(dialog.styles().size(), 100u);
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST(LevelDialog, LineWidthStepsStayWithinZeroToFive)
{
    LineWidthSpin spin;
    spin.setValue(4.95);
    spin.stepBy(1);
    EXPECT_DOUBLE_EQ(spin.value(), 4.95);  // ignored, not clamped
    spin.setValue(0.3);
    spin.stepBy(1);
    EXPECT_DOUBLE_EQ(spin.value(), 0.4);
    EXPECT_EQ(spin.text(), "0.40 mm");
    spin.setValue(0.05);
    spin.stepBy(-1);
    EXPECT_DOUBLE_EQ(spin.value(), 0.05);
}

TEST(LevelDialog, DoubleClickEditsValueOrStyle)
{
    LevelDialog dialog(0, 10, {{2, 0.3f, Qt::black}, {4, 0.3f, Qt::red}});
    testing::InterceptModals modals([](QDialog& d) {
        if (d.windowTitle() == "等级值") d.findChild<QLineEdit*>()->setText("12");  // no range check here
        if (d.windowTitle() == "线型") d.findChild<LineWidthSpin*>()->setValue(1.2);
        return int(QDialog::Accepted);
    });
    emit dialog.list()->cellDoubleClicked(0, 0);
    EXPECT_EQ(dialog.styles()[1].level, 12.0f);  // sorted after 4
    emit dialog.list()->cellDoubleClicked(0, 1);
    EXPECT_FLOAT_EQ(dialog.styles()[0].widthMm, 1.2f);
    EXPECT_EQ(modals.titles, QStringList({"等级值", "线型"}));
}

}  // namespace
}  // namespace qelvo::ui
