#include "noise/pages/workshop_pages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "noise/pages/decibel_calculator_window.h"
#include "noise/pages/path_difference_window.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace qelvo::ui {

namespace {

// A distance action of a page: read, compute, show a refusal (L unchanged) or the new L.
template <class Page, class In>
void distanceAction(Page* page, const CalculatorDef<In, noise::Distance>& def, noise::Distance& shown)
{
    const auto e = page->evaluateAction(def);
    if (!e) return;
    shown = e->out;
    page->binder().write();
}

PageOptions greenOptions()
{
    PageOptions o{QStringLiteral("格林公式噪声预测"), QStringLiteral("计算结果")};
    o.resultFields = false;
    return o;
}

PageOptions stueberOptions()
{
    PageOptions o{QStringLiteral("Stueber公式噪声预测"), QStringLiteral("计算结果")};
    o.helpTopic = QStringLiteral("\\qelvohelp.chm::\\噪声预测模式\\stueber.htm");
    return o;
}

}  // namespace

GreenPage::GreenPage(QWidget* parent) : ModelPage(noise::greenCalculator(), greenOptions(), parent), table_(nullptr)
{
    add(distance_, noise::greenDistanceCalculator().outputs.at(0), true);
    addButton(QStringLiteral("计算噪声达标所需距离"), [this] { computeDistance(); });
    addButton(QStringLiteral("Lp1计算"), [this] { openLp1(); });
    addButton(QStringLiteral("分贝计算器"), [this] { openDecibelCalculator(window()); });
    table_ = addResultTable(ResultTable::Form::List);
    table_->setShowGrid(true);
    showReportTable(table_, noise::greenTable());
    table_->setColumnWidth(0, 50);
    table_->setColumnWidth(1, 60);
    table_->setColumnWidth(2, 100);
    onComputed = [this](const Report& report) { showReportTable(table_, report.tables.at(0)); };
    // The formula, drawn as text.
    auto* formula = new QLabel(QStringLiteral(
        "格林公式：L<sub>p</sub> = L<sub>p1</sub> − TL − 11 + 10·lg(F / r<sup>2</sup>)，"
        "叠加背景：L = 10·lg(10<sup>0.1·L<sub>bg</sub></sup> + 10<sup>0.1·L<sub>p</sub></sup>)"), this);
    formula->setTextFormat(Qt::RichText);
    formula->setWordWrap(true);
    addBelowButtons(formula);
    binder().write();
}

void GreenPage::computeDistance() { distanceAction(this, noise::greenDistanceCalculator(), distance_); }

void GreenPage::openLp1()
{
    Lp1Window window(noise::lp1Calculator(), QStringLiteral("LP1计算"), this);
    if (execModal(window) != QDialog::Accepted) return;
    const float lp1 = window.page()->result().Lp1;
    setValue(&noise::GreenInput::Lp1, lp1);
}

StueberPage::StueberPage(QWidget* parent) : ModelPage(noise::stueberCalculator(), stueberOptions(), parent)
{
    add(distance_, noise::stueberDistanceCalculator().outputs.at(0), true);
    addButton(QStringLiteral("计算噪声达标所需距离"), [this] { computeDistance(); });
    addButton(QStringLiteral("声程差计算"), [this] { openPathDifference(); });
    addButton(QStringLiteral("分贝计算器"), [this] { openDecibelCalculator(window()); });
    binder().write();
}

void StueberPage::openPathDifference()
{
    // The farthest receiver distance r is the page's source–receiver distance.
    binder().read();
    PathDifferenceWindow window(input().r, 0, this);
    if (execModal(window) != QDialog::Accepted) return;
    const auto& r = window.result();
    setValue(&noise::StueberInput::d1, r.delta1);
    setValue(&noise::StueberInput::d2, r.delta2);
    setValue(&noise::StueberInput::d3, r.delta3);
}

void StueberPage::computeDistance()
{
    distanceAction(this, noise::stueberDistanceCalculator(), distance_);
}

}  // namespace qelvo::ui
