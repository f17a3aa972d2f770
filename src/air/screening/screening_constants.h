// Constants shared by the screening formulas, written once with their source.
//
// The built-in engine reproduces SCREEN3's printed digits, so the constants are the values
// SCREEN3 uses (π to seven digits, its own g), not the textbook ones.
#pragma once

#include <cmath>

namespace qelvo::air::screening {

inline constexpr double kGravity = 9.80616;          // m/s², SCREEN3's g (S3UG plume rise)
inline constexpr double kPi = 3.141593;              // SCREEN3's π
inline constexpr double kSqrt2Pi = 2.506628;         // √(2π), ISC3 §1.1.6
inline constexpr double kDegreesToRadians = 0.017453293;
inline constexpr double kEntrainment = 0.6;          // β, Briggs/ISC3 §1.1.4 (BLP rise)
// SCREEN3 takes a power of 0.333333, not 1/3, for every cube root of the plume-rise formulas
// (Briggs forms of ISC3 §1.1.4); at large (h_e/σz)² the difference shows in the 4th digit.
inline constexpr double kCubeRoot = 0.333333;
// exp(a) with a ≤ −50 counts as 0 (ISC3 §1.1.6, the vertical term and the concentration).
inline constexpr double kExpCutoff = -50.0;

// Single precision: the places where SCREEN3's 32-bit arithmetic decides a printed digit or a
// branch (segment boundaries, searched distances, area geometry) round through float.
inline double single(double v) { return static_cast<double>(static_cast<float>(v)); }

// exp(a), 0 for a ≤ −50.
inline double cutExp(double a) { return a > kExpCutoff ? std::exp(a) : 0.0; }

}  // namespace qelvo::air::screening
