// "燃煤(油)废气": the fuel list with its defaults, the yearly emissions and the reductions.
#pragma once

#include "air/combustion.h"
#include "presentation/form_page.h"

class QComboBox;

namespace qelvo::ui {

class CombustionPage : public ModelPage<air::CombustionInput, air::CombustionResult> {
public:
    explicit CombustionPage(QWidget* parent = nullptr);
    QComboBox* fuelList() const { return fuel_; }

    // "计算": the initial concentrations shown last stay when there is no flue gas.
    bool computeKeepingConcentrations();
    // "油" / "煤": the fuel's sulphur content and limits into their fields.
    void chooseFuel(int fuel);

private:
    QComboBox* fuel_;
};

}  // namespace qelvo::ui
