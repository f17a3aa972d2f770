#include "air/pages/point_source_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "presentation/plain_text.h"
#include "air/pages/drop_downs.h"
#include "air/pages/page_fields.h"
#include "contour/grid_file.h"
#include "contour/pages/contour_map_window.h"
#include "presentation/background_task.h"
#include "presentation/curve_plot_window.h"
#include "presentation/excel_export.h"
#include "presentation/form_page.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "presentation/result_table.h"
#include "presentation/tab_sheet.h"

namespace qelvo::ui {

using air::PointSourceInput;

namespace {

// Grids of more receptors than this are computed off the page, behind the progress dialog.
constexpr double kBackgroundCells = 200'000;

// The list's column widths: "Y＼X" and the distances; the text box's height in lines.
constexpr int kLabelColumnWidth = 40, kValueColumnWidth = 60;
constexpr int kTextLines = 11;

}  // namespace

PointSourcePage::PointSourcePage(const PageSlot& slot, QWidget* parent)
    : QWidget(parent), tabs_(new TabSheet(this)), source_(new FormPage(QStringLiteral("污染源相关参数"))),
      weather_(new FormPage(QStringLiteral("气象相关参数"))), results_(new FormPage(QString()))
{
    setWindowTitle(QStringLiteral("点源扩散模式导则计算"));
    paintBackground(this, kPageColour);
    const auto& def = air::pointSourceCalculator();
    using In = PointSourceInput;

    // Each value entered by hand stands beside its mode's radio buttons; the form goes on
    // in a row of its own after it.
    const auto addBesideMode = [this](FormPage* form, int In::*mode, float In::*value) {
        placeBesideChoice(form->choiceGroup(input_, mode), form->lineEdit(input_, value), form->label(input_, value));
        form->addGap();
    };
    source_->setTwoColumns(true);  // the grid's four coordinates share one line
    addInputs(*source_, input_, def, {"H", "Q", "Xmin", "Xmax", "Ymin", "Ymax", "step", "uMode", "U"});
    addBesideMode(source_, &In::uMode, &In::U);
    addInputs(*source_, input_, def, {"grade", "dHMode", "dH"});
    addBesideMode(source_, &In::dHMode, &In::dH);
    addInputs(*source_, input_, def, {"Qv", "Ts", "D", "dTdZ", "Ta", "Pa"});
    grade_ = dropDownFor(source_->choiceGroup(input_, &In::grade));

    addInputs(*weather_, input_, def, {"U10", "stability", "surface", "hMode", "h"});
    addBesideMode(weather_, &In::hMode, &In::h);
    addInputs(*weather_, input_, def, {"latitude", "region", "t", "diffusionMode", "ay", "az", "gy", "gz"});
    stability_ = dropDownFor(weather_->choiceGroup(input_, &In::stability));
    region_ = dropDownFor(weather_->choiceGroup(input_, &In::region));

    // The result form: its buttons, the list and the text; it has no fields.
    results_->group()->hide();
    results_->addButton(QStringLiteral("计算结果"), [this] { compute(); });
    results_->addButton(QStringLiteral("结果导入EXCEL"), [this] { exportToExcel(); });
    results_->addButton(QStringLiteral("X-C图"), [this] { showCurve(); });
    results_->addButton(QStringLiteral("等值线图"), [this] { showContours(); });
    table_ = results_->addResultTable(ResultTable::Form::List);
    table_->setShowGrid(true);
    // At least the list's own widths, wide enough for the "%g" offsets and "%f" values.
    const QFontMetrics metrics = table_->fontMetrics();
    table_->setColumnWidth(0, std::max(kLabelColumnWidth, metrics.horizontalAdvance(QStringLiteral("-0000.0")) + 8));
    table_->setDefaultColumnWidth(std::max(kValueColumnWidth, metrics.horizontalAdvance(QStringLiteral("00.000000")) + 10));
    text_ = results_->addResultText();
    const int margins = 2 * (text_->frameWidth() + int(text_->document()->documentMargin())) + 4;
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * kTextLines + margins);

    tabs_->addForm(scrollable(source_), QString::fromStdString(slot.tabs.at(0).title));
    tabs_->addForm(scrollable(weather_), QString::fromStdString(slot.tabs.at(1).title));
    tabs_->addForm(results_, QString::fromStdString(slot.tabs.at(2).title));
    source_->binder().write();
    weather_->binder().write();

