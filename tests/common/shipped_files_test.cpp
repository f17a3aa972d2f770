// Shipped files: beside the program in the build folder, in share/qelvo once installed.
#include "common/shipped_files.h"

#include <gtest/gtest.h>

#include "tools/temp_dir.h"

namespace qelvo {
namespace {

namespace fs = std::filesystem;
using tools::testing::TempDir;
using tools::testing::write;

TEST(ShippedFiles, BesideTheProgramThenTheInstalledFolder)
{
    TempDir root;
    const fs::path bin = root.path() / "bin";
    const fs::path share = root.path() / "share" / "qelvo";
    fs::create_directories(bin);
    fs::create_directories(share / "help");
    write(share / "data.ini", "x");
    // Installed: found in share/qelvo, as a file or a folder.
    EXPECT_EQ(shippedFolder(bin, "data.ini"), share);
    EXPECT_EQ(shippedFolder(bin, "help"), share);
    // Nowhere: the program's folder (a data.ini is then made there or in the user's folder).
    EXPECT_EQ(shippedFolder(bin, "other.ini"), bin);
    // The build folder: beside the program wins.
    write(bin / "data.ini", "y");
    EXPECT_EQ(shippedFolder(bin, "data.ini"), bin);
}

}  // namespace
}  // namespace qelvo
