#include "water/pages/rainstorm_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace qelvo::ui {

namespace {
// The handbook's formula displays count each "─" of the fraction bar as two columns, as CJK
// fonts draw it; where the font draws it narrower, each is repeated so that the bar spans
// its numerator again.
QString fittedDisplay(const std::string& display, const QFontMetrics& fm)
{
    QString text = QString::fromStdString(display);
    const QChar bar(0x2500);
    const int barWidth = fm.horizontalAdvance(bar);
    const int column = fm.horizontalAdvance(QLatin1Char(' '));
    const int repeat = barWidth > 0 ? std::max(1, int(std::lround(2.0 * column / barWidth))) : 1;
    if (repeat > 1) text.replace(bar, QString(repeat, bar));
    return text;
}
}  // namespace

RainstormPage::RainstormPage(QWidget* parent)
    : FormPage(QStringLiteral("暴雨强度和雨水量计算     依据《给水排水设计手册》第5册"), parent),
      provinces_(new QComboBox(this)), cities_(new QComboBox(this)), formula_(new QPlainTextEdit(this)),
      result_(nullptr)
{
    const auto& def = water::rainstormCalculator();
    for (const auto& p : water::rainstormProvinces()) provinces_->addItem(QString::fromStdString(p));
    provinces_->setMaxVisibleItems(15);

    // The lists and the formula stand above the number fields.
    auto* choose = new QGridLayout;
    choose->addWidget(new QLabel(QStringLiteral("所在省份"), this), 0, 0);
    choose->addWidget(provinces_, 0, 1);
    choose->addWidget(new QLabel(QStringLiteral("城市"), this), 0, 2);
    choose->addWidget(cities_, 0, 3);
    choose->addWidget(new QLabel(QStringLiteral("参考公式"), this), 1, 0, Qt::AlignTop);
    choose->addWidget(formula_, 1, 1, 1, 4);
    choose->setColumnStretch(4, 1);
    static_cast<QGridLayout*>(group()->layout())->addLayout(choose, 0, 0, 1, 9);
    addGap();

    formula_->setReadOnly(true);
    formula_->setFocusPolicy(Qt::ClickFocus);
    formula_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("WenQuanYi Micro Hei Mono"));
    mono.setStyleHint(QFont::Monospace);
    formula_->setFont(mono);
    formula_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int margins = 2 * (formula_->frameWidth() + int(formula_->document()->documentMargin())) + 4;
    formula_->setFixedHeight(QFontMetrics(mono).lineSpacing() * 4 + margins);

    binder().bindCombo(provinces_, input_.province, "province");
    binder().bindComboText(cities_, input_.city, "city");
    for (const auto& f : def.inputs)
        if (f.desc.key != "province" && f.desc.key != "city") add(input_, f);
    addButton(QStringLiteral("计算结果"), [this] { compute(); });
    result_ = addResultText();

    selectProvince(0);
    // At opening the formula shows without its unit.
    formula_->setPlainText(fittedDisplay(water::rainstormDisplay(*water::rainstormEntry(0, 0), false), formula_->fontMetrics()));
    binder().write();
    // The lists follow a scenario's province and city as they follow the user's choice.
    ScenarioSource scenarios = scenarioSource(def, input_);
    scenarios.show = [this, show = scenarios.show](const Assignments& texts) {
        show(texts);
        const QString city = QString::fromStdString(input_.city);
        selectProvince(input_.province);
        int index = cities_->findText(city);
        if (index < 0) index = parseInteger(input_.city).value_or(0);
        if (index >= 0 && index < cities_->count()) cities_->setCurrentIndex(index);
        selectCity(cities_->currentIndex());
    };
    addScenarioActions(this, std::move(scenarios));
    connect(provinces_, &QComboBox::activated, this, &RainstormPage::selectProvince);
    connect(cities_, &QComboBox::activated, this, &RainstormPage::selectCity);
}

void RainstormPage::selectProvince(int index)
{
    provinces_->setCurrentIndex(index);
    cities_->clear();
    const auto entries = water::rainstormCities(index);
    if (entries.empty()) return;
    formula_->setPlainText(fittedDisplay(water::rainstormDisplay(*entries.front()), formula_->fontMetrics()));
    for (const auto* e : entries)
        if (*e->city) cities_->addItem(QString::fromUtf8(e->city));
    if (cities_->count()) cities_->setCurrentIndex(0);
}

void RainstormPage::selectCity(int index)
{
    if (const auto* e = water::rainstormEntry(provinces_->currentIndex(), index))
        formula_->setPlainText(fittedDisplay(water::rainstormDisplay(*e), formula_->fontMetrics()));
}

void RainstormPage::compute()
{
    binder().read();
    const auto e = evaluate(water::rainstormCalculator(), input_);
    if (e.refusal.refused()) {
        refuse(e.refusal);
        return;
    }
    binder().write();
    result_->setPlainText(QString::fromStdString(e.report.text));
}

}  // namespace qelvo::ui
