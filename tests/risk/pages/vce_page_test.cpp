// The vapour cloud explosion page: both methods, what the page keeps between commands, and
// the overpressure lookup window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "presentation/result_table.h"
#include "risk/pages/fire_pages.h"
#include "risk/pages/overpressure_lookup_window.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;
using testing::radio;

// Types an overpressure into the lookup window and presses 确定; records the distance shown.
testing::InterceptModals lookUp(const QString& typed, QString* shownDistance, bool* accepted = nullptr)
{
    return testing::InterceptModals([=](QDialog& d) {
        auto& window = static_cast<OverpressureLookupWindow&>(d);
        *shownDistance = window.distance()->text();
        window.overpressure()->setText(typed);
        window.confirm();
        if (accepted) *accepted = window.result() == QDialog::Accepted;
        return window.result();
    });
}

// By hand for the defaults: Fv = 1 − exp(−1737.2·119.9/434259) = 0.38100, Wf = 76.2 kg,
// WTNT = 41825600·0.03·76.2/4520000 = 21.153 kg, R̄ = 10/21.153^(1/3) = 3.6158.
TEST(VcePage, TntMethodAndTheLookup)
{
    VcePage page;
    EXPECT_TRUE(page.results().text()->toPlainText().startsWith("    易燃易爆气体如H2、天然气等，泄漏后随着风向扩散"));
    QString distance;
    {
        auto modals = lookUp("0", &distance);  // before any TNT computation R̄ is 0
        button(&page, "根据无因次距离查超压")->click();
        EXPECT_EQ(modals.titles, QStringList{"无因次距离查超压表"});
    }
    EXPECT_EQ(distance, "0");

    button(&page, "计算结果")->click();
    const QString tnt = "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\n";
    EXPECT_EQ(page.results().text()->toPlainText(), tnt);
    EXPECT_EQ(page.results().table()->text(0, 0), "超压 [MPa]");
    EXPECT_EQ(page.results().table()->text(1, 1), "7.80789");  // 0.1 MPa off the chart's curve
    {
        auto modals = lookUp("0", &distance);  // 0: the text stays
        button(&page, "根据无因次距离查超压")->click();
    }
    EXPECT_EQ(distance, "3.61583");
    EXPECT_EQ(page.results().text()->toPlainText(), tnt);
    {
        // Pd = 0.1·(1.43·log10 50000 + 2.47) = 0.1·(1.43·4.69897 + 2.47) = 0.918953.
        auto modals = lookUp("50000", &distance);
        button(&page, "根据无因次距离查超压")->click();
    }
    EXPECT_EQ(page.results().text()->toPlainText(),
              "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\n查图知：爆炸冲击波超压为 50000[Pa]\n则死亡概率为 0.918953");
    EXPECT_EQ(page.memory().dP, 50000);
}

TEST(VcePage, LookupRefusesANegativeOrNoNumberAndStaysOpen)
{
    testing::RecordMessages messages;
    VcePage page;
    button(&page, "计算结果")->click();
    QString distance;
    bool accepted = true;
    for (const char* typed : {"-1", "abc"}) {
        auto modals = lookUp(typed, &distance, &accepted);
        button(&page, "根据无因次距离查超压")->click();
        EXPECT_FALSE(accepted) << typed;
    }
    EXPECT_EQ(messages.texts(), (QStringList{"查图知超压不能为负数，请重新输入！", kNotANumber}));
    EXPECT_EQ(page.results().text()->toPlainText(), "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\n");
}

TEST(VcePage, DirectMethodSwitchesTheFieldsAndKeepsTheTntDistance)
{
    using In = risk::VceInput;
    VcePage page;
    EXPECT_TRUE(page.lineEdit(&In::HTNT)->isEnabled());
    EXPECT_FALSE(page.lineEdit(&In::Pa)->isEnabled());
    button(&page, "计算结果")->click();  // TNT: R̄ = 3.61583 kept

    radio(&page, "直接计算法")->click();
    EXPECT_FALSE(page.lineEdit(&In::HTNT)->isEnabled());
    EXPECT_FALSE(page.lineEdit(&In::ae)->isEnabled());
    for (auto m : {&In::eta, &In::a, &In::Pa}) EXPECT_TRUE(page.lineEdit(m)->isEnabled());
    EXPECT_FALSE(page.lookupButton()->isEnabled());
    // E = 0.04·0.03·41825600·76.2·1.8 = 6.884e6 J, R̄ = 10/(E/101325)^(1/3) = 2.4507.
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.results().text()->toPlainText(), "爆炸冲击波超压为 11793.1[Pa]\n死亡概率为 0.829243");
    EXPECT_EQ(page.results().table()->text(1, 1), "2.33345");
    EXPECT_FLOAT_EQ(page.memory().Rbar, 3.61582828f);
    EXPECT_FLOAT_EQ(page.memory().dP, 11793.0664f);

    radio(&page, "TNT当量法")->click();
    EXPECT_TRUE(page.lookupButton()->isEnabled());
    EXPECT_TRUE(page.lineEdit(&In::ae)->isEnabled());
    EXPECT_FALSE(page.lineEdit(&In::eta)->isEnabled());
}

TEST(VcePage, RefusalNamesTheField)
{
    testing::RecordMessages messages;
    VcePage page;
    edit(&page, "T1")->setText("80");  // below the boiling point: no flashed fuel
    button(&page, "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"容器内温度T1必须高于燃料沸点温度T2，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "T1"));
}

}  // namespace
}  // namespace qelvo::ui
