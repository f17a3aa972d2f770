#include "air/screening/listing_writer.h"

#include "air/screening/fortran_format.h"
#include "common/number_format.h"

namespace qelvo::air::screening {
namespace {

using F = std::string;

F f(double v, int w, int d) { return fortranF(v, w, d); }
F g(double v, int w, int d) { return fortranG(v, w, d); }

const char* kDwashLegend[] = {
    "  DWASH=   MEANS NO CALC MADE (CONC = 0.0)",     "  DWASH=NO MEANS NO BUILDING DOWNWASH USED",
    "  DWASH=HS MEANS HUBER-SNYDER DOWNWASH USED",    "  DWASH=SS MEANS SCHULMAN-SCIRE DOWNWASH USED",
    "  DWASH=NA MEANS DOWNWASH NOT APPLICABLE, X<3*LB"};

class Listing {
public:
    Listing(const ScreeningRun& run, std::string_view engine) : run_(run), c_(run.input), engine_(engine) {}

    std::string write()
    {
        if (c_.complexTerrain) {
            header(true);
            valley();
        }
        if (c_.simpleTerrain) {
            header(false);
            meteorology();
            sections();
            terrainSummary();
            cavity();
            fumigation();
        }
        summary();
        return std::move(out_);
    }

private:
    void line(std::string_view text = {})
    {
        out_ += text;
        out_ += '\n';
    }
    bool area() const { return c_.kind == SourceKind::Area; }

    void header(bool complex)
    {
        line(kListingHeading);
        line(cformat("  ***  %s — NOT EPA'S SCREEN3 PROGRAM  ***", std::string(engine_).c_str()));
        line();
        line(" " + c_.title);
        line();
        line(complex ? " COMPLEX TERRAIN INPUTS:" : " SIMPLE TERRAIN INPUTS:");
        const char* urban = c_.urban ? "       URBAN" : "       RURAL";
        switch (c_.kind) {
        case SourceKind::Point:
            line("    SOURCE TYPE            =        POINT");
            line("    EMISSION RATE (G/S)    = " + g(c_.emission, 16, 6));
            if (complex) {
                line("    STACK HT (M)           = " + f(c_.height, 12, 4));
                line("    STACK DIAMETER (M)     = " + f(c_.diameter, 12, 4));
                line("    STACK VELOCITY (M/S)   = " + f(c_.exitVelocity, 12, 4));
                line("    STACK GAS TEMP (K)     = " + f(c_.gasTemp, 12, 4));
                line("    AMBIENT AIR TEMP (K)   = " + f(c_.ambientTemp, 12, 4));
                line("    RECEPTOR HEIGHT (M)    = " + f(0, 12, 4));
                line(std::string("    URBAN/RURAL OPTION     = ") + urban);
            } else {
                line("    STACK HEIGHT (M)       = " + f(c_.height, 12, 4));
                line("    STK INSIDE DIAM (M)    = " + f(c_.diameter, 12, 4));
                line("    STK EXIT VELOCITY (M/S)= " + f(c_.exitVelocity, 12, 4));
                line("    STK GAS EXIT TEMP (K)  = " + f(c_.gasTemp, 12, 4));
                line("    AMBIENT AIR TEMP (K)   = " + f(c_.ambientTemp, 12, 4));
                line("    RECEPTOR HEIGHT (M)    = " + f(c_.receptorHeight, 12, 4));
                line(std::string("    URBAN/RURAL OPTION     = ") + urban);
                building();
            }
            line();
            break;
        case SourceKind::Flare:
            line("    SOURCE TYPE            =        FLARE");
            line("    EMISSION RATE (G/S)    = " + g(c_.emission, 16, 6));
            line("    FLARE STACK HEIGHT (M) = " + f(c_.height, 12, 4));
            line("    TOT HEAT RLS (CAL/S)   = " + g(c_.heatRelease, 16, 6));
            line("    RECEPTOR HEIGHT (M)    = " + f(complex ? 0 : c_.receptorHeight, 12, 4));
            line(std::string("    URBAN/RURAL OPTION     = ") + urban);
            line("    EFF RELEASE HEIGHT (M) = " + f(run_.stack.height, 12, 4));
            if (!complex) building();
            line();
            break;
        case SourceKind::Area:
            line("    SOURCE TYPE                 =         AREA");
            line("    EMISSION RATE (G/(S-M**2))  = " + g(c_.emission, 16, 6));
            line("    SOURCE HEIGHT (M)           = " + f(c_.height, 12, 4));
            line("    LENGTH OF LARGER SIDE (M)   = " + f(c_.sideLong, 12, 4));
            line("    LENGTH OF SMALLER SIDE (M)  = " + f(c_.sideShort, 12, 4));
            line("    RECEPTOR HEIGHT (M)         = " + f(c_.receptorHeight, 12, 4));
            line(std::string("    URBAN/RURAL OPTION          = ") + urban);
            break;
        case SourceKind::Volume:
            line("    SOURCE TYPE              =       VOLUME");
            line("    EMISSION RATE (G/S)      = " + g(c_.emission, 16, 6));
            line("    SOURCE HEIGHT (M)        = " + f(c_.height, 12, 4));
            line("    INIT. LATERAL DIMEN (M)  = " + f(c_.sigmaY0, 12, 4));
            line("    INIT. VERTICAL DIMEN (M) = " + f(c_.sigmaZ0, 12, 4));
            line("    RECEPTOR HEIGHT (M)      = " + f(c_.receptorHeight, 12, 4));
            line(std::string("    URBAN/RURAL OPTION       = ") + urban);
            line();
            break;
        }
        line(" THE REGULATORY (DEFAULT) MIXING HEIGHT OPTION WAS SELECTED.");
        line(" THE REGULATORY (DEFAULT) ANEMOMETER HEIGHT OF 10.0 METERS WAS ENTERED.");
        line();
        if (area()) {
            if (c_.directionSearch) line("    MODEL ESTIMATES DIRECTION TO MAX CONCENTRATION");
            else line("    ANGLE RELATIVE TO LONG AXIS = " + f(c_.angle, 12, 4));
            line();
        }
        if (run_.stack.coldPlume) line(" TA > TS!!!  BUOY. FLUX SET = 0.0");
        line();
        line(" BUOY. FLUX =" + f(run_.stack.buoyancyFlux, 9, 3) + " M**4/S**3;  MOM. FLUX =" +
             f(run_.stack.momentumFlux, 9, 3) + " M**4/S**2.");
        line();
    }

