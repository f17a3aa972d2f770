// "生活污水和垃圾" page.
#pragma once

#include "presentation/form_page.h"
#include "water/sewage.h"

namespace qelvo::ui {

using SewagePage = ModelPage<water::SewageInput, water::SewageResult>;

SewagePage* createSewagePage(QWidget* parent);

}  // namespace qelvo::ui
