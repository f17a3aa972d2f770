// "大气环境防护距离": one rectangular area source and the standard of its pollutant; "计  算"
// runs the screening off the page and shows the recommended protection distance.
#pragma once

#include "air/screening/screening_calculators.h"
#include "presentation/form_page.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace qelvo::ui {

class ProtectionDistancePage : public ModelPage<air::ProtectionInput, air::ProtectionOutcome> {
public:
    explicit ProtectionDistancePage(QWidget* parent = nullptr);

    QPushButton* computeButton() const { return button_; }
    QComboBox* pollutantList() const { return pollutants_; }
    QPlainTextEdit* resultText() const { return text_; }

    // "计  算"; false when a check refused the inputs, the runs failed or were cancelled.
    bool computeDistance();

private:
    void choosePollutant(int index);

    QPushButton* button_;
    QComboBox* pollutants_;
    QPlainTextEdit* text_;
};

}  // namespace qelvo::ui
