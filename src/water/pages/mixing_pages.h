// The river mixing pages: two-dimensional steady mixing, cumulative flow (each a single
// receptor or a grid shown in the results window) and F-R (a list along the stream).
#pragma once

#include "presentation/form_page.h"
#include "water/river_mixing.h"

namespace qelvo::ui {

// What distinguishes the two grid pages.
template <class In>
struct MixingPageKind {
    const CalculatorDef<In, water::PointResult>& (*point)();
    const CalculatorDef<In, water::MixingGrid>& (*grid)();
    const char* group;
};

template <class In>
class MixingPage : public ModelPage<In, water::PointResult> {
public:
    MixingPage(const MixingPageKind<In>& kind, QWidget* parent = nullptr);

    // "显示计算结果": checks, computes the grid and opens its results window.
    void showGrid();

private:
    void encloseLateralRange();

    MixingPageKind<In> kind_;
};

using Mixing2dPage = MixingPage<water::Mixing2dInput>;
using CumFlowPage = MixingPage<water::CumFlowInput>;

Mixing2dPage* createMixing2dPage(QWidget* parent);
CumFlowPage* createCumFlowPage(QWidget* parent);

class FrPage : public ModelPage<water::FrInput, water::FrResult> {
public:
    explicit FrPage(QWidget* parent = nullptr);
    ResultTable* table() const { return table_; }

private:
    ResultTable* table_;
};

// Radio buttons of the model: K1 is used only by the decay model.
template <class In, class Out>
void bindDecayField(ModelPage<In, Out>& page)
{
    QButtonGroup* group = page.choiceGroup(&In::model);
    const auto apply = [&page, group] { page.setFieldsEnabled(group->checkedId() == 1, &In::K1); };
    QObject::connect(group, &QButtonGroup::idToggled, &page, apply);
    apply();
}

}  // namespace qelvo::ui
