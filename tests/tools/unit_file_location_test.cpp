// Where data.ini lives: beside the program, else the user's copy made from the shipped one.
#include "tools/unit_file_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tools/temp_dir.h"
#include "tools/unit_converter.h"

namespace qelvo::tools {
namespace {

namespace fs = std::filesystem;
using testing::slurp;
using testing::TempDir;
using testing::write;

const std::string kShipped = "[长度][1][米]=[100][厘米]\n";

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value->c_str(), 1);
        else ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct Places {
    TempDir root;
    UnitFilePlaces places{root.path() / "program", root.path() / "user" / "Qelvo"};
    Places()
    {
        fs::create_directory(places.programDir);
        write(places.programDir / "data.ini", kShipped);
    }
};

TEST(UnitFileLocation, BesideTheProgramWhereItMayWrite)
{
    Places p;
    const UnitFileChoice choice = chooseUnitFile(p.places, true);
    EXPECT_EQ(choice.path, p.places.programDir / "data.ini");
    EXPECT_EQ(choice.error, "");
    EXPECT_FALSE(fs::exists(p.places.userDir));  // no user copy is made
    EXPECT_EQ(chooseUnitFile(p.places).path, p.places.programDir / "data.ini");
}

TEST(UnitFileLocation, ElseTheUsersCopyMadeFromTheShippedFileOnce)
{
    Places p;
    const UnitFileChoice first = chooseUnitFile(p.places, false);
    EXPECT_EQ(first.path, p.places.userDir / "data.ini");
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(slurp(first.path), kShipped);
    EXPECT_EQ(std::distance(fs::directory_iterator(p.places.userDir), fs::directory_iterator()), 1);  // no temporary left

    // The user's additions survive a new shipped file.
    ASSERT_EQ(appendUnitLine(first.path.string(), "[长度][1][米]=[1000][毫米]\n"), "");
    write(p.places.programDir / "data.ini", "[面积][1][平方米]=[0.0001][公顷]\n");
    EXPECT_EQ(slurp(chooseUnitFile(p.places, false).path), kShipped + "[长度][1][米]=[1000][毫米]\n");
}

TEST(UnitFileLocation, NothingShippedOrNoUserFolder)
{
    Places p;
    fs::remove(p.places.programDir / "data.ini");
    const UnitFileChoice none = chooseUnitFile(p.places, false);
    EXPECT_EQ(none.error, "");
    EXPECT_FALSE(fs::exists(none.path));  // reading it makes it, empty

    // The user's folder would lie below a regular file: said so, with the folder.
    Places q;
    write(q.root.path() / "user", "not a folder");
    const UnitFileChoice blocked = chooseUnitFile(q.places, false);
    EXPECT_NE(blocked.error.find("建立用户数据文件夹失败"), std::string::npos) << blocked.error;
    EXPECT_NE(blocked.error.find(q.places.userDir.string()), std::string::npos) << blocked.error;
}

TEST(UnitFileLocation, WhetherTheProgramMayWriteBesideItself)
{
    TempDir dir;
    EXPECT_TRUE(canWriteUnitFileIn(dir.path()));  // no file yet, a folder that takes files
    write(dir.path() / "data.ini", kShipped);
    EXPECT_TRUE(canWriteUnitFileIn(dir.path()));
    EXPECT_EQ(slurp(dir.path() / "data.ini"), kShipped);  // asking changed nothing
    EXPECT_FALSE(canWriteUnitFileIn(dir.path() / "missing"));
    // A folder where the file should be cannot be written, whoever asks.
    const fs::path other = dir.path() / "other";
    fs::create_directories(other / "data.ini");
    EXPECT_FALSE(canWriteUnitFileIn(other));
}

TEST(UnitFileLocation, TheVariableNamesAnotherFile)
{
    Places p;
    {
        ScopedVariable chosen(kUnitFileVariable, "/somewhere/units.ini");
        EXPECT_EQ(locateUnitFile(p.places).path, "/somewhere/units.ini");
    }
    ScopedVariable unset(kUnitFileVariable, std::nullopt);
    EXPECT_EQ(locateUnitFile(p.places).path, p.places.programDir / "data.ini");
}

TEST(UnitFileLocation, StandardPlacesWithoutQt)
{
    // The program's own folder: where this test program lies (build/).
    EXPECT_TRUE(fs::exists(standardUnitFilePlaces().programDir / "qelvo_core_tests"));
    {
        ScopedVariable data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(standardUnitFilePlaces().userDir, "/data/home/Qelvo/Qelvo");
    }
    ScopedVariable data("XDG_DATA_HOME", std::nullopt);
    ScopedVariable home("HOME", "/home/someone");
    EXPECT_EQ(standardUnitFilePlaces().userDir, "/home/someone/.local/share/Qelvo/Qelvo");
}

}  // namespace
}  // namespace qelvo::tools
