// The pages of the air calculators.
#pragma once

#include "presentation/page_list.h"

namespace qelvo::ui {

const PageList& airPages();

}  // namespace qelvo::ui
