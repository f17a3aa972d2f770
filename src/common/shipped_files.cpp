#include "common/shipped_files.h"

namespace qelvo {

namespace fs = std::filesystem;

fs::path shippedFolder(const fs::path& programDir, const std::string& name)
{
    std::error_code ec;
    if (fs::exists(programDir / name, ec)) return programDir;
    const fs::path installed = (programDir / kInstalledDataFolder).lexically_normal();
    if (fs::exists(installed / name, ec)) return installed;
    return programDir;
}

}  // namespace qelvo
