// The pages and windows of the noise calculators.
#pragma once

#include "presentation/page_list.h"

namespace qelvo::ui {

const PageList& noisePages();

}  // namespace qelvo::ui
