// The chart of the overpressure lookup window: the dimensionless overpressure ΔP/9806.65 Pa
// over the dimensionless distance R̄, on log–log paper with a grid line at 1 … 9 of every
// decade. One paint function draws it for the window, the clipboard and a saved picture.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <optional>

#include "risk/vce.h"

class QPainter;

namespace qelvo::ui {

// Where the plot (the axes' box) lies in a picture of `size`; the labels stand around it.
QRectF overpressurePlotArea(const QSizeF& size);

// Draws the whole chart on a white ground: title, grid, labelled decades and 2, 3, 5 between
// them, axis titles, the curve with its name, and a dashed line at R̄ = `mark` when the mark
// lies on the axis.
void paintOverpressureChart(QPainter& painter, const QSizeF& size, const risk::OverpressureChart& chart, double mark);

// The chart's values (R̄, ΔP/9806.65 Pa) at a point of a picture of `size`; none outside the plot.
std::optional<QPointF> overpressureChartValue(const QSizeF& size, const risk::OverpressureChart& chart, QPointF point);

class OverpressureChartView : public QWidget {
    Q_OBJECT
public:
    explicit OverpressureChartView(double mark, QWidget* parent = nullptr);

    QImage picture() const;
    bool savePicture(const QString& path, QString* reason = nullptr) const;

signals:
    // The values under the mouse, as a line of text; empty outside the plot.
    void pointing(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    double mark_;
};

// The line under the chart for a point of the chart.
QString chartReading(QPointF value);

}  // namespace qelvo::ui
