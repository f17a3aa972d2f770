// What a domain gives the page host: for a listed calculator, the page that fills its slot or
// the window of its own that its menu command opens. Each domain keeps one such list in
// src/<domain>/pages/<domain>_pages.cpp; the list is matched to the domain's calculator list
// by the calculator's id, so a slot or a command is written only once, there.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "common/catalogue.h"

namespace qelvo::ui {

struct PageMaker {
    std::string calculatorId;
    // A page in the host, created once with the program and kept; it gets its slot (name,
    // tab titles) from the catalogue.
    std::function<QWidget*(const PageSlot& slot, QWidget* parent)> createPage;
    // Or a window of its own, opened by the menu command each time it is chosen.
    std::function<void(QWidget* owner)> openWindow;
};

using PageList = std::vector<PageMaker>;

// The page of a calculator: `create(parent)`, or `create(slot, parent)` for a page that
// needs its slot (tab containers take their tab titles from it).
template <class In, class Out, class Create>
PageMaker page(const CalculatorDef<In, Out>& def, Create create)
{
    PageMaker maker{def.id, {}, {}};
    if constexpr (std::is_invocable_v<Create, const PageSlot&, QWidget*>)
        maker.createPage = [create](const PageSlot& slot, QWidget* parent) -> QWidget* { return create(slot, parent); };
    else
        maker.createPage = [create](const PageSlot&, QWidget* parent) -> QWidget* { return create(parent); };
    return maker;
}

template <class In, class Out>
PageMaker window(const CalculatorDef<In, Out>& def, std::function<void(QWidget* owner)> open)
{
    return {def.id, {}, std::move(open)};
}

}  // namespace qelvo::ui
