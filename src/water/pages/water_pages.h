// The pages of the water calculators.
#pragma once

#include "presentation/page_list.h"

namespace qelvo::ui {

const PageList& waterPages();

}  // namespace qelvo::ui
