#include "app/page_factory.h"

#include "air/air_calculators.h"
#include "air/pages/air_pages.h"
#include "noise/noise_calculators.h"
#include "noise/pages/noise_pages.h"
#include "presentation/help_window.h"
#include "presentation/placeholder_page.h"
#include "risk/pages/risk_pages.h"
#include "risk/risk_calculators.h"
#include "tools/pages/tools_pages.h"
#include "tools/tools_calculators.h"
#include "water/pages/water_pages.h"
#include "water/water_calculators.h"

namespace qelvo::ui {
namespace {

// Every domain once, in the order of the category buttons.
const std::vector<const PageList*>& domainPages()
{
    static const std::vector<const PageList*> lists = {&waterPages(), &airPages(), &noisePages(), &riskPages(),
                                                       &toolsPages()};
    return lists;
}

const PageMaker* makerFor(const std::string& calculatorId)
{
    if (calculatorId.empty()) return nullptr;
    for (const PageList* list : domainPages())
        for (const PageMaker& maker : *list)
            if (maker.calculatorId == calculatorId) return &maker;
    return nullptr;
}

}  // namespace

const Catalogue& programCatalogue()
{
    static const Catalogue catalogue = [] {
        CalculatorList all;
        for (const CalculatorList* domain : {&water::waterCalculators(), &air::airCalculators(),
                                             &noise::noiseCalculators(), &risk::riskCalculators(),
                                             &tools::toolsCalculators()})
            all.insert(all.end(), domain->begin(), domain->end());
        return Catalogue(std::move(all));
    }();
    return catalogue;
}

QWidget* createPage(int slot, QWidget* parent)
{
    const PageSlot& info = programCatalogue().pageSlot(slot);
    if (const PageMaker* maker = makerFor(info.calculatorId); maker && maker->createPage) {
        QWidget* page = maker->createPage(info, parent);
        addCalculatorHelp(page, info.calculatorId);  // F1 and the right-click "帮助"
        return page;
    }
    return createPlaceholder(info, parent);
}

std::function<void(QWidget* owner)> commandWindow(int command)
{
    const ListedCalculator* entry = programCatalogue().entry(command);
    if (!entry || !entry->calculator || entry->slot != 0) return {};
    const PageMaker* maker = makerFor(entry->calculator->id);
    return maker ? maker->openWindow : std::function<void(QWidget*)>();
}

}  // namespace qelvo::ui
