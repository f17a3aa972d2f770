#include "noise/pages/industrial_noise_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "presentation/plain_text.h"
#include "presentation/tab_sheet.h"
#include "noise/pages/attenuation_rules.h"
#include "noise/pages/path_difference_window.h"
#include "presentation/excel_export.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {

PageOptions inputOptions()
{
    PageOptions o{QStringLiteral("参数输入"), QString()};
    o.groupsBefore = {{"position", QStringLiteral("室内参数")}, {"barrier", QStringLiteral("衰减")}};
    o.resultFields = false;
    return o;
}

const QString kDistanceLabel = QStringLiteral("预测点距声源水平距离r[m]");

}  // namespace

IndustrialInputForm::IndustrialInputForm(QWidget* parent) : ModelPage(noise::industrialCalculator(), inputOptions(), parent)
{
    using In = noise::IndustrialInput;
    autoA_ = addButtonBeside(&In::a, QStringLiteral("自动计算"), [this] { computeAbsorption(); });
    addButtonBeside(&In::dA, QStringLiteral("自动计算"), [this] { computeWeighting(); });
    pathButton_ = addButton(QStringLiteral("声程差计算"), [this] { openPathDifference(); });
    for (int In::*choice : {&In::sourceType, &In::known})
        QObject::connect(choiceGroup(choice), &QButtonGroup::idClicked, this, [this] { applyRules(); });
    for (int In::*check : {&In::reflection, &In::barrier, &In::air, &In::ground})
        QObject::connect(checkBox(check), &QAbstractButton::toggled, this, [this] { applyRules(); });
    applyRules();
}

void IndustrialInputForm::applyRules()
{
    using In = noise::IndustrialInput;
    QButtonGroup* known = choiceGroup(&In::known);
    const bool indoor = choiceGroup(&In::sourceType)->button(0)->isChecked();
    setFieldsEnabled(indoor, &In::R, &In::TL, &In::r1, &In::S, &In::position);
    // An indoor source is known by its power level.
    if (indoor && known->button(1)->isChecked()) known->button(0)->setChecked(true);
    known->button(1)->setEnabled(!indoor);

    const bool power = known->button(0)->isChecked();
    setFieldsVisible(power, &In::Lw);
    setFieldsVisible(!power, &In::Lp0, &In::r0);

    setFieldsEnabled(checkBox(&In::reflection)->isChecked(), &In::h0, &In::h1);
    const bool air = checkBox(&In::air)->isChecked();
    setFieldsEnabled(air, &In::a, &In::hr, &In::pa);
    autoA_->setEnabled(air);

    const bool barrier = checkBox(&In::barrier)->isChecked();
    setFieldsEnabled(barrier, &In::d1, &In::d2, &In::d3);
    pathButton_->setEnabled(barrier);
    barrierExcludesGround(*this, barrier);
    setFieldsVisible(!barrier, &In::step);
    label(&In::rmax)->setText(barrier ? kDistanceLabel : kDistanceLabel + QStringLiteral("最大值"));
}

void IndustrialInputForm::computeAbsorption() { fillAirAbsorption(*this); }

void IndustrialInputForm::computeWeighting()
{
    binder().read();
    const auto r = noise::computeAWeighting({input().f});
    if (r.refusal.refused()) return refuse(r.refusal);
    setValue(&noise::IndustrialInput::dA, r.dA);
}

void IndustrialInputForm::openPathDifference()
{
    binder().read();
    PathDifferenceWindow window(static_cast<float>(input().rmax), 0, this);
    if (execModal(window) != QDialog::Accepted) return;
    using In = noise::IndustrialInput;
    const auto& r = window.result();
    const bool finite = window.mode() == 0;
    setValue(&In::d1, r.delta1);
    setValue(&In::d2, finite ? r.delta2 : 0.0f);
    setValue(&In::d3, finite ? r.delta3 : 0.0f);
    setFieldsEnabled(finite, &In::d2, &In::d3);
}

IndustrialNoisePage::IndustrialNoisePage(const PageSlot& slot, QWidget* parent)
    : QWidget(parent), tabs_(new TabSheet(this)), input_(new IndustrialInputForm), table_(nullptr), text_(nullptr)
{
    paintBackground(this, kPageColour);

    auto* results = new FormPage(QStringLiteral("预测结果"));
    results->group()->hide();  // the result form has no fields
    text_ = results->addResultText();
    table_ = new ResultTable(ResultTable::Form::Grid, results);
    table_->setFixedColumnCount(1);
    table_->setEditable(true);  // typed text only changes what is shown
    table_->setRowHeight(25);
    table_->setColumnWidth(0, 140);
    table_->setDefaultColumnWidth(45);
    table_->enablePopupMenu([this] { ExportGridToExcel(table_, table_->sheetName()); });
    results->addBelowButtons(table_, 1);
    results->addTableButtons(table_);

    // The input form is taller than the page: it scrolls.
    tabs_->addForm(scrollable(input_), QString::fromStdString(slot.tabs[0].title));
    tabs_->addForm(results, QString::fromStdString(slot.tabs[1].title));
    input_->onComputed = [this](const Report& report) {
        text_->setPlainText(plainText(report.text));
        showReportTable(table_, report.tables.at(0));
    };
    // Choosing the result tab computes, and only that.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1) input_->compute();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);
}

}  // namespace qelvo::ui
