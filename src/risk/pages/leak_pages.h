// The three leak-rate pages: liquid (Bernoulli), gas (critical or subcritical flow) and
// two-phase (flashing liquid).
#pragma once

#include "presentation/form_page.h"
#include "risk/leak.h"

class QLabel;
class QPlainTextEdit;

namespace qelvo::ui {

class LiquidLeakPage : public ModelPage<risk::LiquidLeakInput, risk::LiquidLeakResult> {
public:
    explicit LiquidLeakPage(QWidget* parent = nullptr);
};

class GasLeakPage : public ModelPage<risk::GasLeakInput, risk::GasLeakResult> {
public:
    explicit GasLeakPage(QWidget* parent = nullptr);
    QPlainTextEdit* resultText() const { return text_; }
    QLabel* shapeCoefficient() const { return shape_; }  // Cd of the chosen shape

private:
    void showShape(int shape);

    QPlainTextEdit* text_;
    QLabel* shape_;
};

class TwoPhaseLeakPage : public ModelPage<risk::TwoPhaseLeakInput, risk::TwoPhaseLeakResult> {
public:
    explicit TwoPhaseLeakPage(QWidget* parent = nullptr);
    QPlainTextEdit* message() const { return message_; }  // the flash-fraction line

private:
    QPlainTextEdit* message_;
};

}  // namespace qelvo::ui