    for (int In::*mode : {&In::uMode, &In::dHMode})
        connect(source_->choiceGroup(input_, mode), &QButtonGroup::idToggled, this, [this] { applyRules(); });
    for (int In::*mode : {&In::hMode, &In::diffusionMode})
        connect(weather_->choiceGroup(input_, mode), &QButtonGroup::idToggled, this, [this] { applyRules(); });
    applyRules();
    addScenarioActions(this, joinScenarioSources({source_->scenarioSource(def, input_), weather_->scenarioSource(def, input_)}));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { readForms(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);
}

void PointSourcePage::applyRules()
{
    // The modes as the radio buttons stand now; the record takes them at the next read.
    using In = PointSourceInput;
    PointSourceInput modes = input_;
    modes.uMode = source_->choiceGroup(input_, &In::uMode)->checkedId();
    modes.dHMode = source_->choiceGroup(input_, &In::dHMode)->checkedId();
    modes.hMode = weather_->choiceGroup(input_, &In::hMode)->checkedId();
    modes.diffusionMode = weather_->choiceGroup(input_, &In::diffusionMode)->checkedId();
    for (const auto& f : air::pointSourceCalculator().inputs) {
        FormPage* form = source_->binder().widgetFor(f.desc.key) ? source_ : weather_;
        setFieldEnabled(*form, input_, f, air::pointSourceFieldEnabled(modes, f.desc.key));
    }
}

void PointSourcePage::readForms()
{
    for (FormPage* form : {source_, weather_}) {
        form->binder().read();
        form->binder().write();
    }
}

bool PointSourcePage::compute()
{
    PointSourceInput in = input_;
    in.lastQh = lastQh_;
    air::PointSourceResult r;
    Table table;
    const Task grid = [&](TaskControl&) {
        r = air::computePointSource(in);
        if (!r.xs.empty()) table = air::pointSourceTable(r);
    };
    if (air::pointSourceCells(in) > kBackgroundCells) {
        if (runInBackground(this, grid) == TaskOutcome::Cancelled) return false;
    } else {
        TaskControl here;
        grid(here);
    }
    if (r.refusal.refused()) {
        // A check at the first grid point finds the table emptied, with its titles and the
        // first row's label; earlier checks leave the table and the last grid as they were.
        if (!r.xs.empty()) {
            showTable(table);
            result_ = r;
        }
        refuse(r.refusal);
        return false;
    }
    result_ = std::move(r);
    lastQh_ = result_.Qh;
    showTable(table);
    text_->setPlainText(plainText(air::pointSourceText(result_)));
    return true;
}

void PointSourcePage::showTable(const Table& table) { showReportTable(table_, table); }

void PointSourcePage::refuse(const Refusal& refusal)
{
    showMessage(this, QString::fromStdString(refusal.message), QString::fromStdString(refusal.caption));
    // The offending field is on one of the input forms: its tab comes to the front.
    for (FormPage* form : {source_, weather_})
        if (QWidget* w = form->binder().widgetFor(refusal.focusKey)) {
            tabs_->setCurrentIndex(form == source_ ? 0 : 1);
            w->setFocus();
        }
}

void PointSourcePage::exportToExcel() { ExportListToExcel(table_, QString::fromUtf8(air::kPointSourceSheet)); }

void PointSourcePage::showCurve()
{
    if (result_.c.empty()) return showMessage(this, kNoGridYet);
    if (result_.axis.size() > std::size_t(kMaxCurvePoints)) return showMessage(this, kTooManyCurvePoints);
    // The window places the values at whole-metre steps from 0 up to Xmax.
    const int wholeStep = static_cast<int>(std::trunc(result_.step));
    if (wholeStep < 1) return showMessage(this, kCurveStepTooSmall);
    CurvePlotWindow window(CurvePlot{result_.xhi, result_.axis, result_.cm, wholeStep, 1}, this);
    execModal(window);
}

void PointSourcePage::showContours()
{
    if (result_.c.empty()) return showMessage(this, kNoGridYet);
    contour::writeGridFile(air::pointSourceTable(result_).rows, gridPath_.toStdString(), result_.xlo, result_.xhi,
                           result_.ylo, result_.yhi, result_.zhi);
    ContourMapWindow map(gridPath_, this);
    execModal(map);
}

}  // namespace qelvo::ui
