#include "air/pages/combustion_page.h"

#include <QButtonGroup>
#include <QComboBox>

#include "air/pages/drop_downs.h"

namespace qelvo::ui {

using air::CombustionInput;

CombustionPage::CombustionPage(QWidget* parent)
    : ModelPage(air::combustionCalculator(), {QStringLiteral("燃煤(油)废气"), QString()}, parent),
      fuel_(dropDownFor(choiceGroup(&CombustionInput::fuel)))
{
    addButton(QStringLiteral("计算"), [this] { computeKeepingConcentrations(); });
    QObject::connect(fuel_, &QComboBox::activated, this, [this](int fuel) { chooseFuel(fuel); });
}

bool CombustionPage::computeKeepingConcentrations()
{
    record().CS0 = result().CS0;
    record().CD0 = result().CD0;
    return compute();
}

void CombustionPage::chooseFuel(int fuel)
{
    CombustionInput chosen = input();
    air::applyFuelChoice(chosen, fuel);
    setValue(&CombustionInput::S, chosen.S);
    setValue(&CombustionInput::Cs, chosen.Cs);
    setValue(&CombustionInput::Cd, chosen.Cd);
}

}  // namespace qelvo::ui
