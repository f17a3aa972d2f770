// The calculator catalogue: category buttons, their popup menus and the 38 page slots.
//
// Two halves meet here. The layout (catalogue.cpp) is the program's fixed frame: which
// buttons exist, the order of the menu commands with their separators, each slot's dialog
// and the titles of the tab containers. Each domain lists its own calculators
// (src/<domain>/<domain>_calculators.cpp): for every menu command and page slot it serves,
// the calculator (or, while it is not built, only its label). A Catalogue puts the two
// together; nothing in this folder knows any domain.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo {

constexpr int kSlotCount = 38;

// --- the layout ---

struct CategoryLayout {
    int buttonId;
    std::string buttonText;
    int menuId;
    std::string popupTitle;
    bool shown;
    std::vector<int> commands;  // in menu order; 0 marks a separator line
};

struct TabInfo {
    std::string title;  // ends in one blank, as the tabs show it
    int dialog;
};

struct SlotLayout {
    int slot;
    int dialog;
    std::vector<TabInfo> tabs;  // non-empty for the tab containers
};

const std::vector<CategoryLayout>& categoryLayout();
const std::vector<SlotLayout>& slotLayout();  // slots 1 … 38 in order

// --- what a domain lists ---

// One line of a domain's list: a calculator with the menu command and the page slot that
// lead to it. A calculator reached only from another page's button, or only from the
// command line, has neither.
struct ListedCalculator {
    int command = 0;  // menu command; 0 for none
    int slot = 0;     // page slot; 0 for none (a window of its own, or no page)
    std::string label;                     // the menu label, the page's name
    std::optional<Calculator> calculator;  // none while the calculator is not built yet
};

using CalculatorList = std::vector<ListedCalculator>;

// A built calculator at its command and slot; its label is the definition's.
template <class In, class Out>
ListedCalculator listed(int command, int slot, const CalculatorDef<In, Out>& def)
{
    return {command, slot, def.label, eraseTypes(def)};
}

// A second action of a page, or a tool window's model: no command, no slot of its own.
template <class In, class Out>
ListedCalculator listed(const CalculatorDef<In, Out>& def)
{
    return listed(0, 0, def);
}

// A calculator not built yet: its menu entry and its slot show a placeholder page.
inline ListedCalculator planned(int command, int slot, std::string label)
{
    return {command, slot, std::move(label), std::nullopt};
}

// --- the two put together ---

struct MenuEntry {
    int command = 0;  // 0 marks a separator line
    std::string label;
    int slot = 0;  // page slot; 0 for the entry that opens a window of its own

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

struct PageSlot {
    int slot = 0;
    int dialog = 0;
    std::string name;            // the label of the calculator that fills the slot
    std::vector<TabInfo> tabs;   // non-empty for the tab containers
    std::string calculatorId;    // the listed calculator of the slot, empty while planned
};

class Catalogue {
public:
    // The layout with the concatenated lists of every domain.
    explicit Catalogue(CalculatorList entries);

    const std::vector<CategoryMenu>& menus() const { return menus_; }
    const std::vector<PageSlot>& pageSlots() const { return slots_; }
    const PageSlot& pageSlot(int slot) const;  // out of range: slot 1
    const CalculatorList& entries() const { return entries_; }

    // The entry a menu command leads to, or null.
    const ListedCalculator* entry(int command) const;
    std::string menuLabel(int command) const;

    // Whatever does not fit: a menu command no domain lists (or two do), a listed command
    // in no menu, a slot without a calculator or with two. Empty when all is well.
    const std::vector<std::string>& problems() const { return problems_; }

private:
    CalculatorList entries_;
    std::vector<CategoryMenu> menus_;
    std::vector<PageSlot> slots_;
    std::vector<std::string> problems_;
};

}  // namespace qelvo
