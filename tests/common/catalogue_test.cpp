#include "common/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qelvo {
namespace {

TEST(Catalogue, CategoryButtonsInOrder)
{
    const auto& menus = categoryMenus();
    ASSERT_EQ(menus.size(), 7u);
    const char* texts[] = {"水预测工具", "大气预测工具", "噪声预测工具", "环境风险评价", "固废预测工具", "其他工具", "地表沉陷预测"};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i].buttonText, texts[i]);
        EXPECT_EQ(menus[i].shown, i != 6) << "only the subsidence button is hidden";
    }
}

TEST(Catalogue, MenuEntriesAndSeparators)
{
    std::map<std::string, std::vector<std::string>> labels;
    for (const auto& menu : categoryMenus())
        for (const auto& e : menu.entries) labels[menu.buttonText].push_back(e.isSeparator() ? "—" : e.label);
    EXPECT_EQ(labels["水预测工具"],
              (std::vector<std::string>{"生活污水和垃圾", "暴雨强度和雨水量计算", "—", "S-P模式", "二维稳态混合模式",
                                        "弗－罗模式", "稳态混合累积流量模式", "导则河流pH模式", "导则一维日均水温模式"}));
    EXPECT_EQ(labels["噪声预测工具"],
              (std::vector<std::string>{"工业噪声预测模式[09新导则]", "公路交通噪声预测模式[09新导则]", "—", "分贝计算器",
                                        "噪声评价量计算", "—", "格林公式", "Stueber公式", "交通部公路交通噪声预测模式"}));
    EXPECT_EQ(labels["大气预测工具"].size(), 13u);
    EXPECT_EQ(labels["环境风险评价"][7], "沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 ");  // trailing blank kept
    EXPECT_EQ(labels["其他工具"], (std::vector<std::string>{"单位换算器", "两点经纬度算距离"}));
}

TEST(Catalogue, CommandsAndSlots)
{
    std::set<int> commands;
    std::set<int> reachable;  // slots a shown button leads to
    for (const auto& menu : categoryMenus())
        for (const auto& e : menu.entries) {
            if (e.isSeparator()) continue;
            EXPECT_TRUE(commands.insert(e.command).second) << "duplicate command " << e.command;
            EXPECT_GE(e.command, 32771);
            EXPECT_LE(e.command, 32832);
            if (e.slot > 0) {
                EXPECT_EQ(pageSlot(e.slot).dialog, e.dialog) << e.label;
            }
            if (menu.shown && e.slot > 0) reachable.insert(e.slot);
        }
    EXPECT_EQ(reachable.size(), 36u);
    EXPECT_FALSE(reachable.count(19));  // subsidence: only the hidden button
    EXPECT_FALSE(reachable.count(26));  // pool fire: no entry at all
    EXPECT_EQ(menuLabel(kDecibelCalculatorCommand), "分贝计算器");
}

TEST(Catalogue, SlotsAndTabContainers)
{
    ASSERT_EQ(pageSlots().size(), static_cast<std::size_t>(kSlotCount));
    std::set<int> dialogs;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(pageSlot(slot).slot, slot);
        EXPECT_FALSE(pageSlot(slot).name.empty()) << slot;
        dialogs.insert(pageSlot(slot).dialog);
    }
    EXPECT_EQ(dialogs.size(), 38u);
    EXPECT_EQ(pageSlot(0).slot, 1);
    EXPECT_EQ(pageSlot(39).slot, 1);
    EXPECT_EQ(pageSlot(-5).slot, 1);
    EXPECT_EQ(pageSlot(26).name, "池火灾事故后果模型");

    std::map<int, std::vector<std::string>> tabs;
    for (const auto& s : pageSlots())
        for (const auto& t : s.tabs) tabs[s.slot].push_back(t.title);
    EXPECT_EQ(tabs.size(), 5u);
    EXPECT_EQ(tabs[18], (std::vector<std::string>{"污染源相关参数 ", "气象相关参数 ", "预测结果 "}));
    EXPECT_EQ(tabs[20], (std::vector<std::string>{"交通运输起尘量 ", "煤堆起尘量 "}));
    EXPECT_EQ(tabs[34], (std::vector<std::string>{"SCREEN3参数输入 ", "预测结果 "}));
    EXPECT_EQ(tabs[37], (std::vector<std::string>{"参数输入 ", "预测结果 "}));
    EXPECT_EQ(tabs[38], (std::vector<std::string>{"参数输入 ", "预测结果 "}));
}

}  // namespace
}  // namespace qelvo
