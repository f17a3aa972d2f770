#include "presentation/curve_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "presentation/picture_file.h"

namespace qelvo::ui {
namespace {

// The first curve blue, as the plot window always drew it; further curves in colours that
// stay apart on white.
const QColor kCurveColours[] = {QColor(0, 0, 255),   QColor(200, 0, 0),   QColor(0, 140, 0),
                                QColor(200, 120, 0), QColor(140, 0, 160), QColor(0, 150, 160)};
const QColor kGridColour(255, 0, 255, 90);

bool drawable(double v, bool logarithmic) { return std::isfinite(v) && (!logarithmic || v > 0); }

QAbstractAxis* makeAxis(const ChartAxis& axis, const std::string& title, double low, double high)
{
    const double from = axis.min.value_or(low), to = axis.max.value_or(high);
    QAbstractAxis* made;
    if (axis.logarithmic) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setLabelFormat(QStringLiteral("%g"));
        log->setRange(from, to);
        made = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setTickCount(axis.ticks);
        linear->setLabelFormat(QStringLiteral("%g"));
        linear->setRange(from, to);
        made = linear;
    }
    made->setTitleText(QString::fromStdString(title));
    made->setGridLineColor(kGridColour);
    return made;
}

}  // namespace

CurveChart::CurveChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setCurves({});
}

void CurveChart::setCurves(std::vector<Curve> curves, const ChartOptions& options)
{
    curves_ = std::move(curves);
    series_.clear();
    auto* chart = new QChart;
    chart->setTitle(options.title);
    chart->legend()->setVisible(options.legend);

    // The data range of each axis, for the ends the options leave open.
    double xLow = std::numeric_limits<double>::infinity(), xHigh = -xLow, yLow = xLow, yHigh = -xLow;
    for (std::size_t c = 0; c < curves_.size(); ++c) {
        const Curve& curve = curves_[c];
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(curve.title));
        series->setPen(QPen(kCurveColours[c % std::size(kCurveColours)], 2));
        QList<QPointF> points;
        const std::size_t n = std::min(curve.xs.size(), curve.ys.size());
        points.reserve(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i) {
            const double x = curve.xs[i], y = curve.ys[i];
            if (!drawable(x, options.x.logarithmic) || !drawable(y, options.y.logarithmic)) continue;
            points.append(QPointF(x, y));
            xLow = std::min(xLow, x);
            xHigh = std::max(xHigh, x);
            yLow = std::min(yLow, y);
            yHigh = std::max(yHigh, y);
        }
        series->replace(points);
        chart->addSeries(series);
        series_.push_back(series);
    }
    if (!(xLow <= xHigh)) xLow = options.x.logarithmic ? 1 : 0, xHigh = xLow + 1;
    if (!(yLow <= yHigh)) yLow = options.y.logarithmic ? 1 : 0, yHigh = yLow + 1;
    if (xLow == xHigh) xHigh = xLow + 1;
    if (yLow == yHigh) yHigh = yLow + 1;

    const std::string xTitle = curves_.empty() ? std::string() : curves_.front().xLabel;
    const std::string yTitle = curves_.empty() ? std::string() : curves_.front().yLabel;
    x_ = makeAxis(options.x, xTitle, xLow, xHigh);
    y_ = makeAxis(options.y, yTitle, yLow, yHigh);
    chart->addAxis(x_, Qt::AlignBottom);
    chart->addAxis(y_, Qt::AlignLeft);
    for (QLineSeries* s : series_) {
        s->attachAxis(x_);
        s->attachAxis(y_);
    }
    QChart* previous = this->chart();
    setChart(chart);
    delete previous;
}

QLineSeries* CurveChart::series(int index) const
{
    return index >= 0 && index < static_cast<int>(series_.size()) ? series_[index] : nullptr;
}

QImage CurveChart::picture() { return grab().toImage(); }

bool CurveChart::savePicture(const QString& path, QString* reason)
{
    return writePicture(path, size(), [this](QPainter& painter, double) { render(&painter); }, reason);
}

}  // namespace qelvo::ui
