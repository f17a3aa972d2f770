// "S-P模式" page: the S-P table, or the fully mixed concentration alone.
#pragma once

#include "presentation/form_page.h"
#include "water/sp_model.h"

namespace qelvo::ui {

class SpPage : public ModelPage<water::SpInput, water::SpResult> {
public:
    explicit SpPage(QWidget* parent = nullptr);

    ResultTable* table() const { return table_; }

    // "只计算完全混合浓度": rebuilds the empty table for the mode and sets the fields.
    void setMixedOnly(bool on);

private:
    void setWidths(std::initializer_list<int> widths);

    ResultTable* table_;
};

}  // namespace qelvo::ui
