// The air page list: every built slot opens its page (help topics are checked for every
// calculator with the command line's list).
#include "air/pages/air_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "air/air_calculators.h"
#include "app/page_factory.h"
#include "presentation/placeholder_page.h"

namespace qelvo::ui {
namespace {

TEST(AirPages, EveryBuiltSlotOpensItsPage)
{
    int pages = 0;
    for (const auto& entry : air::airCalculators()) {
        if (!entry.calculator || entry.slot == 0) continue;
        std::unique_ptr<QWidget> page(createPage(entry.slot, nullptr));
        EXPECT_FALSE(qobject_cast<PlaceholderPage*>(page.get()) || page->findChild<PlaceholderPage*>()) << entry.slot;
        ++pages;
    }
    EXPECT_EQ(pages, 11);  // slots 2, 3, 8, 9, 10, 15, 16, 18, 20, 33, 34
}

}  // namespace
}  // namespace qelvo::ui
