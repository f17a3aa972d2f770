// "沉淀池污泥量计算" page.
#pragma once

#include "presentation/form_page.h"
#include "tools/sludge.h"

namespace qelvo::ui {

using SludgePage = ModelPage<tools::SludgeInput, tools::SludgeResult>;

SludgePage* createSludgePage(QWidget* parent);

}  // namespace qelvo::ui
