#include "air/pages/screening_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <new>

#include "air/pages/drop_downs.h"
#include "air/pages/input_grid.h"
#include "air/pages/page_fields.h"
#include "air/pages/screening_page_engine.h"
#include "common/number_parse.h"
#include "presentation/background_task.h"
#include "presentation/excel_export.h"
#include "presentation/form_page.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "presentation/result_table.h"
#include "presentation/scenario_actions.h"
#include "presentation/tab_sheet.h"

namespace qelvo::ui {

using air::ScreeningSource;
using S = ScreeningSource;

namespace {

// The result table: row height, the widths of 序号, 地形, 距离m, 源高m; the report box's
// height in lines.
constexpr int kRowHeight = 25;
constexpr int kFixedWidths[] = {37, 60, 50, 50};
constexpr int kReportLines = 9;
// The edits of the parameter group.
constexpr int kTypeEditWidth = 92;

const QString kSheetTitle = QStringLiteral("估算模式Screen3计算结果");

// A widget in the current group of a form, below its fields, across the whole width.
void addToGroup(FormPage* form, QWidget* widget)
{
    auto* grid = static_cast<QGridLayout*>(form->group()->layout());
    widget->setParent(form->group());
    grid->addWidget(widget, grid->rowCount(), 0, 1, -1);
}

std::vector<air::TerrainRow> terrainRows(const InputGrid* grid)
{
    std::vector<air::TerrainRow> rows;
    for (const auto& row : grid->rows()) rows.push_back({row.at(0), row.at(1)});
    return rows;
}

std::vector<InputGrid::Row> gridRows(const std::vector<air::TerrainRow>& rows)
{
    std::vector<InputGrid::Row> out;
    for (const auto& row : rows) out.push_back({row.distance, row.height});
    return out;
}

std::vector<InputGrid::Row> gridRows(const std::vector<air::PollutantEntry>& rows)
{
    std::vector<InputGrid::Row> out;
    for (const auto& e : rows) out.push_back({e.name, e.q, e.standard});
    return out;
}

// The calculator's text of a table, by its key; null for the other keys.
std::string* tableTextOf(air::ScreeningInput& in, const std::string& key)
{
    if (key == "pollutants") return &in.pollutantsText;
    if (key == "simpleTerrain") return &in.simpleTerrainText;
    if (key == "arbitraryPoints") return &in.arbitraryPointsText;
    return nullptr;
}

QGroupBox* tableGroup(const QString& title, InputGrid* grid)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(grid);
    return box;
}

}  // namespace

