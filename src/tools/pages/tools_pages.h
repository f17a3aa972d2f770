// The pages of the solid-waste, subsidence and other-tools calculators.
#pragma once

#include "presentation/page_list.h"

namespace qelvo::ui {

const PageList& toolsPages();

}  // namespace qelvo::ui
