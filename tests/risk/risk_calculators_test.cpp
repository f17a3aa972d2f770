// The risk list: every line fits the catalogue layout, and every calculator answers even
// hostile inputs with numbers or a refusal.
#include "risk/risk_calculators.h"

#include <gtest/gtest.h>

#include "risk/bleve.h"
#include "risk/jet_fire.h"
#include "risk/leak.h"
#include "risk/oil_film.h"
#include "risk/pool_evaporation.h"
#include "risk/pool_fire.h"
#include "risk/vce.h"
#include "risk_test_support.h"
#include "support/list_checks.h"

namespace qelvo::risk {
namespace {

TEST(RiskCalculators, EveryLineServesItsMenus)
{
    qelvo::testing::expectListServesItsMenus(riskCalculators(), {1008}, "risk.");
    int poolFire = 0;
    for (const auto& e : riskCalculators())
        if (e.slot == 26) {
            ++poolFire;
            EXPECT_EQ(e.command, 0);  // no menu entry leads to it
            EXPECT_EQ(e.label, "池火灾事故后果模型");
        }
    EXPECT_EQ(poolFire, 1);
}

TEST(RiskCalculators, HostileInputsGetNumbersOrARefusal)
{
    testing::expectSurvivesHostileInputs(liquidLeakCalculator());
    testing::expectSurvivesHostileInputs(gasLeakCalculator());
    testing::expectSurvivesHostileInputs(twoPhaseLeakCalculator());
    testing::expectSurvivesHostileInputs(flashEvaporationCalculator());
    testing::expectSurvivesHostileInputs(heatEvaporationCalculator());
    testing::expectSurvivesHostileInputs(massEvaporationCalculator());
    testing::expectSurvivesHostileInputs(poolEvaporationCalculator());
    testing::expectSurvivesHostileInputs(bleveCalculator());
    testing::expectSurvivesHostileInputs(poolFireCalculator());
    testing::expectSurvivesHostileInputs(jetFireCalculator());
    testing::expectSurvivesHostileInputs(vceCalculator());
    testing::expectSurvivesHostileInputs(oilFilmCalculator());
}

}  // namespace
}  // namespace qelvo::risk
