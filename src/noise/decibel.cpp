#include "noise/decibel.h"

namespace qelvo::noise {

double addLevels(double l1, double l2) { return 10 * lg(levelEnergy(l1) + levelEnergy(l2)); }

double subtractLevels(double l1, double l2) { return 10 * lg(levelEnergy(l1) - levelEnergy(l2)); }

double sumLevels(const std::vector<double>& levels)
{
    double total = 0;
    for (double l : levels) total += levelEnergy(l);
    return 10 * lg(total);
}

}  // namespace qelvo::noise