    void building()
    {
        line("    BUILDING HEIGHT (M)    = " + f(c_.building ? c_.buildingHeight : 0, 12, 4));
        line("    MIN HORIZ BLDG DIM (M) = " + f(c_.building ? c_.buildingMin : 0, 12, 4));
        line("    MAX HORIZ BLDG DIM (M) = " + f(c_.building ? c_.buildingMax : 0, 12, 4));
    }

    void valley()
    {
        line();
        line(" FINAL STABLE PLUME HEIGHT (M) = " + f(run_.valley->finalHeight, 6, 1));
        line(" DISTANCE TO FINAL RISE (M)    = " + f(run_.valley->finalDistance, 6, 1));
        line();
        if (run_.result.valley.empty()) return;
        line("                          *VALLEY 24-HR CALCS*   **SIMPLE TERRAIN 24-HR CALCS**");
        line("  TERR         MAX 24-HR              PLUME HT             PLUME HT");
        line("   HT    DIST    CONC        CONC    ABOVE STK    CONC    ABOVE STK    U10M USTK");
        line("  (M)    (M)   (UG/M**3)   (UG/M**3)  BASE (M)  (UG/M**3)  HGT (M)  SC   (M/S)");
        line(" ----- ------- ----------  ----------  ------   ----------  ------  -- ---- ----");
        for (const auto& r : run_.result.valley)
            line(" " + f(r.terrainHeight, 5, 0) + " " + f(r.distance, 7, 0) + " " + g(r.max24h, 11, 4) + "  " +
                 g(r.valley24h, 11, 4) + "  " + f(r.valleyPlumeHeight, 6, 1) + "   " + g(r.simple24h, 11, 4) + "  " +
                 f(r.simplePlumeHeight, 6, 1) + "   " + fortranI(r.stability, 1) + " " + f(r.u10, 4, 1) + " " +
                 f(r.ustk, 4, 1));
    }

    void meteorology()
    {
        switch (c_.met) {
        case MetMode::Full: line(" *** FULL METEOROLOGY ***"); break;
        case MetMode::Class: line(" *** STABILITY CLASS " + fortranI(c_.stabilityClass, 2) + " ONLY ***"); break;
        case MetMode::ClassAndWind:
            line(" *** STABILITY CLASS " + fortranI(c_.stabilityClass, 2) + " ONLY ***");
            line(" *** ANEMOMETER HEIGHT WIND SPEED OF " + f(c_.windSpeed, 6, 2) + " M/S ONLY ***");
            break;
        }
    }

    std::string row(const ScreeningRow& r) const
    {
        std::string s = " " + f(r.distance, 7, 0) + "  " + g(r.concentration, 11, 4) + "    " +
                        fortranI(r.stability, 1) + "    " + f(r.u10, 4, 1) + "   " + f(r.ustk, 4, 1) + " " +
                        f(r.mixingHeight, 7, 1) + " " + f(r.plumeHeight, 7, 2);
        if (area()) return s + "    " + f(r.maxDirection, 4, 0);
        s += " " + f(r.sigmaY, 7, 2) + " " + f(r.sigmaZ, 7, 2) + "    ";
        return s + (r.dwash.empty() ? "  " : r.dwash);
    }

