// Creates the page of each of the 38 slots.
#pragma once

class QWidget;

namespace qelvo::ui {

QWidget* createPage(int slot, QWidget* parent);

}  // namespace qelvo::ui
