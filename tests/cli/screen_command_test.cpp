#include "cli/screen_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace qelvo::cli {
namespace {

const char* kVolumeDeck = "t\nV\n 1\n 5\n 2\n 1\n 0\nR\nN\n 1\nN\nY\n 100\n 0\nN\n";

TEST(ScreenCommand, WritesTheListingOfTheDeckOnStandardInput)
{
    std::istringstream in(kVolumeDeck);
    std::ostringstream out, err;
    EXPECT_EQ(runScreen({}, in, out, err), kExitOk);
    EXPECT_TRUE(err.str().empty());
    const std::string listing = out.str();
    EXPECT_EQ(listing.rfind("  ***  QELVO SCREENING MODEL — SCREEN3-COMPATIBLE  ***\n", 0), 0u);
    EXPECT_NE(listing.find(" *** SCREEN DISCRETE DISTANCES ***"), std::string::npos);
    EXPECT_NE(listing.find("*** SUMMARY OF SCREEN MODEL RESULTS ***"), std::string::npos);
}

TEST(ScreenCommand, RefusesBadDecksAndArguments)
{
    std::istringstream in("t\nP\n 1\n");
    std::ostringstream out, err;
    EXPECT_EQ(runScreen({}, in, out, err), kExitRefused);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("估算输入不完整"), std::string::npos);
    std::istringstream any(kVolumeDeck);
    std::ostringstream out2, err2;
    EXPECT_EQ(runScreen({"deck.inp"}, any, out2, err2), kExitUsage);
}

}  // namespace
}  // namespace qelvo::cli
