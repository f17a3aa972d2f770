// Figures of the highway windows, drawn from the formulas: the finite-barrier correction
// chart, the embankment geometry, and the attenuation over a path difference.
#pragma once

#include <QWidget>

namespace qelvo::ui {

class FiniteBarrierChart : public QWidget {
public:
    explicit FiniteBarrierChart(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class EmbankmentPicture : public QWidget {
public:
    explicit EmbankmentPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PathDifferenceChart : public QWidget {
public:
    explicit PathDifferenceChart(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qelvo::ui
