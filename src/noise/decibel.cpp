#include "noise/decibel.h"

#include <cmath>

namespace qelvo::noise {

namespace {
double energy(double level) { return std::pow(10.0, 0.1 * level); }
}  // namespace

double addLevels(double l1, double l2) { return 10 * std::log10(energy(l1) + energy(l2)); }

double subtractLevels(double l1, double l2) { return 10 * std::log10(energy(l1) - energy(l2)); }

double sumLevels(const std::vector<double>& levels)
{
    double total = 0;
    for (double l : levels) total += energy(l);
    return 10 * std::log10(total);
}

}  // namespace qelvo::noise