    void sectionHeader(bool automated, double terrain)
    {
        const char* stars = automated ? " **********************************" : " *********************************";
        line();
        line(stars);
        line(automated ? " *** SCREEN AUTOMATED DISTANCES ***" : " *** SCREEN DISCRETE DISTANCES ***");
        line(stars);
        line();
        line(" *** TERRAIN HEIGHT OF " + f(terrain, 5, 0) + " M ABOVE STACK BASE USED FOR FOLLOWING DISTANCES ***");
        line();
        if (area()) {
            line("   DIST     CONC             U10M   USTK  MIX HT   PLUME  MAX DIR");
            line("    (M)   (UG/M**3)   STAB  (M/S)  (M/S)    (M)   HT (M)   (DEG)");
            line(" -------  ----------  ----  -----  -----  ------  ------  -------");
        } else {
            line("   DIST     CONC             U10M   USTK  MIX HT   PLUME   SIGMA   SIGMA");
            line("    (M)   (UG/M**3)   STAB  (M/S)  (M/S)    (M)   HT (M)   Y (M)   Z (M)  DWASH");
            line(" -------  ----------  ----  -----  -----  ------  ------  ------  ------  -----");
        }
    }

    void legend()
    {
        if (area()) return;
        line();
        for (const char* l : kDwashLegend) line(l);
    }

    void sections()
    {
        const auto& automated = run_.result.automated;
        for (std::size_t i = 0; i < automated.size(); ++i) {
            const ScreeningSection& s = automated[i];
            sectionHeader(true, s.terrainHeight);
            for (const auto& r : s.rows) line(row(r));
            if (run_.iterationStopped[i]) {
                line("  ");
                line(" ITERATION STOPPED AT 50 - MAX NOT FOUND!!!");
            }
            line();
            line(" MAXIMUM 1-HR CONCENTRATION AT OR BEYOND " + f(c_.automated[i].xMin, 6, 0) + " M:");
            line(row(*s.maximum));
        }
        if (!automated.empty()) legend();
        for (const auto& s : run_.result.discrete) {
            sectionHeader(false, s.terrainHeight);
            for (const auto& r : s.rows) line(row(r));
        }
        if (!run_.result.discrete.empty()) legend();
    }

    void terrainSummary()
    {
        if (!c_.elevated) return;
        line();
        line("  ********************************************");
        line("  *  SUMMARY OF TERRAIN HEIGHTS ENTERED FOR  *");
        line("  *    SIMPLE ELEVATED TERRAIN PROCEDURE     *");
        line("  ********************************************");
        line();
        line("       TERRAIN        DISTANCE RANGE (M)");
        line("        HT (M)       MINIMUM     MAXIMUM");
        line("       -------      --------    --------");
        for (std::size_t i = 0; i < c_.automated.size(); ++i)
            line("        " + f(run_.result.automated[i].terrainHeight, 6, 0) + "       " + f(c_.automated[i].xMin, 7, 0) +
                 "     " + f(c_.automated[i].xMax, 7, 0));
        for (const auto& s : run_.result.discrete)
            for (const auto& r : s.rows)
                line("        " + f(s.terrainHeight, 6, 0) + "       " + f(r.distance, 7, 0) + "         --");
    }

    void cavity()
    {
        if (!run_.cavity) return;
        const auto& cv = *run_.cavity;
        line();
        line(" ****************************************");
        line("      *** REGULATORY (Default) ***  ");
        line("     PERFORMING CAVITY CALCULATIONS ");
        line("   WITH ORIGINAL SCREEN CAVITY MODEL");
        line("           (BRODE, 1988) ");
        line(" ****************************************");
        line();
        line();
        line("  *** CAVITY CALCULATION - 1 ***       *** CAVITY CALCULATION - 2 ***");
        line("   CONC (UG/M**3)     = " + g(cv[0].concentration, 12, 4) + "    CONC (UG/M**3)     = " +
             g(cv[1].concentration, 12, 4));
        auto pair = [&](const char* label, double a, double b) {
            line(std::string("   ") + label + f(a, 8, 2) + "        " + label + f(b, 8, 2));
        };
        pair("CRIT WS @10M (M/S) = ", cv[0].critical10, cv[1].critical10);
        pair("CRIT WS @ HS (M/S) = ", cv[0].criticalStack, cv[1].criticalStack);
        pair("DILUTION WS (M/S)  = ", cv[0].dilution, cv[1].dilution);
        pair("CAVITY HT (M)      = ", cv[0].height, cv[1].height);
        pair("CAVITY LENGTH (M)  = ", cv[0].length, cv[1].length);
        pair("ALONGWIND DIM (M)  = ", cv[0].alongWind, cv[1].alongWind);
        if (cv[0].critical10 == kCavityNotTrapped || cv[1].critical10 == kCavityNotTrapped) {
            line();
            line(" CAVITY CONC NOT CALCULATED FOR CRIT WS > 20.0 M/S.  CONC SET = 0.0");
        }
        line();
        line(" ****************************************");
        line("       END OF CAVITY CALCULATIONS ");
        line(" ****************************************");
        line();
    }

