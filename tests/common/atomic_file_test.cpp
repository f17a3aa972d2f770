// Files written whole or not at all, and failures said.
#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

#include "support/file_limit.h"

namespace qelvo {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("qelvo_atomic_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string slurp(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    std::size_t entries() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); }

    fs::path dir_;
};

TEST_F(AtomicFileTest, WritesAndReplacesWhole)
{
    const fs::path target = dir_ / "a.txt";
    EXPECT_EQ(writeFileReplacing(target.string(), "first"), "");
    EXPECT_EQ(slurp(target), "first");
    EXPECT_EQ(writeFileReplacing(target.string(), std::string(100'000, 'x')), "");
    EXPECT_EQ(slurp(target).size(), 100'000u);
    EXPECT_EQ(entries(), 1u);  // no temporary file left
}

TEST_F(AtomicFileTest, AMissingFolderIsSaid)
{
    const std::string target = (dir_ / "no" / "such" / "a.txt").string();
    EXPECT_EQ(writeFileReplacing(target, "x"), "无法写入文件“" + target + "”，请检查文件夹、磁盘空间和写入权限！");
    EXPECT_EQ(entries(), 0u);
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    // A file size limit makes the write fail the way a full disk does, for root too.
    const fs::path target = dir_ / "old.txt";
    std::ofstream(target) << "old";
    {
        const testing::FileSizeLimit limit(1000);
        EXPECT_EQ(writeFileReplacing(target.string(), std::string(5000, 'x')), cannotWriteMessage(target.string()));
    }
    EXPECT_EQ(slurp(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, ALinkIsReplacedAndItsTargetLeftAlone)
{
    // Writing "through" a link to /dev/full used to pass for success; the new file now takes
    // the link's place and what it pointed to is not touched.
    const fs::path pointed = dir_ / "pointed.txt";
    std::ofstream(pointed) << "keep";
    const fs::path link = dir_ / "link.svg";
    fs::create_symlink(pointed, link);
    EXPECT_EQ(writeFileReplacing(link.string(), "new"), "");
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(slurp(link), "new");
    EXPECT_EQ(slurp(pointed), "keep");
}

TEST_F(AtomicFileTest, ATargetThatIsAFolderCannotBeReplaced)
{
    const fs::path folder = dir_ / "taken";
    fs::create_directories(folder / "inside");
    EXPECT_EQ(writeFileReplacing(folder.string(), "x"), kReplaceFailed);
    EXPECT_EQ(entries(), 1u);
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
}

TEST_F(AtomicFileTest, TemporaryNamesLieBesideTheTarget)
{
    const fs::path target = dir_ / "result.grd";
    const fs::path temporary = temporaryPathBeside(target.string());
    EXPECT_EQ(temporary.parent_path(), dir_);
    EXPECT_EQ(temporary.filename().string().rfind(".result.grd.", 0), 0u);
    EXPECT_FALSE(fs::exists(temporary));
}

}  // namespace
}  // namespace qelvo
