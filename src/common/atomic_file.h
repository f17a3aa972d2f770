// Files the program writes (pictures, the grid file, .xlsx exports) are written whole or not
// at all: to a new file beside the target, checked at every write and at closing, then
// renamed over the target. An old file is replaced whole or left untouched, and a failed
// write (a full disk, a missing folder) is reported instead of passing for success. A target
// that is a symbolic link is replaced by the new file; the link's target is not touched.
#pragma once

#include <string>
#include <string_view>

namespace qelvo {

inline const char* kReplaceFailed = "覆盖文件时出错！";

// "无法写入文件“path”，请检查文件夹、磁盘空间和写入权限！"
std::string cannotWriteMessage(const std::string& path);

// A name for a new file in the folder of `path` (".name.123456.tmp"), not yet taken.
std::string temporaryPathBeside(const std::string& path);

// Renames a finished temporary file over `path`; on failure removes it and returns the
// message to show, otherwise an empty text.
std::string replaceWith(const std::string& temporary, const std::string& path);

// Writes `bytes` to `path` as above. Returns an empty text on success, otherwise the message
// to show (the old file, if any, is then unchanged).
std::string writeFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace qelvo
