// The contour map window, headless.
#include "contour/pages/contour_map_window.h"

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
#include <cstdlib>

#include "contour/grid_file.h"
#include "contour/pages/level_dialog.h"
#include "support/ui_seams.h"

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

}  // namespace
}  // namespace qelvo::ui
