// The Green and Stueber pages and the "LP1计算" window.
#pragma once

#include <QDialog>

#include "noise/workshop_noise.h"
#include "presentation/form_page.h"
#include "presentation/model_dialog.h"

namespace qelvo::ui {

class GreenPage : public ModelPage<noise::GreenInput, noise::GreenTable> {
public:
    explicit GreenPage(QWidget* parent = nullptr);
    ResultTable* table() const { return table_; }
    const noise::Distance& distance() const { return distance_; }

    void computeDistance();  // "计算噪声达标所需距离"
    void openLp1();          // "Lp1计算": on OK its Lp1 replaces the page's

private:
    ResultTable* table_;
    noise::Distance distance_;
};

class StueberPage : public ModelPage<noise::StueberInput, noise::StueberLevel> {
public:
    explicit StueberPage(QWidget* parent = nullptr);
    const noise::Distance& distance() const { return distance_; }
    void computeDistance();
    void openPathDifference();  // "声程差计算": its δ1, δ2, δ3 fill the three fields

private:
    noise::Distance distance_;
};

using Lp1Window = ModelDialog<noise::Lp1Input, noise::Lp1Result>;

}  // namespace qelvo::ui
