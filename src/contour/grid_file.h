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
// node, every row a y node (row 0 at ylo). A cell that is not a number counts as 0; zlo is
// written as 0. When the file cannot be created, says so on stdout and returns false.
bool writeGridFile(const std::vector<std::vector<std::string>>& table, const std::string& path, double xlo,
                   double xhi, double ylo, double yhi, double zhi);

struct GridReadResult {
    std::optional<Grid> grid;
    std::string error;  // the message to show when there is no grid
};

GridReadResult readGridFile(const std::string& path);

// Grids larger than this many nodes are refused before any memory is spent on them.
constexpr long long kMaxGridNodes = 25'000'000;

}  // namespace qelvo::contour
