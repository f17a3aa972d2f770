// The chart widget every curve goes through.
#include "presentation/curve_chart.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QFile>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QTemporaryDir>
#include <QValueAxis>
#include <cmath>
#include <limits>

namespace qelvo::ui {
namespace {

Curve line(std::string title, std::vector<double> xs, std::vector<double> ys)
{
    return {std::move(title), "x轴", "y轴", std::move(xs), std::move(ys)};
}

TEST(CurveChart, CurvesOnSharedAxesWithTheFirstCurvesLabels)
{
    CurveChart chart;
    ChartOptions options;
    options.title = "图";
    options.legend = true;
    chart.setCurves({line("甲", {0, 1, 2}, {0, 4, 2}), {"乙", "别的x", "别的y", {0, 2}, {1, 3}}}, options);
    EXPECT_EQ(chart.chart()->title(), "图");
    EXPECT_TRUE(chart.chart()->legend()->isVisible());
    ASSERT_NE(chart.series(1), nullptr);
    EXPECT_EQ(chart.series(2), nullptr);
    EXPECT_EQ(chart.series(0)->name(), "甲");
    EXPECT_EQ(chart.series(0)->count(), 3);
    EXPECT_EQ(chart.series(0)->pen().color(), QColor(0, 0, 255));  // the first curve blue
    EXPECT_NE(chart.series(1)->pen().color(), chart.series(0)->pen().color());
    auto* x = qobject_cast<QValueAxis*>(chart.xAxis());
    auto* y = qobject_cast<QValueAxis*>(chart.yAxis());
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->titleText(), "x轴");
    EXPECT_EQ(y->titleText(), "y轴");
    // Ranges from the data of all curves.
    EXPECT_DOUBLE_EQ(x->min(), 0);
    EXPECT_DOUBLE_EQ(x->max(), 2);
    EXPECT_DOUBLE_EQ(y->min(), 0);
    EXPECT_DOUBLE_EQ(y->max(), 4);
    EXPECT_EQ(x->tickCount(), 6);
}

TEST(CurveChart, RangesFromTheOptionsAndPointsThatCannotBeDrawnLeftOut)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CurveChart chart;
    ChartOptions options;
    options.x.max = 10;
    options.y.min = -1;
    options.y.ticks = 3;
    chart.setCurves({line("c", {0, 1, 2, 3, 4}, {1, nan, 2, inf, 3})}, options);
    EXPECT_EQ(chart.series(0)->count(), 3);
    auto* x = qobject_cast<QValueAxis*>(chart.xAxis());
    auto* y = qobject_cast<QValueAxis*>(chart.yAxis());
    EXPECT_DOUBLE_EQ(x->min(), 0);   // from the data
    EXPECT_DOUBLE_EQ(x->max(), 10);  // given
    EXPECT_DOUBLE_EQ(y->min(), -1);
    EXPECT_DOUBLE_EQ(y->max(), 3);
    EXPECT_EQ(y->tickCount(), 3);
}

TEST(CurveChart, LogarithmicAxesLeaveOutWhatIsNotAboveZero)
{
    CurveChart chart;
    ChartOptions options;
    options.x.logarithmic = true;
    options.y.logarithmic = true;
    // Probability over distance, as risk charts draw it.
    chart.setCurves({line("概率", {0, 10, 100, 1000}, {1, 0.5, 1e-3, 0})}, options);
    auto* x = qobject_cast<QLogValueAxis*>(chart.xAxis());
    auto* y = qobject_cast<QLogValueAxis*>(chart.yAxis());
    ASSERT_TRUE(x && y);
    EXPECT_EQ(chart.series(0)->count(), 2);  // x = 0 and y = 0 cannot stand on a log axis
    EXPECT_DOUBLE_EQ(x->min(), 10);
    EXPECT_DOUBLE_EQ(x->max(), 100);
    EXPECT_DOUBLE_EQ(y->min(), 1e-3);
}

TEST(CurveChart, NothingToDrawStillGivesAxes)
{
    CurveChart chart;
    chart.setCurves({line("空", {}, {})});
    EXPECT_EQ(chart.series(0)->count(), 0);
    auto* x = qobject_cast<QValueAxis*>(chart.xAxis());
    ASSERT_NE(x, nullptr);
    EXPECT_LT(x->min(), x->max());
}

TEST(CurveChart, SavesPngAndSvg)
{
    CurveChart chart;
    chart.resize(400, 300);
    chart.setCurves({line("c", {0, 1}, {0, 1})});
    EXPECT_FALSE(chart.picture().isNull());
    QTemporaryDir dir;
    for (const char* name : {"c.png", "c.svg"}) {
        EXPECT_TRUE(chart.savePicture(dir.filePath(name))) << name;
        EXPECT_GT(QFile(dir.filePath(name)).size(), 500) << name;
    }
    QString reason;
    EXPECT_FALSE(chart.savePicture(dir.filePath("no/such/folder/c.png"), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

}  // namespace
}  // namespace qelvo::ui
