// The evaporation page and what its three windows hand back when they close.
#include "risk/pages/pool_evaporation_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;
using testing::radio;

// Plays the user in a window: `act` on its widgets, then the close box.
template <class Window>
testing::InterceptModals closeAfter(std::function<void(Window&)> act)
{
    return testing::InterceptModals([act](QDialog& d) {
        auto& window = static_cast<Window&>(d);
        act(window);
        window.reject();
        return int(window.result());
    });
}

TEST(PoolEvaporationPage, WindowsOpenedAndClosedHandBackTheirOpeningValues)
{
    PoolEvaporationPage page;
    for (const char* key : {"Q1", "Q2", "Q3", "t1", "t2", "t3", "Wp"}) EXPECT_EQ(edit(&page, key)->text(), "0") << key;
    {
        auto modals = closeAfter<FlashWindow>([](FlashWindow&) {});
        button(&page, "闪蒸量计算")->click();
        EXPECT_EQ(modals.titles, QStringList{"过热液体闪蒸量计算"});
    }
    {
        auto modals = closeAfter<HeatWindow>([](HeatWindow&) {});
        button(&page, "热量蒸发计算")->click();
        EXPECT_EQ(modals.titles, QStringList{"热量蒸发量计算"});
    }
    {
        auto modals = closeAfter<MassWindow>([](MassWindow&) {});
        button(&page, "质量蒸发计算")->click();
        EXPECT_EQ(modals.titles, QStringList{"质量蒸发量计算"});
    }
    EXPECT_EQ(edit(&page, "Q1")->text(), "0");
    EXPECT_EQ(edit(&page, "t1")->text(), "50");
    EXPECT_EQ(edit(&page, "Q2")->text(), "0");
    EXPECT_EQ(edit(&page, "t2")->text(), "50");
    EXPECT_EQ(edit(&page, "Q3")->text(), "0");
    EXPECT_EQ(edit(&page, "t3")->text(), "0");
}

TEST(PoolEvaporationPage, FlashAndMassReadOnClosingHeatKeepsItsLastComputation)
{
    testing::RecordMessages messages;
    PoolEvaporationPage page;
    {
        // (298 − 85)·1000/4500·20/50 = 18.9333; a t1 typed after 计算 travels as it stands.
        auto modals = closeAfter<FlashWindow>([](FlashWindow& w) {
            button(w.page(), "计算")->click();
            EXPECT_EQ(edit(w.page(), "Q1")->text(), "18.9333");
            edit(w.page(), "t1")->setText("60");
        });
        button(&page, "闪蒸量计算")->click();
    }
    EXPECT_EQ(edit(&page, "Q1")->text(), "18.9333");
    EXPECT_EQ(edit(&page, "t1")->text(), "60");
    {
        // 1.1·5·18/(1000·sqrt(3.14159·1.29e-7·50)) = 21.9928; the t typed afterwards, and a
        // refused 计算 (α under the root), stay behind.
        auto modals = closeAfter<HeatWindow>([](HeatWindow& w) {
            button(w.page(), "计算")->click();
            EXPECT_EQ(edit(w.page(), "Q2")->text(), "21.9928");
            edit(w.page(), "t")->setText("70");
            edit(w.page(), "alpha")->setText("0");
            button(w.page(), "计算")->click();
            EXPECT_EQ(w.page()->focusWidget(), edit(w.page(), "alpha"));
        });
        button(&page, "热量蒸发计算")->click();
    }
    EXPECT_EQ(messages.texts(), QStringList{"表面热扩散系数α必须大于0，请重新输入！"});
    EXPECT_EQ(edit(&page, "Q2")->text(), "21.9928");
    EXPECT_EQ(edit(&page, "t2")->text(), "50");
    {
        // 稳定(E,F): n = 0.3, α = 5.285e-3, Q3 = 46.1788.
        auto modals = closeAfter<MassWindow>([](MassWindow& w) {
            auto* coefficients = w.findChild<QLabel*>("coefficients");
            ASSERT_NE(coefficients, nullptr);
            EXPECT_EQ(coefficients->text().trimmed(), "n = 0.2，α = 3.846×10^-3");
            radio(w.page(), "稳定(E,F)")->click();
            EXPECT_EQ(coefficients->text().trimmed(), "n = 0.3，α = 5.285×10^-3");
            button(w.page(), "计算")->click();
            EXPECT_EQ(edit(w.page(), "Q3")->text(), "46.1788");
        });
        button(&page, "质量蒸发计算")->click();
    }
    EXPECT_EQ(edit(&page, "Q3")->text(), "46.1788");

    // Wp = 18.9333·60 + 21.9928·50 + 46.1788·100 = 1136.00 + 1099.64 + 4617.88.
    edit(&page, "t3")->setText("100");
    button(&page, "计算")->click();
    EXPECT_EQ(edit(&page, "Wp")->text(), "6853.52");
}

TEST(PoolEvaporationPage, FlashWindowChecksInOrderAndMovesTheFocus)
{
    testing::RecordMessages messages;
    PoolEvaporationPage page;
    auto modals = closeAfter<FlashWindow>([&messages](FlashWindow& w) {
        edit(w.page(), "H")->setText("0");
        edit(w.page(), "t1")->setText("0");
        button(w.page(), "计算")->click();
        EXPECT_EQ(w.page()->focusWidget(), edit(w.page(), "H"));
        edit(w.page(), "H")->setText("4500");
        button(w.page(), "计算")->click();
        EXPECT_EQ(w.page()->focusWidget(), edit(w.page(), "t1"));
        EXPECT_EQ(edit(w.page(), "Q1")->text(), "0");
        EXPECT_EQ(messages.texts(), (QStringList{"液体气化热要大于0", "闪蒸蒸发时间要大于0"}));
        EXPECT_EQ(messages.messages.at(0).caption, kProgramTitle);

        // A text that is not a number keeps the window open at closing.
        edit(w.page(), "t1")->setText("abc");
        w.reject();
        EXPECT_EQ(messages.texts().last(), kNotANumber);
        EXPECT_EQ(w.handedInput().t1, 50);  // nothing taken yet
        edit(w.page(), "t1")->setText("30");
    });
    button(&page, "闪蒸量计算")->click();
    EXPECT_EQ(edit(&page, "t1")->text(), "30");
    EXPECT_EQ(edit(&page, "Q1")->text(), "0");
}

}  // namespace
}  // namespace qelvo::ui
