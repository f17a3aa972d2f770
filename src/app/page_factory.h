// The program's catalogue and its pages: the layout of src/common/catalogue.cpp with the
// calculator and page lists of every domain.
#pragma once

#include <functional>

#include "common/catalogue.h"

class QWidget;

namespace qelvo::ui {

const Catalogue& programCatalogue();

// The page of a slot: its domain's page, or a placeholder naming its calculator.
QWidget* createPage(int slot, QWidget* parent);

// What a menu command without a slot opens (a window of its own), or an empty function.
std::function<void(QWidget* owner)> commandWindow(int command);

}  // namespace qelvo::ui
