// One screening run as a SCREEN3 input deck describes it: the answers to SCREEN3's prompts,
// after SCREEN3's own corrections (sides reordered, x_min raised to 1 m, …).
//
// The deck reader fills it; the computation reads it. Values are held in double but were read
// as SCREEN3 reads them, into single precision.
#pragma once

#include <string>
#include <vector>

namespace qelvo::air::screening {

enum class SourceKind { Point, Flare, Area, Volume };

enum class MetMode {
    Full = 1,          // every class with its wind list
    Class = 2,         // one class with its wind list
    ClassAndWind = 3,  // one class and one 10 m wind speed
};

// One "automated distances" range at one terrain height above stack base.
struct AutomatedRange {
    double terrain = 0;  // m, as entered (clipped to the release height when computed)
    double xMin = 1;     // m, at least 1
    double xMax = 1;     // m
};

// Discrete distances at one terrain height (flat terrain: one group at 0 m).
struct DiscreteGroup {
    double terrain = 0;
    std::vector<double> distances;
};

// One complex-terrain entry "terrain height, distance", in deck order (entries SCREEN3 skips
// are not kept).
struct ComplexEntry {
    double terrain = 0;
    double distance = 0;
};

struct ScreeningCase {
    std::string title;  // the deck's first line as SCREEN3 keeps it (79 bytes)
    SourceKind kind = SourceKind::Point;
    bool urban = false;

    // Emission: g/s, or g/(s·m²) for an area source.
    double emission = 0;
    // Stack height (point), flare stack height (flare) or release height (area, volume), m.
    double height = 0;
    // Point source stack; the flare's values are derived from its heat release.
    double diameter = 0;      // m
    double exitVelocity = 0;  // m/s
    double gasTemp = 0;       // K
    double ambientTemp = 0;   // K
    double heatRelease = 0;   // cal/s, flare
    // Area: longer and shorter side (m), direction search or a fixed angle to the long side.
    double sideLong = 0;
    double sideShort = 0;
    bool directionSearch = true;
    double angle = 0;  // degrees
    // Volume: initial lateral and vertical dimensions, m.
    double sigmaY0 = 0;
    double sigmaZ0 = 0;
    double receptorHeight = 0;  // m (flagpole)

    // Building for downwash and the cavity (point, flare); dimensions as entered.
    bool building = false;
    double buildingHeight = 0;
    double buildingMin = 0;  // smaller horizontal dimension
    double buildingMax = 0;  // larger horizontal dimension

    bool complexTerrain = false;
    std::vector<ComplexEntry> complexEntries;
    bool simpleTerrain = true;  // "continue with simple terrain?" after complex terrain

    bool elevated = false;  // simple terrain with terrain heights above stack base
    MetMode met = MetMode::Full;
    int stabilityClass = 0;  // 1 … 6 for A … F in the modes with one class
    double windSpeed = 0;    // m/s at 10 m, mode 3

    std::vector<AutomatedRange> automated;
    std::vector<DiscreteGroup> discrete;

    bool fumigation = false;
    bool shoreline = false;
    double shoreDistance = 0;  // m

    bool pointType() const { return kind != SourceKind::Area; }
    bool hasPlumeRise() const { return kind == SourceKind::Point || kind == SourceKind::Flare; }
};

}  // namespace qelvo::air::screening
