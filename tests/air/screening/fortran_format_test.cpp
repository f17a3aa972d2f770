#include "air/screening/fortran_format.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

TEST(FortranFormat, FixedFields)
{
    struct Case {
        double v;
        int w, d;
        const char* text;
    } const cases[] = {
        {280, 7, 0, "   280."},        // F7.0 ends with the point
        {0.4, 7, 0, "     0."},        // rounds to zero, keeps the 0
        {57.915999, 7, 2, "  57.92"},  // rounded
        {0.5, 12, 4, "      0.5000"},  // leading 0 kept where it fits
        {0.5, 3, 2, ".50"},            // dropped where it does not
        {-0.5, 4, 2, "-.50"},
        {-0.001, 6, 2, "  0.00"},      // no "-0.00"
        {10000, 7, 1, "10000.0"},
        {100000, 7, 1, "*******"},     // too wide
        {99999.99, 9, 2, " 99999.99"},
    };
    for (const auto& c : cases) EXPECT_EQ(fortranF(c.v, c.w, c.d), c.text) << c.v;
}

TEST(FortranFormat, GeneralFieldsSwitchToExponentOutsideFourDigits)
{
    struct Case {
        double v;
        int w, d;
        const char* text;
    } const cases[] = {
        {41.59, 11, 4, "  41.59    "},
        {1351.2, 11, 4, "  1351.    "},
        {0.5765, 11, 4, " 0.5765    "},
        {9.862, 11, 4, "  9.862    "},
        {0, 11, 4, "  0.000    "},
        {0, 12, 4, "   0.000    "},
        {398200, 11, 4, " 0.3982E+06"},
        {4.036e-5, 11, 4, " 0.4036E-04"},
        {9999.5, 11, 4, " 0.1000E+05"},    // rounds to 5 digits: E form
        {9999.4, 11, 4, "  9999.    "},
        {0.099995, 11, 4, " 0.1000    "},  // rounds up into F form
        {0.099994, 11, 4, " 0.9999E-01"},
        {-999, 11, 4, " -999.0    "},
        {1.46e-13, 11, 4, " 0.1460E-12"},
        {1, 16, 6, "     1.00000    "},
        {0.005, 16, 6, "    0.500000E-02"},
        {100000, 16, 6, "     100000.    "},
    };
    for (const auto& c : cases) EXPECT_EQ(fortranG(c.v, c.w, c.d), c.text) << c.v;
}

TEST(FortranFormat, ExponentAndIntegerFields)
{
    EXPECT_EQ(fortranE(0, 11, 4), " 0.0000E+00");
    EXPECT_EQ(fortranE(-123.45, 11, 4), "-0.1235E+03");
    EXPECT_EQ(fortranE(1e-120, 11, 4), " 0.1000-119");  // three exponent digits replace the letter
    EXPECT_EQ(fortranI(6, 1), "6");
    EXPECT_EQ(fortranI(2, 2), " 2");
    EXPECT_EQ(fortranI(12, 1), "*");
}

}  // namespace
}  // namespace qelvo::air::screening
