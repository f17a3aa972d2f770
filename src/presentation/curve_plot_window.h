// "绘图工具": a window with the chart of computed curves, "复制到剪贴板", "保存图片" and
// "关闭". Made from a CurvePlot it draws one ground-concentration curve over downwind
// distance with the axis ranges of the plot window's rules; made from curves, any chart.
#pragma once

#include <QDialog>
#include <vector>

#include "presentation/curve_chart.h"

class QLineSeries;
class QValueAxis;

namespace qelvo::ui {

struct CurvePlot {
    float xMax = 0;              // m, the right end of the x axis
    std::vector<float> values;   // mg/m^3 at x = 0, step, 2·step, …
    float yMax = 0;              // the largest value
    int step = 0;                // m between points
    int plotFlag = 1;            // 1 draws; anything else leaves the chart empty
};

// The top of the y axis: y max rounded up at the digit the count of '0' characters in its
// "%f" text points to (0.001234 → 0.005, 12.5 → 12.50004).
float curveYTop(float yMax);

// The index of the last point: trunc(x max / step), at most the largest int (the plot's
// values bound it further); −1 where no point can be drawn.
int curveLastIndex(float xMax, int step);

// The concentration curve of a plot, with the chart options of the plot window.
Curve concentrationCurve(const CurvePlot& plot);
ChartOptions concentrationChartOptions(const CurvePlot& plot);

class CurvePlotWindow : public QDialog {
    Q_OBJECT
public:
    explicit CurvePlotWindow(const CurvePlot& plot, QWidget* parent = nullptr);
    CurvePlotWindow(std::vector<Curve> curves, const ChartOptions& options, QWidget* parent = nullptr);

    CurveChart* chartView() const { return chart_; }
    QLineSeries* series() const { return chart_->series(0); }
    QValueAxis* xAxis() const;  // null on a logarithmic axis
    QValueAxis* yAxis() const;

    void copyToClipboard();
    void savePicture();

private:
    CurveChart* chart_;
};

}  // namespace qelvo::ui
