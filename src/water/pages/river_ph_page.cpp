#include "water/pages/river_ph_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>

namespace qelvo::ui {
namespace {
PageOptions phOptions()
{
    PageOptions o{QStringLiteral("河流pH模式 参数输入"), QStringLiteral("计算结果")};
    o.resultFields = false;
    return o;
}
}  // namespace

RiverPhPage::RiverPhPage(QWidget* parent) : ModelPage(water::phCalculator(), phOptions(), parent), result_(addResultText())
{
    addNote(QStringLiteral("河流充分混合段pH模式\n    河流pH模式河10可用于河流充分混合段的一、二、三级pH评价。"
                           "但此式只适用于pH≤9的情况。\n    河流pH模式只能应用于河流的充分混合段，"
                           "而对于混合过程段，目前尚没有合适的pH模式。"));
    QObject::connect(choiceGroup(&water::PhInput::kind), &QButtonGroup::idClicked, this, [this](int id) { setKind(id); });
    onComputed = [this](const Report& report) { result_->setPlainText(QString::fromStdString(report.text)); };
}

void RiverPhPage::setKind(int kind)
{
    // The value of Cw follows the model's rule for the choice (water::phChoiceRule).
    label(&water::PhInput::Cw)->setText(kind == 0 ? QStringLiteral("废水酸度Cap[mgN/L]") : QStringLiteral("废水碱度Cbp[mgN/L]"));
}

}  // namespace qelvo::ui
