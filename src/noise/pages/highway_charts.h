// Figures of the highway windows: the finite-barrier correction chart and the attenuation
// over a path difference (the model's curves on the chart widget), and the embankment
// geometry (a schematic).
#pragma once

#include <QWidget>

namespace qelvo::ui {

class CurveChart;

CurveChart* finiteBarrierChart(QWidget* parent);
CurveChart* barrierAttenuationChart(QWidget* parent);

class EmbankmentPicture : public QWidget {
public:
    explicit EmbankmentPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qelvo::ui
