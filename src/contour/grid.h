// The contour subsystem: a calculator's result table goes to the grid file "result.grd"
// (DSAA text layout), the contour map reads it back into a Grid, the tracer turns the Grid
// into contour lines per level, and the map window draws them.
#pragma once

#include <vector>

namespace qelvo::contour {

// ny rows of nx single-precision values; row 0 lies at ylo, column 0 at xlo, nodes evenly
// spaced up to xhi and yhi.
struct Grid {
    int nx = 0;
    int ny = 0;
    double xlo = 0, xhi = 0, ylo = 0, yhi = 0, zlo = 0, zhi = 0;
    std::vector<float> z;  // row after row

    float at(int i, int j) const { return z[static_cast<std::size_t>(i) * nx + j]; }
    double dx() const { return (xhi - xlo) / (nx - 1); }
    double dy() const { return (yhi - ylo) / (ny - 1); }
};

}  // namespace qelvo::contour
