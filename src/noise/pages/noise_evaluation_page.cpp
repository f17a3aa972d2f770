#include "noise/pages/noise_evaluation_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>

namespace qelvo::ui {
namespace {
PageOptions evaluationOptions()
{
    PageOptions o{QStringLiteral("评价量"), QStringLiteral("计算")};
    o.groupsBefore = {{"levels", QStringLiteral("输入数据(多个数据以,分隔)")}};
    o.resultFields = false;
    return o;
}
}  // namespace

NoiseEvaluationPage::NoiseEvaluationPage(QWidget* parent)
    : ModelPage(noise::evaluationCalculator(), evaluationOptions(), parent), result_(new QLabel(this)),
      explanation_(new QLabel(this))
{
    for (const char* key : {"levels", "durations"})
        if (auto* edit = qobject_cast<QLineEdit*>(binder().widgetFor(key))) edit->setFixedWidth(240);
    result_->setObjectName(QStringLiteral("resultLine"));
    addToButtonRow(result_);
    explanation_->setWordWrap(true);
    addBelowButtons(explanation_);
    onComputed = [this](const Report& report) { result_->setText(QString::fromStdString(report.text)); };

    auto* first = qobject_cast<QAbstractButton*>(binder().widgetFor("mode"));
    QObject::connect(first->group(), &QButtonGroup::idClicked, this, [this](int id) { setMode(id); });
    auto* equal = qobject_cast<QCheckBox*>(binder().widgetFor("equalIntervals"));
    QObject::connect(equal, &QCheckBox::toggled, this, [this](bool on) { setEqualIntervals(on); });
    setMode(0);
}

void NoiseEvaluationPage::setFieldVisible(const char* key, bool visible)
{
    if (QWidget* w = binder().widgetFor(key)) w->setVisible(visible);
    if (QLabel* l = labelFor(key)) l->setVisible(visible);
}

void NoiseEvaluationPage::setMode(int mode)
{
    const bool leq = mode == 0;
    setFieldVisible("levels", leq);
    setFieldVisible("equalIntervals", leq);
    setFieldVisible("durations", leq && !qobject_cast<QCheckBox*>(binder().widgetFor("equalIntervals"))->isChecked());
    for (const char* key : {"Ld", "Td", "Ln", "Tn"}) setFieldVisible(key, !leq);
    explanation_->setText(QString::fromUtf8(leq ? noise::kLeqExplanation : noise::kLdnExplanation));
}

void NoiseEvaluationPage::setEqualIntervals(bool on) { setFieldVisible("durations", !on); }

}  // namespace qelvo::ui
