// Writes a result table as a real .xlsx workbook: one worksheet, the column titles in the
// first row, one row per table row. A cell whose text is a number becomes a numeric cell
// whose number format shows the same digits as the table; any other text stays text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_file.h"

namespace qelvo {

struct SheetData {
    std::string sheetName;
    std::vector<std::string> titles;
    std::vector<std::vector<std::string>> rows;
};

// Excel's sheet size: a table larger than this is refused before anything is written.
constexpr std::size_t kSheetMaxColumns = 16'384;
constexpr std::size_t kSheetMaxRows = 1'048'576;  // the title row included
inline const char* kSheetTooLarge = "表格超出Excel工作表的大小（最多16384列、1048576行），无法导出！";

// A name Excel accepts: none of []:*?/\, no apostrophe at either end, at most 31 characters.
std::string cleanSheetName(std::string_view name);

// The Excel number format that shows a table text's digits unchanged ("General", "0.0000",
// "0.00000e+000"), or empty when the text is not a number and stays text.
std::string excelNumberFormat(std::string_view text);

// Writes the workbook to a temporary file beside `path` and renames it over `path`, so an
// old file is either replaced whole or left untouched. Returns an empty text on success,
// otherwise the message to show.
std::string writeXlsx(const std::string& path, const SheetData& sheet);

}  // namespace qelvo
