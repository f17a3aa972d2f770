#include "air/pages/sanitary_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "air/pages/drop_downs.h"
#include "air/pages/page_fields.h"
#include "air/pollutant_standards.h"

namespace qelvo::ui {

using air::SanitaryInput;

SanitaryPage::SanitaryPage(QWidget* parent) : FormPage(QStringLiteral("卫生防护距离计算"), parent)
{
    using In = SanitaryInput;
    const auto& def = air::sanitaryCalculator();
    addInputs(*this, input_, def, {"S", "u", "pollutant", "Cm", "stack", "toxicity", "share", "Qc", "L"});
    for (const auto& f : def.outputs)
        if (f.desc.key == "graded") add(result_, f, true);
    fitDoubleFields(*this, input_, def.inputs);

    std::vector<std::string> names;
    for (const auto& p : air::pollutantStandards()) names.emplace_back(p.name);
    pollutants_ = editableDropDownFor(lineEdit(input_, &In::pollutant), names);
    connect(pollutants_, &QComboBox::activated, this, &SanitaryPage::choosePollutant);
    connect(choiceGroup(input_, &In::stack), &QButtonGroup::idClicked, this, &SanitaryPage::chooseStack);

    lineEdit(input_, &In::S)->setToolTip(QString::fromUtf8(air::kSanitaryAreaTip));
    lineEdit(input_, &In::Cm)->setToolTip(QString::fromUtf8(air::kSanitaryStandardTip));
    lineEdit(input_, &In::L)->setToolTip(QString::fromUtf8(air::kSanitaryGradingTip));
    addButton(QStringLiteral("计算卫生防护距离结果"), [this] { compute(0); })
        ->setToolTip(QString::fromUtf8(air::kSanitaryDistanceTip));
    addButton(QStringLiteral("计算无组织排放量结果"), [this] { compute(1); })
        ->setToolTip(QString::fromUtf8(air::kSanitaryEmissionTip));
    binder().write();
    addScenarios(def, input_);
    showChoices();
}

bool SanitaryPage::compute(int action)
{
    binder().read();
    input_.action = action;
    const air::SanitaryResult r = air::computeSanitary(input_);
    if (r.refusal.refused()) {
        refuse(r.refusal);
        return false;
    }
    // The page keeps the distance range it last used and shows both quantities.
    input_.Qc = r.Qc;
    input_.L = r.L;
    input_.Lsel = r.Lsel;
    input_.graded = r.graded;
    result_ = r;
    binder().write();
    return true;
}

void SanitaryPage::chooseStack(int stack)
{
    using In = SanitaryInput;
    SanitaryInput chosen = input_;
    air::applyStackChoice(chosen, stack);
    setValue(input_, &In::toxicity, chosen.toxicity);
    setValue(input_, &In::share, chosen.share);
    showChoices();
}

void SanitaryPage::showChoices()
{
    using In = SanitaryInput;
    SanitaryInput shown = input_;
    shown.stack = choiceGroup(input_, &In::stack)->checkedId();
    for (const char* key : {"toxicity", "share"})
        setFieldVisible(*this, input_, inputField(air::sanitaryCalculator(), key), air::sanitaryFieldShown(shown, key));
}

void SanitaryPage::choosePollutant(int index)
{
    const auto& list = air::pollutantStandards();
    if (index < 0 || index >= int(list.size())) return;
    setValue(input_, &SanitaryInput::Cm, std::string(list[index].limit));
}

}  // namespace qelvo::ui
