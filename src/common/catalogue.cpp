#include "common/catalogue.h"

#include <map>

namespace qelvo {

const std::vector<CategoryLayout>& categoryLayout()
{
    static const std::vector<CategoryLayout> layout = {
        {1000, "水预测工具", 201, "水预测工具", true, {32807, 32821, 0, 32808, 32809, 32810, 32811, 32829, 32830}},
        {1001, "大气预测工具", 150, "大气预测", true,
         {32786, 32794, 32787, 32800, 32801, 32790, 32804, 0, 32823, 32824, 0, 32788, 32803}},
        {1003, "噪声预测工具", 149, "噪声预测", true, {32831, 32832, 0, 32805, 32782, 0, 32771, 32772, 32802}},
        {1008, "环境风险评价", 151, "环境风险评价", true, {32795, 32797, 32798, 32796, 32822, 0, 32816, 32815, 32817}},
        {1009, "固废预测工具", 152, "固废预测", true, {32806}},
        {1005, "其他工具", 203, "噪声预测", true, {32819, 32820}},
        // Created hidden: no control leads to the subsidence page.
        {1010, "地表沉陷预测", 202, "地表沉陷", false, {32818}},
    };
    return layout;
}

const std::vector<SlotLayout>& slotLayout()
{
    static const std::vector<SlotLayout> slots = [] {
        static const int dialogs[kSlotCount] = {129, 130, 131, 133, 146, 148, 150, 151, 152, 154,
                                                160, 161, 165, 166, 167, 168, 169, 175, 219, 200,
                                                204, 205, 206, 209, 210, 214, 215, 216, 218, 220,
                                                221, 222, 229, 230, 233, 234, 237, 239};
        std::vector<SlotLayout> list;
        for (int i = 0; i < kSlotCount; ++i) list.push_back({i + 1, dialogs[i], {}});
        list[18 - 1].tabs = {{"污染源相关参数 ", 176}, {"气象相关参数 ", 177}, {"预测结果 ", 178}};
        list[20 - 1].tabs = {{"交通运输起尘量 ", 203}, {"煤堆起尘量 ", 202}};
        list[34 - 1].tabs = {{"SCREEN3参数输入 ", 231}, {"预测结果 ", 232}};
        list[37 - 1].tabs = {{"参数输入 ", 235}, {"预测结果 ", 236}};
        list[38 - 1].tabs = {{"参数输入 ", 238}, {"预测结果 ", 240}};
        return list;
    }();
    return slots;
}

Catalogue::Catalogue(CalculatorList entries) : entries_(std::move(entries))
{
    std::map<int, const ListedCalculator*> byCommand;
    std::map<int, const ListedCalculator*> bySlot;
    for (const auto& e : entries_) {
        const std::string name = e.calculator ? e.calculator->id : e.label;
        if (e.command != 0 && !byCommand.emplace(e.command, &e).second)
            problems_.push_back("two calculators list command " + std::to_string(e.command) + ": " + name);
        if (e.slot < 0 || e.slot > kSlotCount) problems_.push_back("no slot " + std::to_string(e.slot) + ": " + name);
        else if (e.slot != 0 && !bySlot.emplace(e.slot, &e).second)
            problems_.push_back("two calculators list slot " + std::to_string(e.slot) + ": " + name);
        if (!e.calculator && e.command == 0 && e.slot == 0) problems_.push_back("a planned calculator leads nowhere: " + name);
    }

    std::map<int, int> inMenus;
    for (const auto& layout : categoryLayout()) {
        CategoryMenu menu{layout.buttonId, layout.buttonText, layout.menuId, layout.popupTitle, layout.shown, {}};
        for (int command : layout.commands) {
            if (command == 0) {
                menu.entries.push_back({});
                continue;
            }
            ++inMenus[command];
            const auto it = byCommand.find(command);
            if (it == byCommand.end()) {
                problems_.push_back("no calculator lists menu command " + std::to_string(command));
                continue;
            }
            menu.entries.push_back({command, it->second->label, it->second->slot});
        }
        menus_.push_back(std::move(menu));
    }
    for (const auto& [command, e] : byCommand)
        if (!inMenus.count(command)) problems_.push_back("command " + std::to_string(command) + " is in no menu");

    for (const auto& layout : slotLayout()) {
        PageSlot s{layout.slot, layout.dialog, {}, layout.tabs, {}};
        const auto it = bySlot.find(layout.slot);
        if (it == bySlot.end()) {
            problems_.push_back("no calculator lists slot " + std::to_string(layout.slot));
        } else {
            s.name = it->second->label;
            if (it->second->calculator) s.calculatorId = it->second->calculator->id;
        }
        slots_.push_back(std::move(s));
    }
}

const PageSlot& Catalogue::pageSlot(int slot) const
{
    if (slot < 1 || slot > static_cast<int>(slots_.size())) slot = 1;
    return slots_[slot - 1];
}

const ListedCalculator* Catalogue::entry(int command) const
{
    if (command == 0) return nullptr;
    for (const auto& e : entries_)
        if (e.command == command) return &e;
    return nullptr;
}

std::string Catalogue::menuLabel(int command) const
{
    const ListedCalculator* e = entry(command);
    return e ? e->label : std::string();
}

}  // namespace qelvo
