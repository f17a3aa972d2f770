#include "presentation/curve_plot_window.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "presentation/picture_file.h"

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
    return static_cast<int>(std::trunc(double(xMax) / step));
}

CurvePlotWindow::CurvePlotWindow(const CurvePlot& plot, QWidget* parent)
    : QDialog(parent), view_(new QChartView(this)), series_(new QLineSeries), x_(new QValueAxis), y_(new QValueAxis)
{
    setWindowTitle(QStringLiteral("绘图工具"));
    paintBackground(this, kPageColour);

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("下风向浓度曲线图"));
    chart->legend()->hide();
    series_->setName(QStringLiteral("Element-0"));
    series_->setPen(QPen(QColor(0, 0, 255), 2));
    chart->addSeries(series_);

    x_->setTitleText(QStringLiteral("X —— 污染源下风向（m）"));
    y_->setTitleText(QStringLiteral("c —— 地面浓度（mg/m^3）"));
    for (QValueAxis* axis : {x_, y_}) {
        axis->setTickCount(6);  // five divisions
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setGridLineColor(QColor(255, 0, 255, 90));
    }
    chart->addAxis(x_, Qt::AlignBottom);
    chart->addAxis(y_, Qt::AlignLeft);
    series_->attachAxis(x_);
    series_->attachAxis(y_);

    if (plot.plotFlag == 1) {
        x_->setRange(0, plot.xMax);
        y_->setRange(0, curveYTop(plot.yMax));
        const int last = std::min(curveLastIndex(plot.xMax, plot.step), int(plot.values.size()) - 1);
        QList<QPointF> points;
        points.reserve(last + 1);
        for (int i = 0; i <= last; ++i) points.append(QPointF(double(plot.step) * i, plot.values[i]));
        series_->replace(points);
    }
    view_->setChart(chart);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(560, 400);

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
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void CurvePlotWindow::copyToClipboard() { QApplication::clipboard()->setImage(view_->grab().toImage()); }

void CurvePlotWindow::savePicture()
{
    const QString path = chooseFile(this, {QStringLiteral("保存图片"), QStringLiteral("下风向浓度曲线图.png"),
                                           QStringLiteral("PNG图片(*.png);;SVG矢量图(*.svg)"), true});
    if (path.isEmpty()) return;
    QString reason;
    if (!writePicture(
            path, view_->size(), [this](QPainter& painter, double) { view_->render(&painter); }, &reason))
        showMessage(this, reason);
}

}  // namespace qelvo::ui
