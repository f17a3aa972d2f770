#include "presentation/curve_plot_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

#include "common/number_format.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

float curveYTop(float yMax)
{
    const std::string text = cformat("%f", double(yMax));
    const auto zeros = std::count(text.begin(), text.end(), '0');
    const double p = std::pow(10.0, double(zeros));
    const float top = static_cast<float>(std::trunc(double(yMax) * p + 4.0) / p);
    // Values too large for the rule (the power overflows) keep their own top.
    return std::isfinite(top) && top > 0 ? top : std::max(yMax, 1.0f);
}

int curveLastIndex(float xMax, int step)
{
    if (step <= 0 || !(xMax >= 0)) return -1;
    // Checked in double before the conversion (x max up to 3.4e38 over a step of 1).
    const double last = std::trunc(double(xMax) / step);
    return last >= double(INT_MAX) ? INT_MAX : static_cast<int>(last);
}

Curve concentrationCurve(const CurvePlot& plot)
{
    Curve curve{"下风向浓度曲线图", "X —— 污染源下风向（m）", "c —— 地面浓度（mg/m^3）", {}, {}};
    if (plot.plotFlag != 1) return curve;
    const int last = std::min(curveLastIndex(plot.xMax, plot.step), int(plot.values.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        curve.xs.push_back(double(plot.step) * i);
        curve.ys.push_back(plot.values[i]);
    }
    return curve;
}

ChartOptions concentrationChartOptions(const CurvePlot& plot)
{
    ChartOptions options;
    options.title = QStringLiteral("下风向浓度曲线图");
    if (plot.plotFlag == 1) {
        options.x.min = 0;
        options.x.max = plot.xMax;
        options.y.min = 0;
        options.y.max = curveYTop(plot.yMax);
    }
    return options;
}

CurvePlotWindow::CurvePlotWindow(const CurvePlot& plot, QWidget* parent)
    : CurvePlotWindow({concentrationCurve(plot)}, concentrationChartOptions(plot), parent)
{
    chart_->series(0)->setName(QStringLiteral("Element-0"));
}

CurvePlotWindow::CurvePlotWindow(std::vector<Curve> curves, const ChartOptions& options, QWidget* parent)
    : QDialog(parent), chart_(new CurveChart(this))
{
    setWindowTitle(QStringLiteral("绘图工具"));
    paintBackground(this, kPageColour);
    chart_->setCurves(std::move(curves), options);
    chart_->setMinimumSize(560, 400);

    auto* copy = new QPushButton(QStringLiteral("复制到剪贴板"), this);
    auto* save = new QPushButton(QStringLiteral("保存图片"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(copy, &QPushButton::clicked, this, &CurvePlotWindow::copyToClipboard);
    connect(save, &QPushButton::clicked, this, &CurvePlotWindow::savePicture);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
}

QValueAxis* CurvePlotWindow::xAxis() const { return qobject_cast<QValueAxis*>(chart_->xAxis()); }
QValueAxis* CurvePlotWindow::yAxis() const { return qobject_cast<QValueAxis*>(chart_->yAxis()); }

void CurvePlotWindow::copyToClipboard() { QApplication::clipboard()->setImage(chart_->picture()); }

void CurvePlotWindow::savePicture()
{
    const QString title = chart_->chart()->title().isEmpty() ? QStringLiteral("曲线图") : chart_->chart()->title();
    const QString path = chooseFile(this, {QStringLiteral("保存图片"), title + QStringLiteral(".png"),
                                           QStringLiteral("PNG图片(*.png);;SVG矢量图(*.svg)"), true});
    if (path.isEmpty()) return;
    QString reason;
    if (!chart_->savePicture(path, &reason)) showMessage(this, reason);
}

}  // namespace qelvo::ui
