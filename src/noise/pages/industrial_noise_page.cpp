#include "noise/pages/industrial_noise_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

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

QAbstractButton* choice(FieldBinder& binder, const char* key, int id)
{
    auto* first = qobject_cast<QAbstractButton*>(binder.widgetFor(key));
    return first && first->group() ? first->group()->button(id) : nullptr;
}

}  // namespace

IndustrialInputForm::IndustrialInputForm(QWidget* parent) : ModelPage(noise::industrialCalculator(), inputOptions(), parent)
{
    autoA_ = addButtonBeside("a", QStringLiteral("自动计算"), [this] { computeAbsorption(); });
    addButtonBeside("dA", QStringLiteral("自动计算"), [this] { computeWeighting(); });
    pathButton_ = addButton(QStringLiteral("声程差计算"), [this] { openPathDifference(); });
    for (const char* key : {"sourceType", "known"})
        if (auto* first = qobject_cast<QAbstractButton*>(binder().widgetFor(key)))
            QObject::connect(first->group(), &QButtonGroup::idClicked, this, [this] { applyRules(); });
    for (const char* key : {"reflection", "barrier", "air", "ground"})
        QObject::connect(qobject_cast<QAbstractButton*>(binder().widgetFor(key)), &QAbstractButton::toggled, this,
                         [this] { applyRules(); });
    applyRules();
}

QLineEdit* IndustrialInputForm::edit(const char* key) const
{
    return qobject_cast<QLineEdit*>(const_cast<IndustrialInputForm*>(this)->binder().widgetFor(key));
}

void IndustrialInputForm::applyRules()
{
    FieldBinder& b = binder();
    const auto checked = [&](const char* key) { return qobject_cast<QAbstractButton*>(b.widgetFor(key))->isChecked(); };
    const auto show = [&](const char* key, bool visible) {
        if (QWidget* w = b.widgetFor(key)) w->setVisible(visible);
        if (QLabel* l = labelFor(key)) l->setVisible(visible);
    };

    const bool indoor = choice(b, "sourceType", 0)->isChecked();
    setFieldsEnabled({"R", "TL", "r1", "S"}, indoor);
    if (auto* first = qobject_cast<QAbstractButton*>(b.widgetFor("position"))) first->parentWidget()->setEnabled(indoor);
    // An indoor source is known by its power level.
    if (indoor && choice(b, "known", 1)->isChecked()) choice(b, "known", 0)->setChecked(true);
    choice(b, "known", 1)->setEnabled(!indoor);

    const bool power = choice(b, "known", 0)->isChecked();
    show("Lw", power);
    show("Lp0", !power);
    show("r0", !power);

    setFieldsEnabled({"h0", "h1"}, checked("reflection"));
    setFieldsEnabled({"a", "hr", "pa"}, checked("air"));
    autoA_->setEnabled(checked("air"));

    const bool barrier = checked("barrier");
    setFieldsEnabled({"d1", "d2", "d3"}, barrier);
    pathButton_->setEnabled(barrier);
    barrierExcludesGround(*this, barrier);
    show("step", !barrier);
    labelFor("rmax")->setText(barrier ? kDistanceLabel : kDistanceLabel + QStringLiteral("最大值"));
}

void IndustrialInputForm::computeAbsorption()
{
    binder().read();
    fillAirAbsorption(*this, input().T, input().hr, input().pa, input().f);
}

void IndustrialInputForm::computeWeighting()
{
    binder().read();
    const auto r = noise::computeAWeighting({input().f});
    if (r.refusal.refused()) return refuse(r.refusal);
    edit("dA")->setText(QString::fromStdString(formatSingle(r.dA)));
}

void IndustrialInputForm::openPathDifference()
{
    binder().read();
    PathDifferenceWindow window(static_cast<float>(input().rmax), 0, this);
    if (execModal(window) != QDialog::Accepted) return;
    const auto& r = window.result();
    const bool finite = window.mode() == 0;
    edit("d1")->setText(QString::fromStdString(formatSingle(r.delta1)));
    edit("d2")->setText(QString::fromStdString(formatSingle(finite ? r.delta2 : 0.0f)));
    edit("d3")->setText(QString::fromStdString(formatSingle(finite ? r.delta3 : 0.0f)));
    setFieldsEnabled({"d2", "d3"}, finite);
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
        text_->setPlainText(QString::fromStdString(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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