ScreeningPage::ScreeningPage(const PageSlot& slot, QWidget* parent)
    : QWidget(parent), tabs_(new TabSheet(this)), sourceForm_(new FormPage(QStringLiteral("污染源参数"))),
      otherForm_(new FormPage(QStringLiteral("其它参数"))), typeForm_(new FormPage(kSourceGroupTitles[0])),
      pollutants_(new InputGrid({QStringLiteral("污染物"), QStringLiteral("源强[g/s]"), QStringLiteral("标准[mg/m^3]")},
                                {70, 55, 65})),
      simpleTerrain_(new InputGrid({QStringLiteral("距离[m]"), QStringLiteral("相对源高[m]")}, {75, 80})),
      arbitraryPoints_(new InputGrid({QStringLiteral("距离[m]"), QStringLiteral("相对源高[m]")}, {75, 80}))
{
    setWindowTitle(QStringLiteral("估算模式Screen3计算"));
    paintBackground(this, kPageColour);
    const auto& def = air::screen3Calculator();
    const S& s = input_;

    // 污染源参数: the type and the pollutant table.
    addInputs(*sourceForm_, input_, def, {"type"});
    type_ = dropDownFor(sourceForm_->choiceGroup(s, &S::type));
    addToGroup(sourceForm_, pollutants_);
    QStringList names;
    for (const auto name : air::estimationPollutantNames()) names << QString::fromUtf8(name.data(), qsizetype(name.size()));
    pollutants_->offerTexts(0, names);
    pollutants_->newRow = [](const std::vector<InputGrid::Row>&) {
        const air::PollutantEntry e = air::newPollutantRow();
        return InputGrid::Row{e.name, e.q, e.standard};
    };
    pollutants_->setRows(gridRows(air::defaultPollutants()));
    pollutants_->setMinimumHeight(kRowHeight * 6);
    connect(pollutants_, &InputGrid::cellEdited, this, &ScreeningPage::nameEdited);

    // 其它参数, with the grading criterion.
    addInputs(*otherForm_, input_, def,
              {"ambientTemperature", "location", "meteorology", "stability", "windSpeed", "receptorHeight", "criterion"});
    dropDownFor(otherForm_->choiceGroup(s, &S::location));
    meteorology_ = dropDownFor(otherForm_->choiceGroup(s, &S::meteorology));
    dropDownFor(otherForm_->choiceGroup(s, &S::stability));
    criterion_ = dropDownFor(otherForm_->choiceGroup(input_, &air::ScreeningInput::criterion));

    // The parameter group of each type; the flare shares the point source's building and
    // fumigation controls.
    addInputs(*typeForm_, input_, def,
              {"stackHeight", "exitTemperature", "stackDiameter", "exitVelocity", "flareHeight", "heatRelease", "downwash",
               "buildingLength", "buildingWidth", "buildingHeight", "fumigation", "shorelineFumigation",
               "shorelineDistance", "areaHeight", "areaWidth", "areaLength", "angleSearch", "angle", "volumeHeight",
               "volumeWidth", "volumeLength", "sigmaZ0Given", "sigmaZ0", "sigmaY0Given", "sigmaY0", "volumeSite",
               "volumeBuildingHeight"});
    typeForm_->label(s, &S::flareHeight)->setText(QStringLiteral("烟囱几何高度 [m] "));
    // The group stands beside two others: narrower edits (wide enough for "%g" values) and the
    // three sites one under the other keep it within the page.
    for (auto* e : typeForm_->group()->findChildren<QLineEdit*>()) e->setFixedWidth(kTypeEditWidth);
    if (auto* sites = qobject_cast<QBoxLayout*>(typeForm_->fieldWidget(s, &S::volumeSite)->layout()))
        sites->setDirection(QBoxLayout::TopToBottom);
    dropDownFor(typeForm_->choiceGroup(s, &S::angleSearch));
    // Each σ value stands under its check box, which names it.
    typeForm_->label(s, &S::sigmaZ0)->clear();
    typeForm_->label(s, &S::sigmaY0)->clear();

    // The terrain tables.
    simpleTerrain_->setRows(gridRows(s.simpleTerrain));
    arbitraryPoints_->setRows(gridRows(s.arbitraryPoints));
    for (InputGrid* grid : {simpleTerrain_, arbitraryPoints_}) {
        grid->newRow = [](const std::vector<InputGrid::Row>& rows) {
            std::vector<air::TerrainRow> table;
            for (const auto& row : rows) table.push_back({row.at(0), row.at(1)});
            const air::TerrainRow next = air::nextTerrainRow(table);
            return InputGrid::Row{next.distance, next.height};
        };
        grid->setMinimumHeight(kRowHeight * 5);
    }

    auto* inputs = new QWidget;
    paintBackground(inputs, kPageColour);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (FormPage* form : {sourceForm_, otherForm_, typeForm_}) form->pageLayout()->setContentsMargins(6, 4, 6, 4);
    grid->addWidget(sourceForm_, 0, 0);
    grid->addWidget(otherForm_, 1, 0);
    grid->addWidget(typeForm_, 0, 1, 2, 1);
    auto* terrain = new QHBoxLayout;
    terrain->setContentsMargins(6, 0, 6, 4);
    terrain->addWidget(tableGroup(QStringLiteral("简单地形连续自动点输入"), simpleTerrain_));
    terrain->addWidget(tableGroup(QStringLiteral("任意地形任意点输入"), arbitraryPoints_));
    grid->addLayout(terrain, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    for (FormPage* form : {sourceForm_, otherForm_, typeForm_}) form->binder().write();

    // The result form.
    auto* results = new QWidget;
    view_ = new QComboBox(results);
    view_->addItems({QStringLiteral("列表报告"), QStringLiteral("文字报告")});
    selectorLabel_ = new QLabel(QStringLiteral("选择污染物"), results);
    selector_ = new QComboBox(results);
    selector_->setMinimumWidth(100);
    table_ = new ResultTable(ResultTable::Form::Grid, results);
    table_->setFixedRowCount(1);
    table_->setFixedColumnCount(1);
    table_->setRowHeight(kRowHeight);
    table_->setHeaderRowHeight(kRowHeight);
    for (int c = 0; c < 4; ++c) table_->setColumnWidth(c, kFixedWidths[c]);
    table_->setSheetName(kSheetTitle);
    table_->enablePopupMenu([this] { exportToExcel(); });
    report_ = new QPlainTextEdit(results);
    report_->setReadOnly(true);
    report_->setObjectName(QStringLiteral("report"));
    report_->setFixedHeight(report_->fontMetrics().lineSpacing() * kReportLines + 12);
    listing_ = new QPlainTextEdit(results);
    listing_->setReadOnly(true);
    listing_->setObjectName(QStringLiteral("listing"));
    listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    listing_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    export_ = new QPushButton(QStringLiteral("结果导入EXCEL"), results);
    copy_ = new QPushButton(QStringLiteral("复制选中表格"), results);
    connect(export_, &QPushButton::clicked, this, &ScreeningPage::exportToExcel);
    connect(copy_, &QPushButton::clicked, this, [this] { table_->copySelection(true); });
    connect(view_, &QComboBox::currentIndexChanged, this, &ScreeningPage::chooseView);
    connect(selector_, &QComboBox::currentIndexChanged, this, &ScreeningPage::showPollutant);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("查看方式"), results));
    top->addWidget(view_);
    top->addSpacing(24);
    top->addWidget(selectorLabel_);
    top->addWidget(selector_);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(export_);
    buttons->addWidget(copy_);
    auto* resultLayout = new QVBoxLayout(results);
    resultLayout->setContentsMargins(12, 8, 12, 8);
    resultLayout->addLayout(top);
    resultLayout->addWidget(table_, 1);
    resultLayout->addWidget(report_);
    resultLayout->addWidget(listing_, 1);
    resultLayout->addLayout(buttons);
    chooseView(0);

    tabs_->addForm(scrollable(inputs), QString::fromStdString(slot.tabs.at(0).title));
    tabs_->addForm(results, QString::fromStdString(slot.tabs.at(1).title));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != 0 && !computing_) compute();
    });

    // The rules of the form.
    connect(sourceForm_->choiceGroup(s, &S::type), &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) showType(id);
    });
    connect(otherForm_->choiceGroup(s, &S::meteorology), &QButtonGroup::idToggled, this, [this] { applyRules(); });
    connect(typeForm_->choiceGroup(s, &S::angleSearch), &QButtonGroup::idToggled, this, [this] { applyRules(); });
    for (int S::*check : {&S::downwash, &S::fumigation, &S::shorelineFumigation})
        connect(typeForm_->checkBox(s, check), &QCheckBox::toggled, this, [this] { applyRules(); });
    connect(typeForm_->checkBox(s, &S::sigmaZ0Given), &QCheckBox::toggled, this, [this](bool on) {
        applyRules();
        if (on) typeForm_->lineEdit(record(), &S::sigmaZ0)->setFocus();
    });
    connect(typeForm_->checkBox(s, &S::sigmaY0Given), &QCheckBox::toggled, this, [this](bool on) {
        applyRules();
        if (on) typeForm_->lineEdit(record(), &S::sigmaY0)->setFocus();
    });
    connect(typeForm_->choiceGroup(s, &S::volumeSite), &QButtonGroup::idClicked, this, [this](int site) {
        applyRules();
        verticalChanged(false);
        if (site == air::kOnBuilding) typeForm_->lineEdit(record(), &S::volumeBuildingHeight)->setFocus();
    });
    connect(typeForm_->lineEdit(s, &S::volumeLength), &QLineEdit::textEdited, this, [this] { lateralChanged(true); });
    connect(typeForm_->lineEdit(s, &S::volumeWidth), &QLineEdit::textEdited, this, [this] { lateralChanged(false); });
    connect(typeForm_->lineEdit(s, &S::volumeHeight), &QLineEdit::textEdited, this, [this] { verticalChanged(false); });
    connect(typeForm_->lineEdit(s, &S::volumeBuildingHeight), &QLineEdit::textEdited, this,
            [this] { verticalChanged(true); });
    showType(s.type);
    addScenarios();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);
}

