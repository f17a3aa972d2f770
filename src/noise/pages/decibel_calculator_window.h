// "分贝计算器": the modeless keypad window over the calculator's key logic.
#pragma once

#include <QWidget>
#include <map>

#include "noise/decibel_calculator.h"

class QLineEdit;
class QPushButton;

namespace qelvo::ui {

class DecibelCalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit DecibelCalculatorWindow(QWidget* parent = nullptr);

    QLineEdit* displayField() const { return display_; }
    QPushButton* key(noise::DbKey k) const { return keys_.at(k); }
    void press(noise::DbKey k);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    noise::DecibelCalculator calc_;
    QLineEdit* display_;
    std::map<noise::DbKey, QPushButton*> keys_;
};

// Opens the calculator: one open at a time, so an open one is closed and a fresh one shown.
DecibelCalculatorWindow* openDecibelCalculator(QWidget* parent);
DecibelCalculatorWindow* openedDecibelCalculator();

}  // namespace qelvo::ui
