// The program's catalogue: the layout filled from every domain's list, and the pages.
#include "app/page_factory.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <map>
#include <memory>
#include <set>

#include "presentation/placeholder_page.h"

namespace qelvo::ui {
namespace {

TEST(ProgramCatalogue, EveryDomainListFitsTheLayout)
{
    const auto& problems = programCatalogue().problems();
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(ProgramCatalogue, MenuLabelsAsTheMenusShowThem)
{
    std::map<std::string, std::vector<std::string>> labels;
    for (const auto& menu : programCatalogue().menus())
        for (const auto& e : menu.entries) labels[menu.buttonText].push_back(e.isSeparator() ? "—" : e.label);
    EXPECT_EQ(labels["水预测工具"],
              (std::vector<std::string>{"生活污水和垃圾", "暴雨强度和雨水量计算", "—", "S-P模式", "二维稳态混合模式",
                                        "弗－罗模式", "稳态混合累积流量模式", "导则河流pH模式", "导则一维日均水温模式"}));
    EXPECT_EQ(labels["大气预测工具"],
              (std::vector<std::string>{"燃煤(油)废气", "油罐大小呼吸蒸发损耗计算", "有害物质敞露存放散发量",
                                        "液体(除水以外)蒸发量的计算", "生产设备和管道不严密处散发量计算", "恶臭气体散发速率",
                                        "扬尘计算", "—", "大气环境防护距离08新导则", "估算模式SCREEN3计算08新导则", "—",
                                        "卫生防护距离计算", "点源扩散模式计算"}));
    EXPECT_EQ(labels["噪声预测工具"],
              (std::vector<std::string>{"工业噪声预测模式[09新导则]", "公路交通噪声预测模式[09新导则]", "—", "分贝计算器",
                                        "噪声评价量计算", "—", "格林公式", "Stueber公式", "交通部公路交通噪声预测模式"}));
    EXPECT_EQ(labels["环境风险评价"],
              (std::vector<std::string>{"液体泄漏速率计算", "气体泄漏速率计算", "两相泄漏速率计算", "液体蒸发量计算",
                                        "油膜扩展直径计算", "—", "蒸气云爆炸事故后果模型",
                                        "沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 ",  // trailing blank kept
                                        "喷射火事故后果模型"}));
    EXPECT_EQ(labels["固废预测工具"], std::vector<std::string>{"沉淀池污泥量计算"});
    EXPECT_EQ(labels["其他工具"], (std::vector<std::string>{"单位换算器", "两点经纬度算距离"}));
    EXPECT_EQ(labels["地表沉陷预测"], std::vector<std::string>{"概率积分模型"});
}

TEST(ProgramCatalogue, SlotsOfTheMenuEntries)
{
    std::map<int, int> slotOf;
    std::set<int> reachable;  // slots a shown button leads to
    for (const auto& menu : programCatalogue().menus())
        for (const auto& e : menu.entries) {
            slotOf[e.command] = e.slot;
            if (menu.shown && e.slot > 0) reachable.insert(e.slot);
        }
    // A few from each menu, as the catalogue table gives them.
    const std::map<int, int> expected = {{32807, 1}, {32821, 31}, {32830, 36}, {32786, 2}, {32803, 18},
                                         {32831, 37}, {32832, 38}, {32805, 0},  {32802, 17}, {32815, 27},
                                         {32817, 29}, {32806, 21}, {32819, 5},  {32820, 30}, {32818, 19}};
    for (const auto& [command, slot] : expected) EXPECT_EQ(slotOf[command], slot) << command;
    EXPECT_EQ(reachable.size(), 36u);
    EXPECT_FALSE(reachable.count(19));  // subsidence: only the hidden button
    EXPECT_FALSE(reachable.count(26));  // pool fire: no entry at all
    EXPECT_EQ(programCatalogue().pageSlot(26).name, "池火灾事故后果模型");
    for (const auto& s : programCatalogue().pageSlots()) EXPECT_FALSE(s.name.empty()) << s.slot;
}

TEST(ProgramCatalogue, BuiltSlotsGetTheirPagesOthersAPlaceholder)
{
    QWidget host;
    for (const auto& s : programCatalogue().pageSlots()) {
        std::unique_ptr<QWidget> page(createPage(s.slot, &host));
        page->setParent(nullptr);
        const bool placeholder = qobject_cast<PlaceholderPage*>(page.get()) || page->findChild<PlaceholderPage*>();
        EXPECT_EQ(placeholder, s.calculatorId.empty()) << s.slot;
    }
    EXPECT_TRUE(commandWindow(32805));   // the decibel calculator opens a window of its own
    EXPECT_FALSE(commandWindow(32806));  // the sludge page is a page
    EXPECT_FALSE(commandWindow(1));
}

}  // namespace
}  // namespace qelvo::ui