air::ScreeningInput ScreeningPage::tableTexts() const
{
    air::ScreeningInput in;
    in.pollutantsText = air::tableText(pollutants_->rows());
    in.simpleTerrainText = air::tableText(simpleTerrain_->rows());
    in.arbitraryPointsText = air::tableText(arbitraryPoints_->rows());
    return in;
}

void ScreeningPage::addScenarios()
{
    using In = air::ScreeningInput;
    const auto& def = air::screen3Calculator();
    const std::pair<const char*, InputGrid*> grids[] = {
        {"pollutants", pollutants_}, {"simpleTerrain", simpleTerrain_}, {"arbitraryPoints", arbitraryPoints_}};
    const auto gridOf = [grids](const std::string& key) -> InputGrid* {
        for (const auto& [k, grid] : grids)
            if (key == k) return grid;
        return nullptr;
    };
    ScenarioSource forms = joinScenarioSources({sourceForm_->scenarioSource(def, input_),
                                                otherForm_->scenarioSource(def, input_),
                                                typeForm_->scenarioSource(def, input_)});
    ScenarioSource scenarios = forms;
    // The tables are saved as the calculator reads them, and only what it reads back as the
    // same rows.
    scenarios.read = [this, forms, grids] {
        if (!forms.read()) return false;
        Refusal refusal;
        for (const auto& [key, grid] : grids)
            if (!refusal.refused()) refusal = air::checkTableCells(grid->rows(), key);
        if (!refusal.refused()) refusal = air::readScreeningInput(tableTexts()).refusal;
        if (refusal.refused()) refuse(refusal);
        return !refusal.refused();
    };
    scenarios.texts = [this, forms] {
        In tables = tableTexts();
        Assignments texts = forms.texts();
        for (auto& [key, text] : texts)
            if (const std::string* table = tableTextOf(tables, key)) text = *table;
        return texts;
    };
    // The tables are read first, so that one the calculator refuses leaves the page as it
    // was; then the choices and checks, the fields, and the tables' rows.
    scenarios.show = [this, forms, gridOf](const Assignments& texts) {
        In tables = tableTexts();
        for (const auto& [key, text] : texts)
            if (std::string* table = tableTextOf(tables, key)) *table = text;
        const air::ScreeningRequest request = air::readScreeningInput(tables);
        if (request.refusal.refused()) return refuse(request.refusal);
        // The tables stay out of the forms, whose record would be written back over choices
        // just shown.
        Assignments choices, fields;
        for (const auto& item : texts) {
            if (gridOf(item.first)) continue;
            bool choice = false;
            for (const auto& f : air::screen3Calculator().inputs)
                if (f.desc.key == item.first)
                    choice = f.desc.kind == FieldKind::Choice || f.desc.kind == FieldKind::Check;
            (choice ? choices : fields).push_back(item);
        }
        forms.show(choices);
        forms.show(fields);
        pollutants_->setRows(gridRows(request.pollutants));
        simpleTerrain_->setRows(gridRows(request.source.simpleTerrain));
        arbitraryPoints_->setRows(gridRows(request.source.arbitraryPoints));
    };
    scenarios.widgetFor = [forms, gridOf](const std::string& key) -> QWidget* {
        if (InputGrid* grid = gridOf(key)) return grid->table();
        return forms.widgetFor(key);
    };
    addScenarioActions(this, std::move(scenarios));
}

