#include "air/pages/oil_tank_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>

#include "air/pages/drop_downs.h"
#include "air/pages/page_fields.h"

namespace qelvo::ui {

using air::OilTankInput;

namespace {
const QString kEmptyResult = QStringLiteral("结果：");
}

OilTankPage::OilTankPage(QWidget* parent) : FormPage(QStringLiteral("根据石油库节能设计导则"), parent)
{
    using In = OilTankInput;
    const auto& def = air::oilTankCalculator();
    for (const auto& f : def.inputs) add(input_, f);
    calculation_ = dropDownFor(choiceGroup(input_, &In::calculation));
    tank_ = dropDownFor(choiceGroup(input_, &In::tank));
    oil_ = dropDownFor(choiceGroup(input_, &In::f2oil));
    wall_ = dropDownFor(choiceGroup(input_, &In::f2wall));
    addButton(QStringLiteral("计算结果"), [this] { compute(); });
    addButton(QStringLiteral("参考资料"), [] {});  // this page's reference button has no topic
    lines_.fill(kEmptyResult);
    line_ = new QLabel(kEmptyResult, this);
    line_->setObjectName(QStringLiteral("resultLine"));
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addBelowButtons(line_);
    binder().write();
    addScenarios(def, input_);
    showForm();
    for (QComboBox* list : {calculation_, tank_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { showForm(); });
    for (QComboBox* list : {oil_, wall_}) connect(list, &QComboBox::activated, this, [this] { chooseWall(); });
}

air::OilTankForm OilTankPage::shownForm() const
{
    return air::oilTankForm(calculation_->currentIndex(), tank_->currentIndex());
}

void OilTankPage::showForm()
{
    OilTankInput shown = input_;
    shown.calculation = calculation_->currentIndex();
    shown.tank = tank_->currentIndex();
    for (const auto& f : air::oilTankCalculator().inputs)
        setFieldVisible(*this, input_, f, air::oilTankFieldShown(shown, f.desc.key));
    line_->setText(lines_[static_cast<int>(shownForm())]);
}

void OilTankPage::chooseWall()
{
    setValue(input_, &OilTankInput::f2C, air::wallAdhesion(oil_->currentIndex(), wall_->currentIndex()));
}

bool OilTankPage::compute()
{
    binder().read();
    const air::OilTankResult r = air::computeOilTank(input_);
    if (r.refusal.refused()) {
        refuse(r.refusal);
        return false;
    }
    binder().write();
    lines_[static_cast<int>(r.form)] = QString::fromStdString(air::oilTankText(r));
    line_->setText(lines_[static_cast<int>(r.form)]);
    return true;
}

}  // namespace qelvo::ui
