// The fire pages (BLEVE, pool fire, jet fire): result texts, damage-distance tables, the
// curve window and refusals, through their widgets.
#include "risk/pages/fire_pages.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QChart>
#include <QLogValueAxis>
#include <QValueAxis>
#include <QPlainTextEdit>

#include "presentation/curve_plot_window.h"
#include "presentation/result_table.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

QString column(ResultTable* table, int c)
{
    QStringList cells;
    for (int r = 1; r < table->rowCount(); ++r) cells << table->text(r, c);
    return cells.join(' ');
}

bool showsLabel(QWidget* page, const QString& text)
{
    for (auto* l : page->findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

// The texts and distances below come from an independent recomputation of the formulas
// (python, float inputs); the models' tests show the arithmetic.
TEST(BlevePage, OpeningTextWorkedExampleTableAndRefusal)
{
    BlevePage page;
    EXPECT_TRUE(page.results().text()->toPlainText().startsWith("    易燃易爆的液化气体容器在外部火焰的烘烤下"));
    EXPECT_TRUE(showsLabel(&page, "—————模式参考重大危险源分级标准征求意见稿"));
    EXPECT_EQ(page.results().table()->text(0, 0), "热辐射强度 [kW/m^2]");
    EXPECT_EQ(page.results().table()->rowCount(), 1);  // titles only until computed

    const QString head = "火球直径为 9.57768[m];火球持续时间为 3.91373[s]\n火球抬升高度为 9.57768[m]\n"
                         "火球表面热辐射能量为 568387[W/m^2]\n";
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.results().text()->toPlainText(),
              head + "距离储罐10米处热辐射强度为 56520.8[W/m^2]\n死亡概率为 0.133543\n二度烧伤概率为 0.133474\n"
                     "一度烧伤概率为 0.464179");
    EXPECT_EQ(column(page.results().table(), 0), "37.5 25 12.5 4 1.6");
    EXPECT_EQ(column(page.results().table(), 1), "13.7853 17.9222 26.5361 47.5361 74.4372");
    EXPECT_EQ(page.results().table()->sheetName(), "热辐射伤害距离");

    edit(&page, "x")->setText("4");  // inside the fireball's radius of 4.79 m
    button(&page, "计算结果")->click();
    const QString inside = head + "距离储罐距离小于火球半径，热辐射强度不能计算\n死亡概率为 1\n二度烧伤概率为 1\n一度烧伤概率为 1";
    EXPECT_EQ(page.results().text()->toPlainText(), inside);

    testing::RecordMessages messages;  // a refusal keeps the text and moves the focus
    edit(&page, "W")->setText("0");
    button(&page, "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"储罐容量W必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "W"));
    EXPECT_EQ(page.results().text()->toPlainText(), inside);
}

TEST(FirePages, CurveWindowWithTheThresholdsAsLevelLines)
{
    testing::RecordMessages messages;
    JetFirePage page;
    testing::InterceptModals none;
    button(&page, "曲线图")->click();  // nothing computed yet
    EXPECT_EQ(messages.texts(), QStringList{"没有数据,请先计算!"});
    EXPECT_TRUE(none.titles.isEmpty());

    edit(&page, "m")->setText("1");
    button(&page, "计算结果")->click();
    std::vector<std::string> titles;
    QString caption;
    QLogValueAxis* y = nullptr;
    QValueAxis* x = nullptr;
    double yMin = 0, yMax = 0, xMax = 0;
    testing::InterceptModals modals([&](QDialog& d) {
        auto& window = static_cast<CurvePlotWindow&>(d);
        for (const Curve& c : window.chartView()->curves()) titles.push_back(c.title);
        caption = window.chartView()->chart()->title();
        y = qobject_cast<QLogValueAxis*>(window.chartView()->yAxis());
        if (y) yMin = y->min(), yMax = y->max();
        x = window.xAxis();
        if (x) xMax = x->max();
        return 0;
    });
    button(&page, "曲线图")->click();
    EXPECT_EQ(modals.titles, QStringList{"绘图工具"});
    EXPECT_EQ(caption, "喷射火热辐射强度随距离的变化");
    EXPECT_EQ(titles, (std::vector<std::string>{"热辐射强度 [kW/m^2]", "37.5 kW/m^2", "25 kW/m^2", "12.5 kW/m^2",
                                                 "4 kW/m^2", "1.6 kW/m^2"}));
    ASSERT_NE(y, nullptr);
    ASSERT_NE(x, nullptr);
    // From 104 kW/m² at the flame tip (3 m) to 0.69 kW/m² at 34 m: the decades 0.1 … 1000.
    EXPECT_DOUBLE_EQ(yMin, 0.1);
    EXPECT_DOUBLE_EQ(yMax, 1000);
    EXPECT_EQ(xMax, 40);  // 1.5 × 22.672 m, rounded up to a step of 10
}

TEST(JetFirePage, OpeningTextWorkedExampleAndDistances)
{
    testing::RecordMessages messages;
    JetFirePage page;
    EXPECT_EQ(page.results().text()->toPlainText(),
              "    对于易燃易爆气体如H2、天然气，以及易燃易爆的液化气体来说，泄漏后可能因摩擦产生的静电立即点火，产生喷射火。\n"
              "    本模型假定火焰为圆锥形，并用从泄漏处到火焰长度4/5处的点源模型来表示。");
    edit(&page, "m")->setText("1");
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.results().text()->toPlainText(),
              "喷射火的火焰长度为 14.9733[m]\n距离火焰点源10米处接收的热辐射能量为 8.68611[KW/m^2]\n死亡概率为 0.0893085\n"
              "二度烧伤概率为 0.0813121\n一度烧伤概率为 0.412021");
    EXPECT_EQ(column(page.results().table(), 1), "4.92233 5.99169 8.38359 14.5554 22.672");
    EXPECT_EQ(page.results().table()->text(0, 1), "离火焰点源距离 [m]");

    edit(&page, "x")->setText("0");  // ln x and 1/x² at the point source
    button(&page, "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"预测点离火焰点源距离x必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "x"));
}

TEST(PoolFirePage, WorkedExampleAndDistances)
{
    PoolFirePage page;
    EXPECT_TRUE(page.results().text()->toPlainText().isEmpty());
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.results().text()->toPlainText(),
              "液池直径为3.803767[m]\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\n火焰高度为9.624596[m]\n"
              "燃烧持续时间为111.505547[s]\n火焰表面热通量为103883.812500[W/m^2]\n该模型计算软件还在继续完善中...................");
    EXPECT_EQ(column(page.results().table(), 1), "5.27821 6.46446 9.14212 16.1611 25.553");

}

}  // namespace
}  // namespace qelvo::ui