void ScreeningPage::showType(int type)
{
    const S& s = input_;
    typeForm_->group()->setTitle(kSourceGroupTitles[std::clamp(type, 0, 3)]);
    const bool point = type == air::kPointSource, flare = type == air::kFlareSource;
    typeForm_->setFieldsVisible(s, point, &S::stackHeight, &S::exitTemperature, &S::stackDiameter, &S::exitVelocity);
    typeForm_->setFieldsVisible(s, flare, &S::flareHeight, &S::heatRelease);
    typeForm_->setFieldsVisible(s, point || flare, &S::downwash, &S::buildingLength, &S::buildingWidth,
                                &S::buildingHeight, &S::fumigation, &S::shorelineFumigation, &S::shorelineDistance);
    typeForm_->setFieldsVisible(s, type == air::kAreaSource, &S::areaHeight, &S::areaWidth, &S::areaLength,
                                &S::angleSearch, &S::angle);
    typeForm_->setFieldsVisible(s, type == air::kVolumeSource, &S::volumeHeight, &S::volumeWidth, &S::volumeLength,
                                &S::sigmaZ0Given, &S::sigmaZ0, &S::sigmaY0Given, &S::sigmaY0, &S::volumeSite,
                                &S::volumeBuildingHeight);
    applyRules();
}

