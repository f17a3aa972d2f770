#include "common/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace qelvo {

namespace fs = std::filesystem;

std::string cannotWriteMessage(const std::string& path)
{
    return "无法写入文件“" + path + "”，请检查文件夹、磁盘空间和写入权限！";
}

std::string temporaryPathBeside(const std::string& path)
{
    const fs::path target(path);
    static thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0;; ++attempt) {
        const std::string name = "." + target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp";
        const fs::path candidate = target.parent_path() / name;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)) || attempt > 20) return candidate.string();
    }
}

std::string replaceWith(const std::string& temporary, const std::string& path)
{
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return {};
    std::remove(temporary.c_str());
    return kReplaceFailed;
}

std::string writeFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::string temporary = temporaryPathBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return cannotWriteMessage(path);
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) done += static_cast<std::size_t>(n);
        else if (!(n < 0 && errno == EINTR)) ok = false;
    }
    // Some file systems report a full disk only when the data are flushed at closing.
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        std::remove(temporary.c_str());
        return cannotWriteMessage(path);
    }
    return replaceWith(temporary, path);
}

}  // namespace qelvo
