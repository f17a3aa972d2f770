// What the screening pages describe: the source of the estimation page with its pollutant rows
// and terrain tables, the grading criterion, and the area source of the protection-distance page.
//
// Members carry the page defaults. Number fields are single precision, choices and check boxes
// are ints (the index of the chosen item, 0 or 1). Table cells stay texts exactly as typed: the
// deck copies them unchanged, and converts them to numbers only where it compares them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qelvo::air {

enum SourceType : int { kPointSource = 0, kAreaSource = 1, kVolumeSource = 2, kFlareSource = 3 };
enum SourceLocation : int { kRural = 0, kUrban = 1 };
enum MeteorologyMode : int { kFullMeteorology = 0, kGivenStability = 1, kGivenStabilityAndWind = 2 };
enum AngleSearch : int { kAutomaticAngle = 0, kFixedAngle = 1 };
enum VolumeSite : int { kOnFlatGround = 0, kOnHighGround = 1, kOnBuilding = 2 };

// Which guideline grades the assessment: "HJ2.2-2008" (default) or "HJ2.2-2018".
enum class GradeCriterion : int { Hj2008 = 0, Hj2018 = 1 };

// One row of a terrain table ("距离[m]", "相对源高[m]"), as typed.
struct TerrainRow {
    std::string distance;
    std::string height;

    bool operator==(const TerrainRow&) const = default;
};

// One row of the pollutant table ("污染物", "源强[g/s]", "标准[mg/m^3]"), as typed.
struct PollutantEntry {
    std::string name;
    std::string q;         // g/s
    std::string standard;  // mg/m³

    bool operator==(const PollutantEntry&) const = default;
};

struct ScreeningSource {
    int type = kPointSource;

    // 其它参数
    float ambientTemperature = 20;  // °C
    int location = kRural;
    int meteorology = kFullMeteorology;
    int stability = 0;  // 0 … 5 for A … F
    float windSpeed = 2;  // m/s at 10 m
    float receptorHeight = 0;  // m

    // 点源参数 (building downwash, fumigation and shoreline serve the flare too)
    float stackHeight = 30;  // m
    float exitTemperature = 100;  // °C
    float stackDiameter = 0.5f;  // m
    float exitVelocity = 12;  // m/s
    int downwash = 0;
    float buildingLength = 100, buildingWidth = 100, buildingHeight = 50;  // m
    int fumigation = 0;
    int shorelineFumigation = 0;
    float shorelineDistance = 200;  // m

    // 面源参数
    float areaHeight = 10, areaWidth = 10, areaLength = 20;  // m
    int angleSearch = kAutomaticAngle;
    float angle = 15;  // degrees to the long side

    // 体源参数
    float volumeHeight = 15, volumeWidth = 100, volumeLength = 100;  // m
    int sigmaZ0Given = 0;
    float sigmaZ0 = 6.97674f;  // m, 15 / 2.15
    int sigmaY0Given = 0;
    float sigmaY0 = 23.2558f;  // m, 100 / 4.3
    int volumeSite = kOnFlatGround;
    float volumeBuildingHeight = 10;  // m

    // 点源（火炬）参数
    float flareHeight = 30;  // m
    float heatRelease = 100000;  // cal/s

    std::vector<TerrainRow> simpleTerrain{{"5000", "0"}};  // 简单地形连续自动点输入
    std::vector<TerrainRow> arbitraryPoints;               // 任意地形任意点输入
};

// The pollutant table as the page opens, and the row "增加" appends.
std::vector<PollutantEntry> defaultPollutants();
PollutantEntry newPollutantRow();

// The row a terrain table's "增加" appends: the last distance + 100 ("%g"), height "0"; 100 on an
// empty table.
TerrainRow nextTerrainRow(const std::vector<TerrainRow>& table);

// The names the pollutant cells offer, and the standard a chosen name writes into its row
// (none for a name outside the list).
std::span<const std::string_view> estimationPollutantNames();
std::string_view estimationStandard(std::string_view name);

// Volume source initial dimensions, recomputed from the form as its fields change.
// Length or width changed: the longer side / 4.3 when the changed side is the longer one,
// otherwise σy0 stays.
float sigmaY0AfterLengthChange(float length, float width, float sigmaY0);
// σy0 of the longer side, where no change history decides (the command line).
float sigmaY0ForSides(float length, float width);
float sigmaY0AfterWidthChange(float length, float width, float sigmaY0);
// Release height, site or building height changed.
float sigmaZ0ForSite(int site, float releaseHeight, float buildingHeight);

// The area source of the protection-distance page.
struct ProtectionInput {
    float He = 2;  // m, release height
    float W = 2;   // m
    float L = 2;   // m
    float Q = 10;  // g/s
    std::string pollutant = "苯";  // not used by the computation; the list is pollutantStandards() of air/pollutant_standards.h
    float S = 2.4f;  // mg/m³
};

}  // namespace qelvo::air
