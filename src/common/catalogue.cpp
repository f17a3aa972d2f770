#include "common/catalogue.h"

namespace qelvo {

const std::vector<CategoryMenu>& categoryMenus()
{
    static const std::vector<CategoryMenu> menus = {
        {1000, "水预测工具", 201, "水预测工具", true,
         {{32807, "生活污水和垃圾", 1, 129},
          {32821, "暴雨强度和雨水量计算", 31, 221},
          {},
          {32808, "S-P模式", 22, 205},
          {32809, "二维稳态混合模式", 23, 206},
          {32810, "弗－罗模式", 24, 209},
          {32811, "稳态混合累积流量模式", 25, 210},
          {32829, "导则河流pH模式", 35, 233},
          {32830, "导则一维日均水温模式", 36, 234}}},
        {1001, "大气预测工具", 150, "大气预测", true,
         {{32786, "燃煤(油)废气", 2, 130},
          {32794, "油罐大小呼吸蒸发损耗计算", 10, 154},
          {32787, "有害物质敞露存放散发量", 8, 151},
          {32800, "液体(除水以外)蒸发量的计算", 15, 167},
          {32801, "生产设备和管道不严密处散发量计算", 16, 168},
          {32790, "恶臭气体散发速率", 9, 152},
          {32804, "扬尘计算", 20, 200},
          {},
          {32823, "大气环境防护距离08新导则", 33, 229},
          {32824, "估算模式SCREEN3计算08新导则", 34, 230},
          {},
          {32788, "卫生防护距离计算", 3, 131},
          {32803, "点源扩散模式计算", 18, 175}}},
        {1003, "噪声预测工具", 149, "噪声预测", true,
         {{32831, "工业噪声预测模式[09新导则]", 37, 237},
          {32832, "公路交通噪声预测模式[09新导则]", 38, 239},
          {},
          {kDecibelCalculatorCommand, "分贝计算器", 0, 145},
          {32782, "噪声评价量计算", 7, 150},
          {},
          {32771, "格林公式", 4, 133},
          {32772, "Stueber公式", 6, 148},
          {32802, "交通部公路交通噪声预测模式", 17, 169}}},
        {1008, "环境风险评价", 151, "环境风险评价", true,
         {{32795, "液体泄漏速率计算", 11, 160},
          {32797, "气体泄漏速率计算", 13, 165},
          {32798, "两相泄漏速率计算", 14, 166},
          {32796, "液体蒸发量计算", 12, 161},
          {32822, "油膜扩展直径计算", 32, 222},
          {},
          {32816, "蒸气云爆炸事故后果模型", 28, 216},
          {32815, "沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 ", 27, 215},
          {32817, "喷射火事故后果模型", 29, 218}}},
        {1009, "固废预测工具", 152, "固废预测", true, {{32806, "沉淀池污泥量计算", 21, 204}}},
        {1005, "其他工具", 203, "噪声预测", true,
         {{32819, "单位换算器", 5, 146}, {32820, "两点经纬度算距离", 30, 220}}},
        {1010, "地表沉陷预测", 202, "地表沉陷", false, {{32818, "概率积分模型", 19, 219}}},
    };
    return menus;
}

namespace {

std::vector<PageSlot> buildSlots()
{
    static const int dialogs[kSlotCount] = {129, 130, 131, 133, 146, 148, 150, 151, 152, 154,
                                            160, 161, 165, 166, 167, 168, 169, 175, 219, 200,
                                            204, 205, 206, 209, 210, 214, 215, 216, 218, 220,
                                            221, 222, 229, 230, 233, 234, 237, 239};
    std::vector<PageSlot> slots;
    for (int i = 0; i < kSlotCount; ++i) slots.push_back({i + 1, dialogs[i], {}, {}});
    for (const auto& menu : categoryMenus())
        for (const auto& e : menu.entries)
            if (e.slot > 0) slots[e.slot - 1].name = e.label;
    // The pool fire page has no menu entry; no control leads to it.
    slots[26 - 1].name = "池火灾事故后果模型";

    slots[18 - 1].tabs = {{"污染源相关参数 ", 176}, {"气象相关参数 ", 177}, {"预测结果 ", 178}};
    slots[20 - 1].tabs = {{"交通运输起尘量 ", 203}, {"煤堆起尘量 ", 202}};
    slots[34 - 1].tabs = {{"SCREEN3参数输入 ", 231}, {"预测结果 ", 232}};
    slots[37 - 1].tabs = {{"参数输入 ", 235}, {"预测结果 ", 236}};
    slots[38 - 1].tabs = {{"参数输入 ", 238}, {"预测结果 ", 240}};
    return slots;
}

}  // namespace

const std::vector<PageSlot>& pageSlots()
{
    static const std::vector<PageSlot> slots = buildSlots();
    return slots;
}

const PageSlot& pageSlot(int slot)
{
    if (slot < 1 || slot > kSlotCount) slot = 1;
    return pageSlots()[slot - 1];
}

std::string menuLabel(int command)
{
    for (const auto& menu : categoryMenus())
        for (const auto& e : menu.entries)
            if (e.command == command) return e.label;
    return {};
}

}  // namespace qelvo
