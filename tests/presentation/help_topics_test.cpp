// Help topics of the reference-material buttons.
#include "presentation/help_topics.h"

#include <gtest/gtest.h>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

using testing::RecordDesktop;
using testing::RecordMessages;

TEST(HelpTopics, MissingFileIsReported)
{
    RecordDesktop desktop;
    RecordMessages messages;
    openHelpTopic(nullptr, "\\qelvohelp.chm::\\没有\\这个.htm");
    EXPECT_TRUE(desktop.urls.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("help/没有/这个.htm"));
}

}  // namespace
}  // namespace qelvo::ui
