// The grid file "result.grd" in the DSAA text layout, as other grid programs read it too:
//   DSAA / nx ny / xlo xhi / ylo yhi / zlo zhi / then ny rows of nx "%g " values, each row
//   followed by a blank line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contour/grid.h"

namespace qelvo::contour {

inline const char* kGridFileName = "result.grd";

// Writes a result table whose first column holds row titles: every further column is an x
// node, every row a y node (row 0 at ylo). A cell that is not a decimal number counts as 0;
// zlo is written as 0. False, with the message to show in `error`, when the table holds a
// value that is not finite ("nan", "inf", a number beyond double range) or zhi is not finite
// (nothing is written then), or when the file cannot be written; it is written to a new file
// beside `path` and renamed over it, so a failed write leaves the old file as it was. When
// the file cannot be created, also says so on stdout.
bool writeGridFile(const std::vector<std::vector<std::string>>& table, const std::string& path, double xlo,
                   double xhi, double ylo, double yhi, double zhi, std::string* error = nullptr);

struct GridReadResult {
    std::optional<Grid> grid;
    std::string error;  // the message to show when there is no grid
};

// Refuses a file whose header or values are not finite numbers (a value beyond single
// precision included), naming the file and the line.
GridReadResult readGridFile(const std::string& path);

// Grids larger than this many nodes are refused before any memory is spent on them.
constexpr long long kMaxGridNodes = 25'000'000;

}  // namespace qelvo::contour
