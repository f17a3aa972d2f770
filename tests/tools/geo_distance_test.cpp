// The distance between two points.
#include "tools/geo_distance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::tools {
namespace {

TEST(GeoDistance, ReferenceCases)
{
    struct Case {
        const char* name;
        GeoDistanceInput in;
        double d;
        double tolerance;
    };
    const Case cases[] = {
        {"page defaults", {}, 176.8076, 1e-3},
        {"one degree along the equator", {0, 0, 1, 0}, 111319.49, 0.01},
        {"west and south as negatives", {-1, 0, 0, 0}, 111319.49, 0.01},
        {"pole to pole", {0, 90, 0, -90}, 6378137.0 * 3.14159265358979, 1.0},
        {"one degree of latitude", {116.4, 39.9, 116.4, 40.9}, 111319.49, 0.5},
    };
    for (const auto& c : cases) EXPECT_NEAR(computeGeoDistance(c.in).d, c.d, c.tolerance) << c.name;
}

TEST(GeoDistance, EqualPointsGiveRoundingNoiseOrNotANumber)
{
    // arccos is ill-conditioned near 1: equal points give 0, a few centimetres of rounding
    // noise, or no value at all where rounding puts the cosine above 1.
    for (double lat : {0.0, 27.201, 45.0, 89.9}) {
        const double d = computeGeoDistance({120.9532, lat, 120.9532, lat}).d;
        EXPECT_TRUE(std::isnan(d) || (d >= 0 && d < 0.2)) << lat << ": " << d;
    }
}

TEST(GeoDistance, TheNotANumberIsTheDeclaredDisplay)
{
    // The page has always shown the not-a-number text there; it is the one spelling.
    GeoDistanceInput same{0.1, 0.1, 0.1, 0.1};
    for (double lat = 0.1; lat < 90 && !std::isnan(computeGeoDistance(same).d); lat += 0.7) same.lat1 = same.lat2 = lat;
    ASSERT_TRUE(std::isnan(computeGeoDistance(same).d));
    const auto e = evaluate(geoDistanceCalculator(), same);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.fields.at(0).second, "nan");
}

TEST(GeoDistance, DegreeFactorIsTheToolsOwn)
{
    // The factor 0.017453292519943334 differs from pi/180 in the 15th digit; the default
    // distance must come out with it to the last shown digit.
    EXPECT_EQ(formatDouble(computeGeoDistance({}).d), "176.807609504204");
}

}  // namespace
}  // namespace qelvo::tools
