#include "presentation/curve_plot_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

TEST(CurvePlot, YTopRule)
{
    EXPECT_FLOAT_EQ(curveYTop(0.001234f), 0.005f);     // "0.001234": three '0's
    EXPECT_FLOAT_EQ(curveYTop(12.5f), 12.50004f);      // "12.500000": five '0's
    EXPECT_FLOAT_EQ(curveYTop(0.000123f), 0.0005f);    // four '0's
    EXPECT_FLOAT_EQ(curveYTop(0.0f), 4e-7f);
    EXPECT_GT(curveYTop(1e30f), 0.0f);                 // no overflow shown as a top
}

TEST(CurvePlot, PointCount)
{
    EXPECT_EQ(curveLastIndex(1000, 10), 100);  // 101 points, x = 0 … 1000
    EXPECT_EQ(curveLastIndex(995, 10), 99);    // 100 points, x = 0 … 990
    EXPECT_EQ(curveLastIndex(1000, 0), -1);
}

CurvePlot plot(float xMax, int step)
{
    CurvePlot p;
    p.xMax = xMax;
    p.step = step;
    for (int i = 0; i <= 5000; ++i) p.values.push_back(0.001f * i / (1 + 0.0001f * i * i));
    p.yMax = *std::max_element(p.values.begin(), p.values.end());
    return p;
}

TEST(CurvePlotWindow, ChartAsSetUp)
{
    CurvePlotWindow window(plot(995, 10));
    EXPECT_EQ(window.windowTitle(), "绘图工具");
    EXPECT_EQ(window.chartView()->chart()->title(), "下风向浓度曲线图");
    EXPECT_EQ(window.xAxis()->titleText(), "X —— 污染源下风向（m）");
    EXPECT_EQ(window.yAxis()->titleText(), "c —— 地面浓度（mg/m^3）");
    EXPECT_EQ(window.xAxis()->tickCount(), 6);
    EXPECT_EQ(window.yAxis()->tickCount(), 6);
    EXPECT_DOUBLE_EQ(window.xAxis()->max(), 995);
    EXPECT_FLOAT_EQ(float(window.yAxis()->max()), curveYTop(plot(995, 10).yMax));
    ASSERT_EQ(window.series()->count(), 100);
    EXPECT_DOUBLE_EQ(window.series()->at(99).x(), 990);
}

TEST(CurvePlotWindow, TakesMoreThanAThousandPointsAndNothingWithoutTheFlag)
{
    CurvePlotWindow many(plot(5000, 1));
    EXPECT_EQ(many.series()->count(), 5001);
    CurvePlot off = plot(100, 10);
    off.plotFlag = 0;
    CurvePlotWindow empty(off);
    EXPECT_EQ(empty.series()->count(), 0);
}

TEST(CurvePlotWindow, CopyAndSavePictures)
{
    CurvePlotWindow window(plot(1000, 10));
    window.resize(640, 480);
    window.copyToClipboard();
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());

    QTemporaryDir dir;
    QString answer;
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return answer; });
    for (const char* name : {"c.png", "c.svg"}) {
        answer = dir.filePath(name);
        window.savePicture();
        EXPECT_GT(QFile(answer).size(), 1000) << name;
    }
    setFileHandler(previous);
}

}  // namespace
}  // namespace qelvo::ui
