#include "water/pages/sp_page.h"

namespace qelvo::ui {
namespace {
PageOptions spOptions()
{
    PageOptions o{QStringLiteral("S-P模式 参数输入"), QStringLiteral("计算结果")};
    o.groupsBefore = {{"lmax", QStringLiteral("网格计算")}};
    return o;
}
}  // namespace

SpPage::SpPage(QWidget* parent) : ModelPage(water::spCalculator(), spOptions(), parent), table_(addResultTable())
{
    addTableButtons(table_);
    table_->setFixedRowCount(1);
    table_->setFixedColumnCount(1);  // the row numbers
    table_->setHeaderRowHeight(25);
    showReportTable(table_, water::spTable(false));
    setWidths({50, 60, 80, 80});
    QObject::connect(checkBox(&water::SpInput::onlyMixed), &QCheckBox::toggled, this, [this](bool on) { setMixedOnly(on); });
    onComputed = [this](const Report& report) { showReportTable(table_, report.tables.at(0)); };
}

void SpPage::setMixedOnly(bool on)
{
    // The single mixed concentration is a value, not a row label.
    table_->setFixedColumnCount(on ? 0 : 1);
    showReportTable(table_, water::spTable(on));
    if (on) setWidths({150});
    else setWidths({50, 60, 90, 90});
    using In = water::SpInput;
    setFieldsEnabled(!on, &In::l, &In::lmax, &In::K1, &In::K2, &In::Dh, &In::Dp, &In::u);
}

void SpPage::setWidths(std::initializer_list<int> widths)
{
    int column = 0;
    for (int w : widths) table_->setColumnWidth(column++, w);
}

}  // namespace qelvo::ui
