// The contour levels of a map: ascending, distinct, single precision.
#pragma once

#include <vector>

namespace qelvo::contour {

// The most levels one map traces (each level costs a pass over the whole grid).
constexpr int kMaxLevels = 100;
inline const char* kTooManyLevels = "等值线最多100条，请减少等值线值后重新输入！";

class LevelSet {
public:
    // Sorted insert; a value already present is not added again.
    void add(float value);
    void remove(int index);
    void clear() { levels_.clear(); }

    int count() const { return static_cast<int>(levels_.size()); }
    float at(int index) const { return levels_[index]; }
    const std::vector<float>& values() const { return levels_; }

    // zlo, then steps of a tenth of the range while the single-precision sum stays within
    // zhi: eleven levels as a rule. A range of zero gives the one level zlo.
    static LevelSet defaults(float zlo, float zhi);

private:
    std::vector<float> levels_;
};

}  // namespace qelvo::contour
