#include "common/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <limits>

namespace qelvo {
namespace {

struct Shown {
    double value;
    const char* single;  // "%g", 6 digits
    const char* dbl;     // "%.15g"
};

TEST(NumberFormat, FieldDisplayForms)
{
    const Shown cases[] = {
        {0.000123, "0.000123", "0.000123"},
        {1234.5, "1234.5", "1234.5"},
        {1234567, "1.23457e+006", "1234567"},  // three exponent digits
        {1e-5, "1e-005", "1e-005"},
        {100000, "100000", "100000"},
        {1e6, "1e+006", "1000000"},
        {1e30, "1e+030", "1e+030"},
        {-2.5e-7, "-2.5e-007", "-2.5e-007"},
        {0, "0", "0"},
        {-0.0, "-0", "-0"},
        {50, "50", "50"},
        {1e16, "1e+016", "1e+016"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatSingle(static_cast<float>(c.value)), c.single) << c.value;
        EXPECT_EQ(formatDouble(c.value), c.dbl) << c.value;
    }
}

TEST(NumberFormat, SingleShowsTheStoredFloatRounded)
{
    // 0.1 is stored as 0.100000001490116…; the field still shows 0.1.
    EXPECT_EQ(formatSingle(0.1f), "0.1");
    EXPECT_EQ(formatDouble(static_cast<double>(0.1f)), "0.100000001490116");
    EXPECT_EQ(formatSingle(1.0f / 3.0f), "0.333333");
    EXPECT_EQ(formatDouble(176.80760950420402), "176.807609504204");
}

TEST(NumberFormat, NotANumberAndInfinity)
{
    EXPECT_EQ(formatDouble(1e100), "1e+100");
    EXPECT_EQ(formatDouble(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(formatDouble(-std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(formatSingle(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(formatSingle(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(NumberFormat, ResultTextConversions)
{
    EXPECT_EQ(cformat("%.2f", 12.345), "12.35");
    EXPECT_EQ(cformat("%.4f mg/L", 0.5), "0.5000 mg/L");
    EXPECT_EQ(cformat("%g", 1234567.0), "1.23457e+006");
    EXPECT_EQ(cformat("%e", 12345.678), "1.234568e+004");
    EXPECT_EQ(cformat("%E", 0.00012), "1.200000E-004");
    EXPECT_EQ(cformat("%.13f", 1.0 / 3), "0.3333333333333");
    EXPECT_EQ(cformat("%.9f|%.19g|%9.3f", 1.0 / 3, 0.1, 2.5), "0.333333333|0.1000000000000000056|    2.500");
    EXPECT_EQ(cformat("%d%%", 85), "85%");
    EXPECT_EQ(cformat("%s=%d", "N", -3), "N=-3");
    EXPECT_EQ(cformat("Lp=%.2fdB\r\n", 63.0149), "Lp=63.01dB\r\n");
    EXPECT_EQ(cformat("%c%c", 'a', 'b'), "ab");
    EXPECT_EQ(cformat("%ld|%lld|%u", 7L, 8LL, 9u), "7|8|9");
}

TEST(NumberFormat, FixedMatchesPrintf)
{
    for (double v : {0.0, -0.0, 0.5, 0.00005, 0.00015, 1.00005, 2.675, -3.14159, 12345.678901, 1e20, 1e-20})
        for (int d : {0, 2, 4})
            EXPECT_EQ(formatFixed(v, d), cformat("%.*f", d, v)) << v << " " << d;
}

TEST(NumberFormat, WidthCountsTheWidenedExponent)
{
    EXPECT_EQ(cformat("[%12.3e]", 12346.0), "[  1.235e+004]");
    EXPECT_EQ(cformat("[%-10g]", 1e6), "[1e+006    ]");
    EXPECT_EQ(cformat("[%010.3e]", -12346.0), "[-1.235e+004]");
    EXPECT_EQ(cformat("[%012.3e]", -12346.0), "[-01.235e+004]");
    EXPECT_EQ(cformat("[%08.2f]", -3.14159), "[-0003.14]");
    EXPECT_EQ(cformat("[%5d]", 42), "[   42]");
    EXPECT_EQ(cformat("[%-5d]", 42), "[42   ]");
    EXPECT_EQ(cformat("[%*d]", 4, 7), "[   7]");
    EXPECT_EQ(cformat("[%.*f]", 1, 2.25), "[2.2]");
    EXPECT_EQ(cformat("[%6s]", "ab"), "[    ab]");
    EXPECT_EQ(cformat("[%8.3f]", std::numeric_limits<double>::infinity()), "[     inf]");
}

TEST(NumberFormat, OneSpellingForNumbersThatAreNotFinite)
{
    // printf writes "-nan" for a NaN with its sign bit set; every formatter says "nan".
    const double minusNan = -std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, std::string> cases[] = {
        {cformat("%.2f", minusNan), "nan"},   {cformat("%g", minusNan), "nan"},     {cformat("%e", -inf), "-inf"},
        {cformat("%+.1f", inf), "inf"},       {cformat("[%-6.2f]", -inf), "[-inf  ]"}, {cformat("%08.2f", minusNan), "     nan"},
        {formatFixed(minusNan, 4), "nan"},    {formatFixed(-inf, 4), "-inf"},       {formatSingle(float(minusNan)), "nan"},
        {nonFiniteText(minusNan), kNaNText},  {nonFiniteText(inf), kInfinityText},  {nonFiniteText(-inf), kMinusInfinityText},
    };
    for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
}

TEST(NumberFormat, AWatchSeesEveryNumberThatIsNotFiniteShownWhileItLives)
{
    const NonFiniteWatch outer;
    {
        const NonFiniteWatch watch;
        EXPECT_EQ(cformat("%.2f %g %d", 1.5, 1e300, 3), "1.50 1e+300 3");
        EXPECT_EQ(formatSingle(3.4e38f) + formatFixed(-1e300, 0).substr(0, 2), "3.4e+038-1");
        EXPECT_FALSE(watch.seen());
        cformat("%.2f", std::numeric_limits<double>::quiet_NaN());
        EXPECT_TRUE(watch.seen());
    }
    EXPECT_TRUE(outer.seen());
    const NonFiniteWatch later;
    formatFixed(std::numeric_limits<double>::infinity(), 2);
    EXPECT_TRUE(later.seen());
    const NonFiniteWatch last;
    formatG(-std::numeric_limits<double>::infinity(), 6);
    EXPECT_TRUE(last.seen());
}

TEST(NumberFormat, IndependentOfTheProcessLocale)
{
    // A locale with a decimal comma must not reach any result.
    struct Restore {
        std::string saved = std::setlocale(LC_NUMERIC, nullptr);
        ~Restore() { std::setlocale(LC_NUMERIC, saved.c_str()); }
    } restore;
    // The set-up installs every locale (Debian's locales-all).
    ASSERT_TRUE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        << "no locale with a decimal comma: install locales-all";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");  // the trap is set
    EXPECT_EQ(formatSingle(0.5f), "0.5");
    EXPECT_EQ(formatG(1234567.0, 3), "1.23e+006");
    EXPECT_EQ(cformat("%.2f", 1.5), "1.50");
}

}  // namespace
}  // namespace qelvo
