// "导则河流pH模式" page.
#pragma once

#include "presentation/form_page.h"
#include "water/river_ph.h"

class QPlainTextEdit;

namespace qelvo::ui {

class RiverPhPage : public ModelPage<water::PhInput, water::PhResult> {
public:
    explicit RiverPhPage(QWidget* parent = nullptr);

    QPlainTextEdit* resultText() const { return result_; }

    // The radio buttons: the wastewater field's label and value follow the kind at once.
    void setKind(int kind);

private:
    QPlainTextEdit* result_;
};

}  // namespace qelvo::ui