void ScreeningPage::applyRules()
{
    const S& s = input_;
    const auto checked = [&](int S::*m) { return typeForm_->checkBox(s, m)->isChecked(); };
    const int meteorology = otherForm_->choiceGroup(s, &S::meteorology)->checkedId();
    otherForm_->setFieldsEnabled(s, meteorology != air::kFullMeteorology, &S::stability);
    otherForm_->setFieldsEnabled(s, meteorology == air::kGivenStabilityAndWind, &S::windSpeed);

    typeForm_->setFieldsEnabled(s, checked(&S::downwash), &S::buildingLength, &S::buildingWidth, &S::buildingHeight);
    const bool fumigation = checked(&S::fumigation);
    typeForm_->setFieldsEnabled(s, fumigation, &S::shorelineFumigation);
    typeForm_->setFieldsEnabled(s, fumigation && checked(&S::shorelineFumigation), &S::shorelineDistance);
    typeForm_->setFieldsEnabled(s, typeForm_->choiceGroup(s, &S::angleSearch)->checkedId() == air::kFixedAngle, &S::angle);

    const bool zGiven = checked(&S::sigmaZ0Given), yGiven = checked(&S::sigmaY0Given);
    const int site = typeForm_->choiceGroup(s, &S::volumeSite)->checkedId();
    typeForm_->setFieldsEnabled(s, zGiven, &S::sigmaZ0);
    typeForm_->setFieldsEnabled(s, !zGiven, &S::volumeSite);
    typeForm_->setFieldsEnabled(s, !zGiven && site == air::kOnBuilding, &S::volumeBuildingHeight);
    typeForm_->setFieldsEnabled(s, yGiven, &S::sigmaY0);
    typeForm_->setFieldsEnabled(s, !yGiven, &S::volumeWidth, &S::volumeLength);
}

void ScreeningPage::lateralChanged(bool lengthChanged)
{
    const S& s = input_;
    const auto number = [&](float S::*m) { return parseSingle(typeForm_->lineEdit(s, m)->text().toStdString()); };
    const auto length = number(&S::volumeLength), width = number(&S::volumeWidth);
    if (!length || !width) return;
    const float now = number(&S::sigmaY0).value_or(s.sigmaY0);
    const float next = lengthChanged ? air::sigmaY0AfterLengthChange(*length, *width, now)
                                     : air::sigmaY0AfterWidthChange(*length, *width, now);
    if (next != now) typeForm_->setValue(s, &S::sigmaY0, next);
}

void ScreeningPage::verticalChanged(bool buildingChanged)
{
    const S& s = input_;
    // A change of the release height recomputes σz0 from the site even while σz0 is given
    // directly (only the site and the building height are locked then), as the page always did.
    const auto number = [&](float S::*m) { return parseSingle(typeForm_->lineEdit(s, m)->text().toStdString()); };
    const int site = buildingChanged ? air::kOnBuilding : typeForm_->choiceGroup(s, &S::volumeSite)->checkedId();
    const auto height = number(&S::volumeHeight), building = number(&S::volumeBuildingHeight);
    if (!(site == air::kOnBuilding ? building.has_value() : height.has_value())) return;
    typeForm_->setValue(s, &S::sigmaZ0, air::sigmaZ0ForSite(site, height.value_or(0), building.value_or(0)));
}

void ScreeningPage::nameEdited(int row, int column)
{
    if (column != 0) return;
    const std::string standard(air::estimationStandard(pollutants_->table()->text(row + 1, 0).toStdString()));
    if (!standard.empty()) pollutants_->table()->setText(row + 1, 2, QString::fromStdString(standard));
}

void ScreeningPage::readForms()
{
    for (FormPage* form : {sourceForm_, otherForm_, typeForm_}) {
        form->binder().read();
        form->binder().write();
    }
}

ScreeningSource ScreeningPage::source() const
{
    ScreeningSource s = input_;
    s.simpleTerrain = terrainRows(simpleTerrain_);
    s.arbitraryPoints = terrainRows(arbitraryPoints_);
    return s;
}

std::vector<air::PollutantEntry> ScreeningPage::pollutants() const
{
    std::vector<air::PollutantEntry> rows;
    for (const auto& row : pollutants_->rows()) rows.push_back({row.at(0), row.at(1), row.at(2)});
    return rows;
}