    void fumigation()
    {
        if (run_.breakup) {
            const auto& b = *run_.breakup;
            line();
            line("  *** INVERSION BREAK-UP FUMIGATION CALC. ***");
            line("   CONC (UG/M**3)   = " + g(b.concentration, 12, 4));
            line("   DIST TO MAX (M)  =" + (b.distance >= kFumigationFar ? std::string(" 99999.99") : f(b.distance, 9, 2)));
            if (b.tooClose) {
                line();
                line(" DIST TO MAX IS < 2000. M.  CONC SET = 0.0");
            }
        }
        if (run_.shoreline) {
            const auto& s = *run_.shoreline;
            line();
            if (!s.calculated) {
                line(" ***");
                line("  PLUME HEIGHT IS BELOW TIBL HEIGHT");
                line("  FOR DISTANCE TO SHORELINE OF " + f(c_.shoreDistance, 8, 2) + " M.");
                line("  NO SHORELINE FUMIGATION CALCULATION MADE.");
                line(" ***");
                line();
                return;
            }
            line("  *** SHORELINE FUMIGATION CALC. ***");
            line("   CONC (UG/M**3)   = " + g(s.concentration, 12, 4));
            line("   DIST TO MAX (M)  = " + f(s.distance, 8, 2));
            line("   DIST TO SHORE (M)= " + f(c_.shoreDistance, 8, 2));
            if (s.tooClose) {
                line();
                line(" DIST TO MAX IS < 200. M.  CONC SET = 0.0");
            }
        }
    }

    void summary()
    {
        line();
        line("      ***************************************");
        line("      *** SUMMARY OF SCREEN MODEL RESULTS ***");
        line("      ***************************************");
        line();
        line("  CALCULATION        MAX CONC    DIST TO   TERRAIN");
        line("   PROCEDURE        (UG/M**3)    MAX (M)    HT (M)");
        line(" --------------    -----------   ---------   -------");
        const ScreeningResult& r = run_.result;
        if (const auto* s = r.summaryRow(kSimpleTerrainLabel)) {
            line(" SIMPLE TERRAIN     " + g(s->concentration, 11, 4) + "   " + f(s->distance, 7, 0) + "     " +
                 f(*s->terrainHeight, 5, 0));
            line();
        }
        if (const auto* s = r.summaryRow(kComplexTerrainLabel)) {
            line(" COMPLEX TERRAIN    " + g(s->concentration, 11, 4) + "   " + f(s->distance, 7, 0) + "     " +
                 f(*s->terrainHeight, 5, 0) + " (24-HR CONC)");
            line();
        }
        if (r.summaryRow(kCavity1Label)) {
            for (auto label : {kCavity1Label, kCavity2Label}) {
                const auto* s = r.summaryRow(label);
                line(" " + std::string(label) + "     " + g(s->concentration, 11, 4) + "   " + f(s->distance, 7, 0) +
                     "       --  (DIST = CAVITY LENGTH)");
                line();
            }
            line("  ");
        }
        if (const auto* s = r.summaryRow(kInversionFumigationLabel)) {
            line(" INV BREAKUP FUMI   " + g(s->concentration, 11, 4) + "   " + f(s->distance, 7, 0) + "       --");
            line();
        }
        if (const auto* s = r.summaryRow(kShorelineFumigationLabel))
            line(" SHORELINE FUMI     " + g(s->concentration, 11, 4) + "   " + f(s->distance, 7, 0) + "       --");
        line();
        line(" ***************************************************");
        line(" ** REMEMBER TO INCLUDE BACKGROUND CONCENTRATIONS **");
        line(" ***************************************************");
        line();
    }

    const ScreeningRun& run_;
    const ScreeningCase& c_;
    std::string_view engine_;
    std::string out_;
};

}  // namespace

std::string writeListing(const ScreeningRun& run, std::string_view engineName)
{
    return Listing(run, engineName).write();
}

}  // namespace qelvo::air::screening
