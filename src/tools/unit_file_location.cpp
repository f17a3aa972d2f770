#include "tools/unit_file_location.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "common/shipped_files.h"
#include "tools/unit_converter.h"

namespace qelvo::tools {

namespace fs = std::filesystem;

bool canWriteUnitFileIn(const fs::path& dir)
{
    std::error_code ec;
    const fs::path file = dir / kUnitFileName;
    if (fs::exists(fs::symlink_status(file, ec))) {
        // Opening for appending writes nothing; it only asks whether writing would be allowed.
        const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd < 0) return false;
        ::close(fd);
        return true;
    }
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

namespace {

// The shipped file copied to the user's copy: written under a temporary name, then renamed,
// so a failed copy never leaves a half file that would later pass for the user's own.
std::string seedUserCopy(const fs::path& shipped, const fs::path& target)
{
    std::ifstream in(shipped, std::ios::binary);
    if (!in) return "读取随程序提供的单位文件失败（" + std::string(std::strerror(errno)) + "）：" + shipped.string();
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return "读取随程序提供的单位文件失败：" + shipped.string();

    const fs::path temporary = target.string() + ".new" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "建立用户的单位文件失败：" + target.string();
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "建立用户的单位文件失败（" + ec.message() + "）：" + target.string();
    }
    return {};
}

}  // namespace

UnitFileChoice chooseUnitFile(const UnitFilePlaces& places, bool besideProgramWritable)
{
    if (besideProgramWritable) return {places.programDir / kUnitFileName, {}};
    const fs::path user = places.userDir / kUnitFileName;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(user, ec))) return {user, {}};
    fs::create_directories(places.userDir, ec);
    if (ec) return {user, "建立用户数据文件夹失败（" + ec.message() + "）：" + places.userDir.string()};
    const fs::path shipped = places.programDir / kUnitFileName;
    if (!fs::is_regular_file(shipped, ec)) return {user, {}};  // nothing shipped: it starts empty
    return {user, seedUserCopy(shipped, user)};
}

UnitFileChoice chooseUnitFile(const UnitFilePlaces& places)
{
    return chooseUnitFile(places, canWriteUnitFileIn(places.programDir));
}

UnitFilePlaces standardUnitFilePlaces()
{
    UnitFilePlaces places;
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    places.programDir = shippedFolder(ec ? fs::current_path(ec) : program.parent_path(), kUnitFileName);

    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    fs::path base;
    if (dataHome && fs::path(dataHome).is_absolute()) base = dataHome;
    else if (home && *home) base = fs::path(home) / ".local" / "share";
    else base = fs::current_path(ec);
    places.userDir = base / "Qelvo" / "Qelvo";
    return places;
}

UnitFileChoice locateUnitFile(const UnitFilePlaces& places)
{
    const char* chosen = std::getenv(kUnitFileVariable);
    if (chosen && *chosen) return {fs::path(chosen), {}};
    return chooseUnitFile(places);
}

}  // namespace qelvo::tools
