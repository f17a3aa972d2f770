// Every calculator of the solid-waste, subsidence and other-tools menus, with the menu
// command and page slot that lead to it.
#pragma once

#include "common/catalogue.h"

namespace qelvo::tools {

const CalculatorList& toolsCalculators();

}  // namespace qelvo::tools
