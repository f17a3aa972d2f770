// Creates the page of each of the 38 slots.
#pragma once

class QWidget;

namespace qelvo::ui {

QWidget* createPage(int slot, QWidget* parent);

}  // namespace qelvo::ui

namespace qelvo::ui {

// The decibel calculator's own modeless window.
QWidget* createDecibelCalculatorWindow(QWidget* parent);

}  // namespace qelvo::ui
