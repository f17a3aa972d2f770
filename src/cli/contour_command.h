// qelvo-calc contour FILE.grd [--levels a,b,c] --out map.png|map.svg
// Draws the contour map of a grid file as the map window does, without a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qelvo::cli {

int runContour(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qelvo::cli
