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
    using In = noise::EvaluationInput;
    for (std::string In::*list : {&In::levels, &In::durations}) lineEdit(list)->setFixedWidth(240);
    result_->setObjectName(QStringLiteral("resultLine"));
    addToButtonRow(result_);
    explanation_->setWordWrap(true);
    addBelowButtons(explanation_);
    onComputed = [this](const Report& report) { result_->setText(QString::fromStdString(report.text)); };

    QObject::connect(choiceGroup(&In::mode), &QButtonGroup::idClicked, this, [this](int id) { setMode(id); });
    QObject::connect(checkBox(&In::equalIntervals), &QCheckBox::toggled, this, [this](bool on) { setEqualIntervals(on); });
    setMode(0);
}

void NoiseEvaluationPage::setMode(int mode)
{
    using In = noise::EvaluationInput;
    const bool leq = mode == 0;
    setFieldsVisible(leq, &In::levels, &In::equalIntervals);
    setFieldsVisible(leq && !checkBox(&In::equalIntervals)->isChecked(), &In::durations);
    setFieldsVisible(!leq, &In::Ld, &In::Td, &In::Ln, &In::Tn);
    explanation_->setText(QString::fromUtf8(leq ? noise::kLeqExplanation : noise::kLdnExplanation));
}

void NoiseEvaluationPage::setEqualIntervals(bool on) { setFieldsVisible(!on, &noise::EvaluationInput::durations); }

}  // namespace qelvo::ui
