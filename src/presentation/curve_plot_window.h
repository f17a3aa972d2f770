// "绘图工具": one curve of ground concentration against downwind distance.
#pragma once

#include <QDialog>
#include <vector>

class QChartView;
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

// The index of the last point: trunc(x max / step); −1 where no point can be drawn.
int curveLastIndex(float xMax, int step);

class CurvePlotWindow : public QDialog {
    Q_OBJECT
public:
    explicit CurvePlotWindow(const CurvePlot& plot, QWidget* parent = nullptr);

    QChartView* chartView() const { return view_; }
    QLineSeries* series() const { return series_; }
    QValueAxis* xAxis() const { return x_; }
    QValueAxis* yAxis() const { return y_; }

    void copyToClipboard();
    void savePicture();

private:
    QChartView* view_;
    QLineSeries* series_;
    QValueAxis* x_;
    QValueAxis* y_;
};

}  // namespace qelvo::ui
