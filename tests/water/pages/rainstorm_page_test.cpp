// The rainstorm page: province and city lists and the formula.
#include "water/pages/rainstorm_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>

namespace qelvo::ui {
namespace {

TEST(RainstormPage, ProvinceAndCityListsDriveTheFormula)
{
    RainstormPage page;
    EXPECT_EQ(page.cities()->count(), 4);
    EXPECT_EQ(page.cities()->currentText(), "温州");
    EXPECT_FALSE(page.formulaText()->toPlainText().contains("升/秒"));  // no unit at opening
    page.selectCity(2);
    EXPECT_TRUE(page.formulaText()->toPlainText().contains("[毫米/分钟]"));
    page.selectProvince(1);  // 北京
    EXPECT_EQ(page.cities()->count(), 0);
    page.compute();
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("暴雨强度q="));
    EXPECT_EQ(page.input().province, 1);
    page.selectProvince(0);
    page.cities()->setCurrentIndex(2);
    page.compute();
    EXPECT_EQ(page.input().city, "宁波");
}

}  // namespace
}  // namespace qelvo::ui
