#include "air/screening/plume_model.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

ScreeningCase examplePoint()
{
    ScreeningCase c;
    c.kind = SourceKind::Point;
    c.emission = 1;
    c.height = 30;
    c.diameter = 0.5;
    c.exitVelocity = 12;
    c.gasTemp = 373.15;
    c.ambientTemp = 293.15;
    return c;
}

// The handbook's worked rows (Q = 1 g/s, 30 m stack, rural, ground level), as SCREEN3 prints
// them: u_s, h_e, σy and σz with buoyancy-induced dispersion, z_i, C.
TEST(PlumeModel, HandbookRows)
{
    struct Case {
        int k;
        double x, us, he, sy, sz, zi, c;
    } const cases[] = {
        {1, 300, 1.0799, 57.916, 72.205, 48.107, 320, 41.11},
        {4, 1234, 1.1791, 55.567, 82.834, 37.466, 320, 28.96},
        {6, 4321, 1.8299, 53.475, 127.925, 32.659, 10000, 10.90},
    };
    const PlumeModel model(examplePoint());
    for (const auto& c : cases) {
        const ScreeningRow r = model.at(c.x, 0, c.k, 1);
        EXPECT_NEAR(r.ustk, c.us, 5e-5) << c.k;
        EXPECT_NEAR(r.plumeHeight, c.he, 5e-4) << c.k;
        EXPECT_NEAR(r.sigmaY, c.sy, 5e-4) << c.k;
        EXPECT_NEAR(r.sigmaZ, c.sz, 5e-4) << c.k;
        EXPECT_EQ(r.mixingHeight, c.zi) << c.k;
        EXPECT_NEAR(r.concentration, c.c, 0.005) << c.k;
        EXPECT_EQ(r.dwash, "NO");
        EXPECT_EQ(r.stability, c.k);
    }
}

TEST(PlumeModel, TerrainAndReceptorHeight)
{
    // Terrain lowers the plume height; the mixing height follows the lowered plume.
    const PlumeModel model(examplePoint());
    const ScreeningRow flat = model.at(300, 0, 1, 1);
    const ScreeningRow raised = model.at(300, 20, 1, 1);
    EXPECT_NEAR(raised.plumeHeight, flat.plumeHeight - 20, 1e-12);
    EXPECT_GT(raised.concentration, flat.concentration);
    EXPECT_EQ(model.at(300, 100, 1, 1).plumeHeight, 0);  // not below the ground
    ScreeningCase flagpole = examplePoint();
    flagpole.receptorHeight = 20;
    EXPECT_GT(PlumeModel(flagpole).at(300, 0, 1, 1).concentration, flat.concentration);
}

TEST(PlumeModel, SchulmanScireDownwash)
{
    // Building 50 × 100 × 100 m, class A, 1 m/s, 200 m: h_e = 30 + 0.733, σy = 52.847,
    // σz = 38.350, C = 105.5 (SCREEN3's 200 m row).
    ScreeningCase c = examplePoint();
    c.building = true;
    c.buildingHeight = 50;
    c.buildingMin = 100;
    c.buildingMax = 100;
    const PlumeModel model(c);
    const ScreeningRow r = model.at(200, 0, 1, 1);
    EXPECT_EQ(r.dwash, "SS");
    EXPECT_NEAR(r.plumeHeight, 30.733, 5e-4);
    EXPECT_NEAR(r.sigmaY, 52.847, 5e-4);
    EXPECT_NEAR(r.sigmaZ, 38.350, 5e-4);
    EXPECT_NEAR(r.concentration, 105.5, 0.05);
    // Within 3·L_b no wake formula applies: "NA" with every field 0.
    const ScreeningRow na = model.at(100, 0, 1, 1);
    EXPECT_EQ(na.dwash, "NA");
    EXPECT_EQ(na.concentration, 0);
    EXPECT_EQ(na.stability, 0);
    EXPECT_EQ(na.u10, 0);
    EXPECT_EQ(na.sigmaY, 0);
    // The complex-terrain run leaves the building out.
    EXPECT_EQ(PlumeModel(c, false, 0).at(100, 0, 1, 1).dwash, "NO");
}

TEST(PlumeModel, HuberSnyderDownwash)
{
    // The urban case: 60 m stack, 1.2 m, 10 m/s, 403.15 K, 293.15 K, building 40 × 15 × 20 m,
    // 2.5 g/s. SCREEN3's 3000 m row: F, 1 m/s: 12.16, u_s 1.7, h_e 103.88, σy 222.84, σz 107.90, HS.
    ScreeningCase c;
    c.kind = SourceKind::Point;
    c.urban = true;
    c.emission = 2.5;
    c.height = 60;
    c.diameter = 1.2;
    c.exitVelocity = 10;
    c.gasTemp = 403.15;
    c.ambientTemp = 293.15;
    c.building = true;
    c.buildingHeight = 40;
    c.buildingMin = 15;
    c.buildingMax = 20;
    const ScreeningRow r = PlumeModel(c).at(3000, 0, 6, 1);
    EXPECT_EQ(r.dwash, "HS");
    EXPECT_NEAR(r.concentration, 12.16, 0.005);
    EXPECT_NEAR(r.plumeHeight, 103.88, 0.005);
    EXPECT_NEAR(r.sigmaY, 222.84, 0.005);
    EXPECT_NEAR(r.sigmaZ, 107.90, 0.005);
}

TEST(PlumeModel, VolumeSource)
{
    // Q = 2 g/s, 6 m, σy0 = 3, σz0 = 2, rural D, 1 m/s, 60 m: x_y = 33.369, x_z = 37.894,
    // σy(93.369) = 7.696, σz(97.894) = 4.566, C = 7640.3.
    ScreeningCase c;
    c.kind = SourceKind::Volume;
    c.emission = 2;
    c.height = 6;
    c.sigmaY0 = 3;
    c.sigmaZ0 = 2;
    const PlumeModel model(c);
    const ScreeningRow r = model.at(60, 0, 4, 1);
    EXPECT_NEAR(r.sigmaY, 7.696, 5e-4);
    EXPECT_NEAR(r.sigmaZ, 4.566, 5e-4);
    EXPECT_NEAR(r.concentration, 7640.3, 0.05);
    EXPECT_EQ(r.plumeHeight, 6);
    EXPECT_EQ(r.dwash, "NO");
    EXPECT_EQ(model.at(60, 2, 4, 1).plumeHeight, 4);
    // Inside the source (x − 2.15·σy0 < 0.99 m): nothing computed, blank DWASH.
    const ScreeningRow inside = model.at(7.43, 0, 4, 1);
    EXPECT_EQ(inside.concentration, 0);
    EXPECT_EQ(inside.stability, 0);
    EXPECT_EQ(inside.dwash, "");
    EXPECT_EQ(model.at(7.45, 0, 4, 1).stability, 4);
}

TEST(PlumeModel, FarFieldWindRaisedToTwo)
{
    EXPECT_EQ(examinedWind(50001, 1), 2);
    EXPECT_EQ(examinedWind(50001, 1.5), 2);
    EXPECT_EQ(examinedWind(50001, 3), 3);
    EXPECT_EQ(examinedWind(50000, 1), 1);
    const ScreeningRow r = PlumeModel(examplePoint()).at(60000, 0, 6, 1);
    EXPECT_EQ(r.u10, 2);
}

}  // namespace
}  // namespace qelvo::air::screening
