// "2009新导则工业噪声预测": a tab container with the input form and the result form; the
// prediction runs each time the result tab is chosen.
#pragma once

#include "noise/industrial_noise.h"
#include "common/catalogue.h"
#include "presentation/form_page.h"

class QPlainTextEdit;
class QPushButton;

namespace qelvo::ui {

class TabSheet;

class IndustrialInputForm : public ModelPage<noise::IndustrialInput, noise::IndustrialResult> {
public:
    explicit IndustrialInputForm(QWidget* parent = nullptr);

    // The enable and show rules of the form, applied after every change.
    void applyRules();
    void computeAbsorption();  // "自动计算" beside a
    void computeWeighting();   // "自动计算" beside ΔA
    void openPathDifference(); // "声程差计算"

private:
    QPushButton* autoA_ = nullptr;
    QPushButton* pathButton_ = nullptr;
};

class IndustrialNoisePage : public QWidget {
    Q_OBJECT
public:
    // The tab titles come from the slot.
    explicit IndustrialNoisePage(const PageSlot& slot, QWidget* parent = nullptr);

    TabSheet* tabs() const { return tabs_; }
    IndustrialInputForm* inputForm() const { return input_; }
    ResultTable* table() const { return table_; }
    QPlainTextEdit* resultText() const { return text_; }

private:
    TabSheet* tabs_;
    IndustrialInputForm* input_;
    ResultTable* table_;
    QPlainTextEdit* text_;
};

}  // namespace qelvo::ui
