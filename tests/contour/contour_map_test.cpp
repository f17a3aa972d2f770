// The contour map window, its level dialog and the shared painter, headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "../support/ui_seams.h"
#include "contour/contour_map.h"
#include "contour/grid_file.h"
#include "contour/pages/contour_map_window.h"
#include "contour/pages/level_dialog.h"

namespace qelvo::ui {
namespace {

using contour::LineStyle;

// A peak in the middle of a 5 × 5 grid over −100…100, written as a calculator would.
QString writePeak(const QTemporaryDir& dir)
{
    std::vector<std::vector<std::string>> table;
    for (int i = 0; i < 5; ++i) {
        table.push_back({"y"});
        for (int j = 0; j < 5; ++j) table.back().push_back(std::to_string(10 - 3 * (std::abs(i - 2) + std::abs(j - 2))));
    }
    const QString path = dir.filePath("result.grd");
    contour::writeGridFile(table, path.toStdString(), -100, 100, -100, 100, 10);
    return path;
}

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

TEST(ContourMapWindow, OpensOnTheGridWithDefaultLevels)
{
    QTemporaryDir dir;
    ContourMapWindow window(writePeak(dir));
    EXPECT_EQ(window.windowTitle(), "等值线图");
    ASSERT_TRUE(window.hasMap());
    EXPECT_EQ(window.map().levels.count(), 11);  // 0, 1, … 10
    EXPECT_EQ(window.map().lines.size(), 11u);
    EXPECT_EQ(window.map().lines[5].size(), 1u);  // one ring at 5
    EXPECT_EQ(window.transparencyLabel()->text(), "透明度 0 %");
}

TEST(ContourMapWindow, UnreadableGridIsReportedAndLevelsAnswerNoData)
{
    testing::RecordMessages messages;
    ContourMapWindow window("/nonexistent/result.grd");
    EXPECT_FALSE(window.hasMap());
    window.editLevels();
    EXPECT_EQ(messages.texts(), QStringList({"Open/nonexistent/result.grderror!!", kNoData}));
}

TEST(ContourMapWindow, TransparencySlider)
{
    QTemporaryDir dir;
    ContourMapWindow window(writePeak(dir));
    window.transparencySlider()->setValue(40);
    EXPECT_EQ(window.transparencyLabel()->text(), "透明度:40％");
    EXPECT_EQ(contour::backgroundAlpha(window.map().transparency), 153);
}

TEST(ContourMapWindow, BackgroundPictureCopyAndSave)
{
    QTemporaryDir dir;
    ContourMapWindow window(writePeak(dir));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    const QString picturePath = dir.filePath("site.png");
    picture.save(picturePath);

    QString answer = picturePath;
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return answer; });
    window.insertBackground();
    EXPECT_FALSE(window.map().background.isNull());

    window.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), window.drawingArea()->size());

    for (const char* name : {"map.png", "map.svg"}) {
        answer = dir.filePath(name);
        window.savePicture();
        EXPECT_GT(QFile(answer).size(), 1000) << name;
    }
    setFileHandler(previous);
}

TEST(ContourMapWindow, FramesMoveAndResizeWithTheMouse)
{
    QTemporaryDir dir;
    ContourMapWindow window(writePeak(dir));
    window.show();
    auto* area = window.drawingArea();
    const QRect before = window.map().legendFrame;
    QTest::mousePress(area, Qt::LeftButton, {}, before.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(before.center() + QPoint(-30, 20)), area->mapToGlobal(QPointF(0, 0)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, before.center() + QPoint(-30, 20));
    EXPECT_EQ(window.map().legendFrame, before.translated(-30, 20));

    const QRect map = window.map().mapFrame;
    QTest::mousePress(area, Qt::LeftButton, {}, map.bottomRight());
    QMouseEvent grow(QEvent::MouseMove, QPointF(map.bottomRight() + QPoint(-100, -50)), area->mapToGlobal(QPointF(0, 0)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(area, &grow);
    QTest::mouseRelease(area, Qt::LeftButton, {}, map.bottomRight());
    EXPECT_EQ(window.map().mapFrame.topLeft(), map.topLeft());
    EXPECT_EQ(window.map().mapFrame.size(), map.size() - QSize(100, 50));
}

TEST(ContourMapWindow, LevelDialogReplacesTheLevelsOnOk)
{
    QTemporaryDir dir;
    ContourMapWindow window(writePeak(dir));
    testing::InterceptModals modals([](QDialog& d) {
        auto& levels = static_cast<LevelDialog&>(d);
        levels.list()->selectAll();
        levels.removeSelected();
        levels.valueEdit()->setText("5");
        levels.add();
        return int(QDialog::Accepted);
    });
    window.editLevels();
    EXPECT_EQ(modals.titles, QStringList{"等值线属性"});
    ASSERT_EQ(window.map().levels.count(), 1);
    EXPECT_EQ(window.map().levels.at(0), 5.0f);
    ASSERT_EQ(window.map().lines.size(), 1u);
    EXPECT_EQ(window.map().lines[0].size(), 1u);
}

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

}  // namespace
}  // namespace qelvo::ui

namespace qelvo::ui {
namespace {

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
