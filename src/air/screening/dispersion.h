// Dispersion parameters and the Gaussian plume (ISC3 §1.1.5, §1.1.6): rural Pasquill–Gifford
// and urban Briggs σy, σz, virtual distances of an initial spread, the vertical term with
// reflections from the ground and the mixing lid, and the 1-hour centre-line concentration.
#pragma once

namespace qelvo::air::screening {

// σy, σz (m) at downwind distance x (m) for class k (1 … 6).
double sigmaY(double x, int k, bool urban);
double sigmaZ(double x, int k, bool urban);

// Upper limit of σz for point, flare and volume sources (ISC3 §1.1.5).
inline constexpr double kMaxSigmaZ = 5000;  // m

// Distance (m) at which the curve reaches σy0.
double virtualDistanceY(double sigmaY0, int k, bool urban);
// Distance (m) at which the curve reaches σz0, for a receptor reference distance X (km) that
// decides the rural segment.
double virtualDistanceZ(double sigmaZ0, double referenceKm, int k, bool urban);

// Vertical term V of ISC3 §1.1.6 for receptor height z, plume height h and mixing height zi.
double verticalTerm(double z, double h, double sigmaZ, double zi, int k);

// A root of z³ + a·z² + b·z + c = 0 by Newton's method from `start`, as SCREEN3 solves its
// cubics: the first iterate within 10⁻⁴ of the one before is returned; after 24 steps, the
// mean of the last two.
double cubicRoot(double a, double b, double c, double start);

// 1-hour concentration (µg/m³) on the plume axis for emission q (g/s).
double plumeConcentration(double q, double us, double sigmaY, double sigmaZ, double vertical);

}  // namespace qelvo::air::screening
