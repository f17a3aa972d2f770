// The decibel calculator's keys.
#include "noise/decibel_calculator.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

std::string keys(const char* sequence)
{
    const DbCalcResult r = runDecibelKeys({sequence});
    EXPECT_FALSE(r.refusal.refused()) << sequence;
    return formatDouble(r.display);
}

TEST(DecibelCalculator, WorkedSequences)
{
    const std::pair<const char*, const char*> cases[] = {
        {"60+60=", "63.01"},
        {"60+60+", "63.01"},        // the second + shows the running value
        {"60+60+60=", "64.77"},
        {"60+60+60==", "66.02"},    // = again adds 60 once more
        {"70-60=", "69.54"},
        {"60+60.5+60=", "64.94"},
        {"60+60=CE60=", "63.01"},   // the pending + survives CE and B := A
        {"60+60=70=", "60.00"},     // 70 is not used: 0 ⊕ Last2
        {"60=", "0.00"},            // = before any operator shows 0
        {"60+", "0.00"},            // the first operator forms no result
    };
    for (const auto& [sequence, shown] : cases) {
        const double value = std::stod(keys(sequence));
        EXPECT_EQ(cformat("%.2f", value), shown) << sequence;
    }
}

TEST(DecibelCalculator, EditingKeys)
{
    EXPECT_EQ(keys("5.←3"), "53");   // the point goes with the last fraction digit
    EXPECT_EQ(keys("5.3←7"), "57");
    EXPECT_EQ(keys("5.25←"), "5.2");
    EXPECT_EQ(keys("7←"), "0");
    EXPECT_EQ(keys("123←"), "12");
    EXPECT_EQ(keys("5."), "5");      // a point without digits is not visible
    EXPECT_EQ(keys("60-60="), "-inf");
    EXPECT_EQ(keys("60-61="), "nan");
    EXPECT_TRUE(runDecibelKeys({"6x"}).refusal.refused());
}

}  // namespace
}  // namespace qelvo::noise
