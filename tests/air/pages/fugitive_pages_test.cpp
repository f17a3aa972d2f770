// The fugitive emission pages and the dust tab container: worked examples through the
// fields, the substance list, the refusals, the invalid-number message and the help topics.
#include "air/pages/fugitive_pages.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/page_factory.h"
#include "presentation/tab_sheet.h"
#include "presentation/help_topics.h"
#include "presentation/help_window.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::clickTab;
using testing::edit;

// "参考资料" opens the local page in the help window; it names the formula of the page.
void expectHelpTopic(QWidget* page, const char* formula)
{
    testing::RecordDesktop desktop;
    testing::RecordMessages messages;
    button(page, "参考资料")->click();
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_TRUE(messages.messages.empty());
    HelpWindow* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    QFile file(helpFilePath(help->currentTopic()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QString::fromUtf8(formula))) << formula;
    help->close();
}

// Numbers from an independent /usr/bin/python3 recomputation (tests/air/fugitive_emission_test.cpp).
TEST(OpenStoragePage, MazakAndTheSubstanceList)
{
    OpenStoragePage page;
    page.show();
    button(&page, "计算")->click();
    EXPECT_EQ(edit(&page, "G")->text(), "10350.5431844045");  // (5.38 + 3.28)·93.98·1.44·√78
    QComboBox* list = page.substanceList();
    ASSERT_EQ(list->count(), 9);
    list->setCurrentIndex(0);
    emit list->activated(0);  // 苯 at 298 K: 10^(7.962 − 0.05223·34172/298)
    EXPECT_EQ(edit(&page, "Pv")->text(), "93.9131");
    EXPECT_EQ(edit(&page, "G")->text(), "10350.5431844045");  // until the next "计算"

    testing::RecordMessages messages;
    edit(&page, "T")->setText("0");
    emit list->activated(0);
    EXPECT_EQ(page.focusWidget(), edit(&page, "T"));
    edit(&page, "M")->setText("0");
    button(&page, "计算")->click();
    EXPECT_EQ(page.focusWidget(), edit(&page, "M"));
    EXPECT_EQ(messages.texts(), QStringList({"有害物质温度T必须大于0，请重新输入！", "有害物质分子量M必须大于0，请重新输入！"}));
    expectHelpTopic(&page, "5.38 + 4.1·u");
}

TEST(LiquidEvaporationPage, TextOfTheSplit)
{
    LiquidEvaporationPage page;
    page.show();
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultText()->toPlainText(),
              "计算结果如下：\n液体蒸发量Gz=0.06983064 [kg/h]\n排放量为0.01641020 [kg/h]\n"
              "其中无组织排放量0.01047460 [kg/h]；有组织排放量0.00593560 [kg/h]");
    edit(&page, "capture")->setText("0");  // nothing captured: all of it is fugitive
    button(&page, "计算结果")->click();
    EXPECT_TRUE(page.resultText()->toPlainText().endsWith("其中无组织排放量0.06983064 [kg/h]；有组织排放量0.00000000 [kg/h]"));
    testing::RecordMessages messages;
    edit(&page, "treatment")->setText("101");
    button(&page, "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"处理率必须在0～100之间，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "treatment"));
    expectHelpTopic(&page, "0.000352 + 0.000786·V");
}

TEST(EquipmentLeakPage, LeakAndZeroTemperature)
{
    EquipmentLeakPage page;
    page.show();
    button(&page, "计算")->click();
    EXPECT_EQ(edit(&page, "Gc")->text(), "0");  // C starts at 0
    edit(&page, "C")->setText("0.3");
    button(&page, "计算")->click();
    EXPECT_EQ(edit(&page, "Gc")->text(), "0.460449");  // 2·1.5·0.3·√(78/298)
    testing::RecordMessages messages;
    edit(&page, "T")->setText("0");
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts(), QStringList{"有害气体和蒸气温度T必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "T"));
    expectHelpTopic(&page, "K · C · V · √(M / T)");
}

TEST(OdourPage, RateAndTheInvalidNumber)
{
    OdourPage page;
    page.show();
    const std::pair<const char*, const char*> pile[] = {{"u", "2"},  {"D", "0.1"},  {"W", "1000"}, {"L", "2000"},
                                                        {"m", "5"},  {"M", "1000"}, {"C", "0.05"}, {"F", "1"}};
    for (const auto& [key, value] : pile) edit(&page, key)->setText(value);
    testing::RecordMessages messages;
    button(&page, "计算")->click();
    // 2·1000·5·0.05/1000·√(2·2000·0.1/3.14159) = 5.6418982…
    EXPECT_NEAR(edit(&page, "E")->text().toDouble(), 5.641898218231844, 1e-12);
    EXPECT_TRUE(messages.messages.empty());
    edit(&page, "u")->setText("0");
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts(), QStringList{"无效的数字，请重新输入！"});
    EXPECT_EQ(edit(&page, "E")->text(), "0");
    edit(&page, "F")->setText("0");
    button(&page, "计算")->click();
    EXPECT_EQ(messages.texts().last(), "蒸汽压校正系数F不能为0，请重新输入！");
    EXPECT_EQ(page.focusWidget(), edit(&page, "F"));
}

TEST(DustPage, TabsComputeTheirOwnForm)
{
    DustPage page(programCatalogue().pageSlot(20));
    page.show();
    EXPECT_EQ(page.windowTitle(), "扬尘计算");
    EXPECT_EQ(page.tabs()->tabText(0), "交通运输起尘量 ");
    EXPECT_EQ(page.tabs()->tabText(1), "煤堆起尘量 ");
    button(page.transportForm(), "计算结果")->click();
    EXPECT_EQ(edit(&page, "Qt")->text(), "2.59589");  // 0.123·6·(1/6.8)^0.85·(0.02)^0.72·0.1·3000
    clickTab(page.tabs(), 1);
    button(page.coalPileForm(), "计算结果")->click();
    EXPECT_EQ(edit(page.coalPileForm(), "Q")->text(), "0.76006");  // 11.7·1.5^2.45·40^0.345·e^−5
    clickTab(page.tabs(), 0);
    EXPECT_EQ(edit(&page, "Qt")->text(), "2.59589");  // kept while hidden
    testing::RecordMessages messages;
    edit(page.transportForm(), "M")->setText("0");
    button(page.transportForm(), "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"车辆载重M必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(page.transportForm(), "M"));
    expectHelpTopic(&page, "11.7 · U");
}

}  // namespace
}  // namespace qelvo::ui
