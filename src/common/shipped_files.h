// Where the files shipped with the programs lie (the help pages, the unit converter's
// data.ini): beside the programs in the build folder, and in <prefix>/share/qelvo once
// installed with the programs in <prefix>/bin.
#pragma once

#include <filesystem>
#include <string>

namespace qelvo {

// The installed place of the shipped files, relative to the programs' folder.
inline const char* kInstalledDataFolder = "../share/qelvo";

// The folder that holds `name` (a file or folder): the program's folder when it is there,
// else the installed data folder when it is there, else the program's folder.
std::filesystem::path shippedFolder(const std::filesystem::path& programDir, const std::string& name);

}  // namespace qelvo
