// "无因次距离查超压表": the overpressure chart, the page's dimensionless distance, the
// overpressure the user reads off the chart (in Pa) and "确定".
#pragma once

#include <QDialog>
#include <functional>

#include "common/calculator.h"

class QLabel;
class QLineEdit;

namespace qelvo::ui {

class OverpressureChartView;

class OverpressureLookupWindow : public QDialog {
    Q_OBJECT
public:
    // `take` receives the typed overpressure on "确定"; a refusal it returns keeps the window
    // open with the focus on the field.
    OverpressureLookupWindow(float Rbar, std::function<Refusal(float)> take, QWidget* parent = nullptr);

    OverpressureChartView* chart() const { return chart_; }
    QLineEdit* distance() const { return distance_; }
    QLineEdit* overpressure() const { return overpressure_; }
    QLabel* reading() const { return reading_; }

    void confirm();  // "确定"
    void copyToClipboard();
    void savePicture();

private:
    std::function<Refusal(float)> take_;
    OverpressureChartView* chart_;
    QLineEdit* distance_;
    QLineEdit* overpressure_;
    QLabel* reading_;
};

}  // namespace qelvo::ui
