// "导则一维日均水温模式" page.
#pragma once

#include "presentation/form_page.h"
#include "water/water_temperature.h"

namespace qelvo::ui {

class WaterTemperaturePage : public ModelPage<water::TemperatureInput, water::TemperatureResult> {
public:
    explicit WaterTemperaturePage(QWidget* parent = nullptr);

    ResultTable* table() const { return table_; }

private:
    ResultTable* table_;
};

}  // namespace qelvo::ui
