// Blocks of the listing the SCREEN3 cases do not reach, from hand-made runs, against the
// layout SCREEN3 prints (Fortran fields worked out by hand).
#include "air/screening/listing_writer.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

ScreeningRun pointRun()
{
    ScreeningRun run;
    ScreeningCase& c = run.input;
    c.title = "test";
    c.kind = SourceKind::Point;
    c.emission = 1;
    c.height = 30;
    c.diameter = 0.5;
    c.exitVelocity = 12;
    c.gasTemp = 280;
    c.ambientTemp = 293.15;
    c.met = MetMode::Full;
    run.stack = sourceStack(c);
    return run;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ListingWriter, ColdPlumeWarning)
{
    const std::string l = writeListing(pointRun(), "内置估算模型");
    EXPECT_TRUE(has(l, " THE REGULATORY (DEFAULT) ANEMOMETER HEIGHT OF 10.0 METERS WAS ENTERED.\n\n"
                       " TA > TS!!!  BUOY. FLUX SET = 0.0\n\n"
                       " BUOY. FLUX =    0.000 M**4/S**3;  MOM. FLUX =    9.000 M**4/S**2.\n\n"
                       " *** FULL METEOROLOGY ***\n"));
    EXPECT_TRUE(has(l, "    STK GAS EXIT TEMP (K)  =     280.0000\n"));  // as entered
}

TEST(ListingWriter, IterationStoppedAndMaximumLine)
{
    ScreeningRun run = pointRun();
    run.input.automated.push_back({0, 1, 200});
    ScreeningSection s;
    ScreeningRow r;
    r.distance = 200;
    r.concentration = 1.5;
    r.stability = 1;
    r.u10 = 1;
    r.ustk = 1.1;
    r.mixingHeight = 320;
    r.plumeHeight = 50;
    r.sigmaY = 10;
    r.sigmaZ = 5;
    r.dwash = "NO";
    s.rows.push_back(r);
    r.distance = 338;
    s.maximum = r;
    run.result.automated.push_back(s);
    run.iterationStopped.push_back(true);
    const std::string l = writeListing(run, "内置估算模型");
    EXPECT_TRUE(has(l, "    200.    1.500        1     1.0    1.1   320.0   50.00   10.00    5.00    NO\n"
                       "  \n"
                       " ITERATION STOPPED AT 50 - MAX NOT FOUND!!!\n"
                       "\n"
                       " MAXIMUM 1-HR CONCENTRATION AT OR BEYOND     1. M:\n"
                       "    338.    1.500        1     1.0    1.1   320.0   50.00   10.00    5.00    NO\n"));
}

TEST(ListingWriter, CavityNeverTrapped)
{
    ScreeningRun run = pointRun();
    CavityResult none;
    none.critical10 = none.criticalStack = none.dilution = kCavityNotTrapped;
    none.height = 30;
    none.length = 40.5;
    none.alongWind = 20;
    run.cavity = std::array<CavityResult, 2>{none, none};
    const std::string l = writeListing(run, "内置估算模型");
    EXPECT_TRUE(has(l, "   CONC (UG/M**3)     =    0.000        CONC (UG/M**3)     =    0.000    \n"
                       "   CRIT WS @10M (M/S) =    99.99        CRIT WS @10M (M/S) =    99.99\n"));
    EXPECT_TRUE(has(l, "   ALONGWIND DIM (M)  =    20.00        ALONGWIND DIM (M)  =    20.00\n"
                       "\n"
                       " CAVITY CONC NOT CALCULATED FOR CRIT WS > 20.0 M/S.  CONC SET = 0.0\n"
                       "\n"
                       " ****************************************\n"));
    EXPECT_FALSE(has(l, "BLDG. CAVITY"));  // no summary rows for two zero concentrations
}

TEST(ListingWriter, FumigationBlocksAndSummaryRows)
{
    ScreeningRun run = pointRun();
    run.input.shoreDistance = 500;
    run.breakup = InversionBreakup{12.5, 150000, false};
    ShorelineFumigation shore;
    shore.calculated = true;
    shore.concentration = 302.4653;
    shore.distance = 665.1246;
    run.shoreline = shore;
    run.result.summary.push_back({std::string(kInversionFumigationLabel), 12.5, 150000, std::nullopt});
    run.result.summary.push_back({std::string(kShorelineFumigationLabel), 302.4653, 665.1246, std::nullopt});
    const std::string l = writeListing(run, "内置估算模型");
    EXPECT_TRUE(has(l, "  *** INVERSION BREAK-UP FUMIGATION CALC. ***\n"
                       "   CONC (UG/M**3)   =    12.50    \n"
                       "   DIST TO MAX (M)  = 99999.99\n"
                       "\n"
                       "  *** SHORELINE FUMIGATION CALC. ***\n"
                       "   CONC (UG/M**3)   =    302.5    \n"
                       "   DIST TO MAX (M)  =   665.12\n"
                       "   DIST TO SHORE (M)=   500.00\n"));
    EXPECT_TRUE(has(l, " INV BREAKUP FUMI     12.50       150000.       --\n\n"
                       " SHORELINE FUMI       302.5          665.       --\n\n"
                       " ***************************************************\n"));

    ScreeningRun near = pointRun();
    near.shoreline = ShorelineFumigation{true, 0, 13.92, true};
    EXPECT_TRUE(has(writeListing(near, "x"), "   DIST TO SHORE (M)=     0.00\n\n DIST TO MAX IS < 200. M.  CONC SET = 0.0\n"));
}

TEST(ListingWriter, FlareComplexTerrainHeader)
{
    ScreeningRun run;
    ScreeningCase& c = run.input;
    c.title = "flare";
    c.kind = SourceKind::Flare;
    c.emission = 1;
    c.height = 30;
    c.heatRelease = 100000;
    c.receptorHeight = 1.5;
    c.complexTerrain = true;
    c.simpleTerrain = false;
    run.stack = sourceStack(c);
    run.valley = ValleyReference{62.3, 110.8};
    const std::string l = writeListing(run, "内置估算模型");
    EXPECT_TRUE(has(l, " COMPLEX TERRAIN INPUTS:\n"
                       "    SOURCE TYPE            =        FLARE\n"
                       "    EMISSION RATE (G/S)    =      1.00000    \n"
                       "    FLARE STACK HEIGHT (M) =      30.0000\n"
                       "    TOT HEAT RLS (CAL/S)   =      100000.    \n"
                       "    RECEPTOR HEIGHT (M)    =       0.0000\n"
                       "    URBAN/RURAL OPTION     =        RURAL\n"
                       "    EFF RELEASE HEIGHT (M) =      31.1193\n\n"));
    EXPECT_TRUE(has(l, " FINAL STABLE PLUME HEIGHT (M) =   62.3\n DISTANCE TO FINAL RISE (M)    =  110.8\n\n\n"
                       "      ***************************************\n"));
    EXPECT_FALSE(has(l, "SIMPLE TERRAIN INPUTS"));
    EXPECT_FALSE(has(l, "VALLEY 24-HR"));  // no valid entry, no column headings
}

}  // namespace
}  // namespace qelvo::air::screening
