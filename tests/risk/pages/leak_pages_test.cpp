// The leak-rate pages, driven through their widgets.
#include "risk/pages/leak_pages.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;
using testing::radio;

bool showsLabel(QWidget* page, const QString& text)
{
    for (auto* l : page->findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

TEST(LiquidLeakPage, DefaultsFixedTextsAndARefusal)
{
    testing::RecordMessages messages;
    LiquidLeakPage page;
    for (const char* text : {"计算公式如下:", "QL=Cd*A*ρ*(2*(P-P0)/ρ+2*g*h)^0.5", "应用条件：液体在喷口内不应有急剧蒸发"})
        EXPECT_TRUE(showsLabel(&page, QString::fromUtf8(text))) << text;
    button(&page, "计算")->click();
    // 0.62·0.05·0.9·sqrt(2·8700/0.9 + 19.6·2) with float inputs, in double ("%.15g").
    EXPECT_EQ(edit(&page, "QL")->text(), "3.88326846265888");

    edit(&page, "P")->setText("0");  // the vessel below the ambient pressure: nothing flows
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts(),
              QStringList{"容器内介质压力P与液柱压力之和小于环境压力P0，液体不会流出，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "P"));
    EXPECT_EQ(edit(&page, "QL")->text(), "3.88326846265888");
}

TEST(GasLeakPage, RegimesShapeCoefficientAndARefusal)
{
    testing::RecordMessages messages;
    GasLeakPage page;
    EXPECT_EQ(page.shapeCoefficient()->text().trimmed(), "形状系数Cd = 1");
    button(&page, "计算")->click();
    EXPECT_EQ(page.resultText()->toPlainText(), "气体流速在亚音速范围，是次临界流。\n气体泄漏速率为：21.4684492701915 [kg/s]");

    // A rectangular breach: Cd 0.9, the rate times 0.9.
    radio(&page, "长方形")->click();
    EXPECT_EQ(page.shapeCoefficient()->text().trimmed(), "形状系数Cd = 0.9");
    button(&page, "计算")->click();
    EXPECT_EQ(page.resultText()->toPlainText(), "气体流速在亚音速范围，是次临界流。\n气体泄漏速率为：19.3216043431724 [kg/s]");
    radio(&page, "三角形")->click();
    EXPECT_EQ(page.shapeCoefficient()->text().trimmed(), "形状系数Cd = 0.95");

    edit(&page, "kappa")->setText("1");
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts(), QStringList{"气体绝热指数κ必须大于1，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "kappa"));
    EXPECT_TRUE(page.resultText()->toPlainText().contains("19.3216043431724"));  // kept
}

TEST(TwoPhaseLeakPage, FlashFractionLineWithItsTrailingBlank)
{
    testing::RecordMessages messages;
    TwoPhaseLeakPage page;
    button(&page, "计算")->click();
    // Fv = 80·10/1100 = 0.727273; QLG = 0.8·0.05·sqrt(2·1025.42·0.45·300) = 21.047.
    EXPECT_EQ(edit(&page, "QLG")->text(), "21.0471628503554");
    EXPECT_EQ(page.message()->toPlainText(), "蒸发的液体占液体总量的比例Fv：0.727273 ");

    edit(&page, "Cp")->setText("111");  // Fv = 111·10/1100 = 1.009091: the rate is still shown
    button(&page, "计算")->click();
    EXPECT_EQ(page.message()->toPlainText(),
              "蒸发的液体占液体总量的比例Fv：1.009091\n液体将全部蒸发成气体，这时应按气体泄漏计算。 ");
    EXPECT_EQ(edit(&page, "QLG")->text(), "20.7760266386223");

    edit(&page, "H")->setText("0");
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts(), QStringList{"液体气化热H必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "H"));
}

}  // namespace
}  // namespace qelvo::ui
