#include "contour/contour_levels.h"

#include <algorithm>

namespace qelvo::contour {

void LevelSet::add(float value)
{
    const auto at = std::lower_bound(levels_.begin(), levels_.end(), value);
    if (at != levels_.end() && *at == value) return;
    levels_.insert(at, value);
}

void LevelSet::remove(int index)
{
    if (index >= 0 && index < count()) levels_.erase(levels_.begin() + index);
}

LevelSet LevelSet::defaults(float zlo, float zhi)
{
    LevelSet set;
    const float step = 0.1f * (zhi - zlo);
    // Where the step no longer moves the sum (a zero or vanishing range), stop.
    for (float v = zlo; v <= zhi; v += step) {
        set.add(v);
        if (v + step <= v || set.count() > 100) break;
    }
    return set;
}

}  // namespace qelvo::contour
