// The tools list: every line fits the catalogue layout.
#include "tools/tools_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::tools {
namespace {

TEST(ToolsCalculators, EveryLineServesItsMenus)
{
    // The sludge page belongs to solid waste (solid.), the others to the tools (tools.).
    testing::expectListServesItsMenus(toolsCalculators(), {1009, 1005, 1010}, "");
}

}  // namespace
}  // namespace qelvo::tools
