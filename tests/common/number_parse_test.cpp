#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <limits>

namespace qelvo {
namespace {

TEST(NumberParse, Numbers)
{
    const std::pair<const char*, double> cases[] = {
        {"1.5", 1.5},     {" 2 ", 2},          {"\t3\t", 3},      {"1e3", 1000},  {"1E-3", 0.001},
        {"+4", 4},        {"-5.5", -5.5},      {"5.", 5},         {".5", 0.5},    {"-.5", -0.5},
        {"0", 0},         {"0.0", 0},          {"  0", 0},        {"00", 0},      {"0e10", 0},
        {"0.000", 0},     {"1.5e+2", 150},     {"2.5E2 ", 250},   {"1e-300", 1e-300},
    };
    for (const auto& [text, expected] : cases) {
        const auto value = parseDouble(text);
        ASSERT_TRUE(value.has_value()) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(*value, expected) << '"' << text << '"';
    }
}

TEST(NumberParse, NotNumbers)
{
    // Zero counts only when the text starts with the digit 0; nothing may follow the number.
    const char* cases[] = {"",      "   ",  "\t",   "-0",  "+0",   ".0",   "-0.0", ".5e-400", "abc", "1.5x",
                           "1 2",   "1e",   "e5",   ".",   "-",    "inf",  "nan",  "0x10",    "1e400",
                           "1,5",   "１",   "1..2", "1e+", "--1",  "1e2.5", "1\n"};
    for (const char* text : cases) EXPECT_FALSE(parseDouble(text).has_value()) << '"' << text << '"';
}

TEST(NumberParse, SingleRoundsToFloatAndRefusesWhatFloatCannotHold)
{
    EXPECT_EQ(parseSingle("0.1"), 0.1f);
    EXPECT_EQ(static_cast<double>(*parseSingle("0.1")), 0.100000001490116119384765625);
    EXPECT_EQ(parseSingle("3.4e38"), 3.4e38f);
    EXPECT_FALSE(parseSingle("3.5e38").has_value());
    EXPECT_FALSE(parseSingle("-1e39").has_value());
    EXPECT_FALSE(parseSingle("-0").has_value());
}

TEST(NumberParse, LeadingNumberReadsTheDecimalPrefixOnly)
{
    // As the classic C library's atof: what a list piece or a table cell starts with, 0 where
    // there is nothing decimal; "nan", "inf" and hexadecimal texts are no numbers here.
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5}, {"  -2.5e1,60", -25}, {"1e5x", 1e5}, {"1e", 1}, {"1e+", 1}, {"7.", 7},
        {".5", 0.5},    {"abc", 0},           {"", 0},       {"nan", 0}, {"inf", 0}, {"-inf", 0},
        {"0x10", 0},    {"+3", 3},            {"\n4", 4},    {"--1", 0}, {"1,5", 1}, {"-.e1", 0},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(leadingNumber(text), expected) << '"' << text << '"';
    // Beyond double range: infinity, for the caller to refuse.
    EXPECT_EQ(leadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(NumberParse, DecimalNumberSyntax)
{
    for (const char* text : {"1", "-1.5", "+.5", "5.", "1e3", "1E-3", "0"}) EXPECT_TRUE(isDecimalNumber(text)) << text;
    for (const char* text : {"", " 1", "1 ", "1e", "e1", ".", "nan", "inf", "0x1", "1..2", "1e+", "1,5"})
        EXPECT_FALSE(isDecimalNumber(text)) << '"' << text << '"';
}

TEST(NumberParse, Integers)
{
    EXPECT_EQ(parseInteger("12"), 12);
    EXPECT_EQ(parseInteger(" -3 "), -3);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("-0"), 0);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    for (const char* text : {"", " ", "2147483648", "-2147483649", "1.5", "1e3", "12a", "+", "- 1", "99999999999999999999"})
        EXPECT_FALSE(parseInteger(text).has_value()) << '"' << text << '"';
}

}  // namespace
}  // namespace qelvo
