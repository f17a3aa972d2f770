// The one chart widget of the program: draws a calculator's curves (common Curve) on Qt
// Charts, with linear or logarithmic axes, and gives the picture for the clipboard or a
// file. The curve plot window and the highway windows' charts are built on it.
#pragma once

#include <QChartView>
#include <QString>
#include <optional>
#include <vector>

#include "common/calculator.h"

class QAbstractAxis;
class QLineSeries;

namespace qelvo::ui {

struct ChartAxis {
    std::optional<double> min, max;  // none: from the data
    int ticks = 6;                    // grid lines of a linear axis, ends included
    bool logarithmic = false;         // base 10; points at or below 0 are left out
};

struct ChartOptions {
    QString title;  // the chart's caption; empty: none
    ChartAxis x, y;
    bool legend = false;  // the curves' titles in a legend
};

class CurveChart : public QChartView {
    Q_OBJECT
public:
    explicit CurveChart(QWidget* parent = nullptr);

    // Draws the curves on one pair of axes, titled with the first curve's axis labels. Points
    // that are not finite are left out.
    void setCurves(std::vector<Curve> curves, const ChartOptions& options = {});
    const std::vector<Curve>& curves() const { return curves_; }

    QLineSeries* series(int index) const;
    QAbstractAxis* xAxis() const { return x_; }
    QAbstractAxis* yAxis() const { return y_; }

    // The chart as it is shown, for the clipboard.
    QImage picture();
    // Saves the chart as PNG or SVG by the file's suffix; false with the reason otherwise.
    bool savePicture(const QString& path, QString* reason = nullptr);

private:
    std::vector<Curve> curves_;
    std::vector<QLineSeries*> series_;
    QAbstractAxis* x_ = nullptr;
    QAbstractAxis* y_ = nullptr;
};

}  // namespace qelvo::ui
