#include "common/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qelvo {
namespace {

TEST(CatalogueLayout, CategoryButtonsInOrder)
{
    const auto& menus = categoryLayout();
    ASSERT_EQ(menus.size(), 7u);
    const char* texts[] = {"水预测工具", "大气预测工具", "噪声预测工具", "环境风险评价", "固废预测工具", "其他工具", "地表沉陷预测"};
    const int menuIds[] = {201, 150, 149, 151, 152, 203, 202};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i].buttonText, texts[i]);
        EXPECT_EQ(menus[i].menuId, menuIds[i]);
        EXPECT_EQ(menus[i].shown, i != 6) << "only the subsidence button is hidden";
    }
    EXPECT_EQ(menus[5].popupTitle, "噪声预测");  // the other tools' menu keeps the noise menu's title
}

TEST(CatalogueLayout, CommandsOnceEachWithSeparators)
{
    std::set<int> commands;
    std::map<int, int> separators;
    for (const auto& menu : categoryLayout())
        for (int command : menu.commands) {
            if (command == 0) {
                ++separators[menu.buttonId];
                continue;
            }
            EXPECT_TRUE(commands.insert(command).second) << "duplicate command " << command;
            EXPECT_GE(command, 32771);
            EXPECT_LE(command, 32832);
        }
    EXPECT_EQ(commands.size(), 38u);
    EXPECT_EQ(separators, (std::map<int, int>{{1000, 1}, {1001, 2}, {1003, 2}, {1008, 1}}));
    EXPECT_EQ(categoryLayout()[2].commands, (std::vector<int>{32831, 32832, 0, 32805, 32782, 0, 32771, 32772, 32802}));
}

TEST(CatalogueLayout, SlotsAndTabContainers)
{
    ASSERT_EQ(slotLayout().size(), static_cast<std::size_t>(kSlotCount));
    std::set<int> dialogs;
    std::map<int, std::vector<std::string>> tabs;
    std::vector<int> tabDialogs;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotLayout& s = slotLayout()[slot - 1];
        EXPECT_EQ(s.slot, slot);
        dialogs.insert(s.dialog);
        for (const auto& t : s.tabs) {
            tabs[slot].push_back(t.title);
            tabDialogs.push_back(t.dialog);
        }
    }
    EXPECT_EQ(tabDialogs, (std::vector<int>{176, 177, 178, 203, 202, 231, 232, 235, 236, 238, 240}));
    EXPECT_EQ(dialogs.size(), 38u);
    // Slot by slot, as the page host's table gives them.
    const int expected[kSlotCount] = {129, 130, 131, 133, 146, 148, 150, 151, 152, 154, 160, 161, 165,
                                      166, 167, 168, 169, 175, 219, 200, 204, 205, 206, 209, 210, 214,
                                      215, 216, 218, 220, 221, 222, 229, 230, 233, 234, 237, 239};
    for (int slot = 1; slot <= kSlotCount; ++slot) EXPECT_EQ(slotLayout()[slot - 1].dialog, expected[slot - 1]) << slot;
    EXPECT_EQ(tabs.size(), 5u);
    EXPECT_EQ(tabs[18], (std::vector<std::string>{"污染源相关参数 ", "气象相关参数 ", "预测结果 "}));
    EXPECT_EQ(tabs[20], (std::vector<std::string>{"交通运输起尘量 ", "煤堆起尘量 "}));
    EXPECT_EQ(tabs[34], (std::vector<std::string>{"SCREEN3参数输入 ", "预测结果 "}));
    EXPECT_EQ(tabs[37], (std::vector<std::string>{"参数输入 ", "预测结果 "}));
    EXPECT_EQ(tabs[38], (std::vector<std::string>{"参数输入 ", "预测结果 "}));
}

// A list that serves every command and slot of the layout with planned entries.
CalculatorList plannedEverywhere()
{
    CalculatorList list;
    std::set<int> slots;
    int nextSlot = 1;
    for (const auto& menu : categoryLayout())
        for (int command : menu.commands)
            if (command != 0) {
                list.push_back(planned(command, nextSlot, "菜单" + std::to_string(command)));
                slots.insert(nextSlot++);
            }
    while (nextSlot <= kSlotCount) list.push_back(planned(0, nextSlot++, "无菜单"));
    return list;
}

struct Probe {
    int value = 0;
};
struct ProbeResult {
    int twice = 0;
};
ProbeResult twice(const Probe& p) { return {2 * p.value}; }
const CalculatorDef<Probe, ProbeResult>& probe()
{
    static const CalculatorDef<Probe, ProbeResult> def{
        "test.probe", "探针", {field("value", "值", &Probe::value)}, {field("twice", "两倍", &ProbeResult::twice)}, &twice};
    return def;
}

TEST(Catalogue, LabelsAndSlotsComeFromTheLists)
{
    CalculatorList list = plannedEverywhere();
    list[0] = listed(32807, 1, probe());  // the first water entry, built
    list.push_back(listed(probe()));       // a second action: no command, no slot
    const Catalogue c(list);
    EXPECT_TRUE(c.problems().empty()) << c.problems().front();
    ASSERT_EQ(c.menus().size(), 7u);
    EXPECT_EQ(c.menus()[0].entries[0].label, "探针");
    EXPECT_EQ(c.menus()[0].entries[0].slot, 1);
    EXPECT_TRUE(c.menus()[0].entries[2].isSeparator());
    EXPECT_EQ(c.menus()[0].entries[1].label, "菜单32821");
    EXPECT_EQ(c.pageSlot(1).name, "探针");
    EXPECT_EQ(c.pageSlot(1).calculatorId, "test.probe");
    EXPECT_EQ(c.pageSlot(2).calculatorId, "");  // planned: a placeholder
    EXPECT_EQ(c.pageSlot(38).name, "菜单32818");  // the last command of the last menu
    EXPECT_EQ(c.pageSlot(37).tabs.size(), 2u);  // tabs from the layout
    EXPECT_EQ(c.pageSlot(0).slot, 1);  // out of range: slot 1
    EXPECT_EQ(c.pageSlot(39).slot, 1);
    EXPECT_EQ(c.pageSlot(-5).slot, 1);
    EXPECT_EQ(c.menuLabel(32807), "探针");
    EXPECT_EQ(c.menuLabel(1), "");
    EXPECT_EQ(c.entry(0), nullptr);  // a second action is not a menu entry
}

TEST(Catalogue, ProblemsAreNamed)
{
    CalculatorList list = plannedEverywhere();
    list.erase(list.begin());                         // command 32807 and slot 1 served by none
    list.push_back(planned(32821, 0, "又一个"));      // a second entry for a command
    list.push_back(planned(32999, 0, "不在菜单"));    // a command in no menu
    list.push_back(planned(0, 40, "没有的位置"));
    const Catalogue c(list);
    const std::vector<std::string> expected = {"two calculators list command 32821: 又一个",
                                               "no slot 40: 没有的位置",
                                               "no calculator lists menu command 32807",
                                               "command 32999 is in no menu",
                                               "no calculator lists slot 1"};
    EXPECT_EQ(c.problems(), expected);
}

}  // namespace
}  // namespace qelvo