bool ScreeningPage::compute()
{
    readForms();
    const ScreeningSource s = source();
    const auto rows = pollutants();
    const auto criterion = static_cast<air::GradeCriterion>(input_.criterion);
    const std::unique_ptr<air::ScreeningEngine> engine = pageScreeningEngine();
    air::Estimation e;
    const Task task = [&](TaskControl& control) {
        air::EstimationCallbacks callbacks;
        callbacks.progress = [&](int index, int count, const std::string& name) {
            control.progress(index * 100 / std::max(count, 1), QStringLiteral("正在计算污染物%1（%2/%3），请稍候……")
                                                                   .arg(QString::fromStdString(name))
                                                                   .arg(index + 1)
                                                                   .arg(count));
        };
        callbacks.cancelled = [&] { return control.cancelled(); };
        // Whatever the engine gives, the page shows numbers or a refusal, never inf or nan.
        try {
            const NonFiniteWatch watch;
            e = air::runEstimation(s, rows, criterion, *engine, callbacks);
            if (watch.seen()) e = {.refusal = {kNotFinite, {}}};
        } catch (const std::bad_alloc&) {
            e = {.refusal = {kOutOfMemory, {}}};
        } catch (const std::exception&) {
            e = {.refusal = {kComputationFailed, {}}};
        }
    };
    computing_ = true;
    const TaskOutcome outcome = runInBackground(this, task);
    computing_ = false;
    if (outcome == TaskOutcome::Cancelled || e.cancelled) {
        tabs_->setCurrentIndex(0);
        return false;
    }
    estimation_ = std::move(e);
    showEstimation();
    if (estimation_.refusal.refused()) {
        refuse(estimation_.refusal);
        return false;
    }
    if (!estimation_.failures.empty()) {
        QStringList failures;
        for (const auto& f : estimation_.failures) failures << QString::fromStdString(f);
        showMessage(this, failures.join(QLatin1Char('\n')));
    }
    return true;
}

void ScreeningPage::showEstimation()
{
    const air::Estimation& e = estimation_;
    showReportTable(table_, e.table);
    table_->setSheetName(kSheetTitle);
    // Each column as wide as its title and texts, the first four at least their usual widths.
    const QFontMetrics titles = table_->horizontalHeader()->fontMetrics(), cells = table_->fontMetrics();
    for (std::size_t c = 0; c < e.table.columns.size(); ++c) {
        int width = titles.horizontalAdvance(QString::fromStdString(e.table.columns[c]));
        for (const auto& row : e.table.rows)
            width = std::max(width, cells.horizontalAdvance(QString::fromStdString(row[c])));
        table_->setColumnWidth(static_cast<int>(c), std::max(c < 4 ? kFixedWidths[c] : 0, width + 24));
    }
    for (std::size_t r = 0; r < e.colours.size(); ++r)
        for (std::size_t c = 0; c < e.colours[r].size(); ++c)
            if (const auto& colour = e.colours[r][c])
                table_->setCellBackground(static_cast<int>(r) + 1, static_cast<int>(c),
                                          QColor(colour->r, colour->g, colour->b));
    report_->setPlainText(QString::fromStdString(e.report));
    const QSignalBlocker quiet(selector_);
    selector_->clear();
    for (const auto& p : e.pollutants) selector_->addItem(QString::fromStdString(p.name));
    selector_->setCurrentIndex(e.pollutants.empty() ? -1 : 0);
    showPollutant(selector_->currentIndex());
}

void ScreeningPage::showPollutant(int index)
{
    const auto& list = estimation_.pollutants;
    listing_->setPlainText(index >= 0 && index < int(list.size()) ? QString::fromStdString(list[index].listing) : QString());
}

void ScreeningPage::chooseView(int view)
{
    const bool text = view == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{table_, report_, export_, copy_}) w->setVisible(!text);
    for (QWidget* w : std::initializer_list<QWidget*>{listing_, selectorLabel_, selector_}) w->setVisible(text);
}

void ScreeningPage::exportToExcel() { ExportGridToExcel(table_, kSheetTitle); }

void ScreeningPage::refuse(const Refusal& refusal)
{
    showMessage(this, QString::fromStdString(refusal.message), QString::fromStdString(refusal.caption));
    tabs_->setCurrentIndex(0);
    const std::pair<const char*, InputGrid*> grids[] = {
        {"pollutants", pollutants_}, {"simpleTerrain", simpleTerrain_}, {"arbitraryPoints", arbitraryPoints_}};
    for (const auto& [key, grid] : grids)
        if (refusal.focusKey == key) return grid->table()->setFocus();
    for (FormPage* form : {sourceForm_, otherForm_, typeForm_})
        if (QWidget* w = form->binder().widgetFor(refusal.focusKey)) return w->setFocus();
}

}  // namespace qelvo::ui
