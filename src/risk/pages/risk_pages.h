// The pages of the environmental-risk calculators.
#pragma once

#include "presentation/page_list.h"

namespace qelvo::ui {

const PageList& riskPages();

}  // namespace qelvo::ui
