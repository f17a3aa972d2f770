// The calculator catalogue: category buttons, their popup menus and the 38 page slots.
//
// Pure data, fixed for the life of the program. The main window builds its buttons and
// menus from it; calculators take their menu labels from it, so each label is written once.
#pragma once

#include <string>
#include <vector>

namespace qelvo {

// One popup menu entry; command 0 marks a separator line.
struct MenuEntry {
    int command = 0;
    std::string label;
    int slot = 0;  // page slot; 0 for the entry that opens a window of its own
    int dialog = 0;

    bool isSeparator() const { return command == 0; }
};

struct CategoryMenu {
    int buttonId;
    std::string buttonText;
    int menuId;
    std::string popupTitle;
    bool shown;
    std::vector<MenuEntry> entries;
};

struct TabInfo {
    std::string title;  // ends in one blank, as the tabs show it
    int dialog;
};

struct PageSlot {
    int slot;
    int dialog;
    std::string name;           // what the page computes, as its menu entry says
    std::vector<TabInfo> tabs;  // non-empty for the tab containers
};

constexpr int kSlotCount = 38;
constexpr int kDecibelCalculatorCommand = 32805;

const std::vector<CategoryMenu>& categoryMenus();

// Slots 1 … 38 in order.
const std::vector<PageSlot>& pageSlots();
const PageSlot& pageSlot(int slot);  // out of range: slot 1

// The menu label of a command, or empty.
std::string menuLabel(int command);

}  // namespace qelvo
