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
    addTableButtons(table_, QStringLiteral("SP模式计算结果"));
    table_->setFixedRowCount(1);
    table_->setHeaderRowHeight(25);
    table_->setTable({QStringLiteral("序号"), QStringLiteral("距离m"), QStringLiteral("浓度值mg／L"),
                      QStringLiteral("氧亏值mg／L")},
                     {});
    widths_ = {50, 60, 80, 80};
    applyWidths();
    auto* box = qobject_cast<QCheckBox*>(binder().widgetFor("onlyMixed"));
    QObject::connect(box, &QCheckBox::toggled, this, [this](bool on) { setMixedOnly(on); });
    onComputed = [this](const Report& report) {
        showReportTable(table_, report.tables.at(0));
        applyWidths();
    };
}

void SpPage::setMixedOnly(bool on)
{
    if (on) {
        table_->setTable({QStringLiteral("完全混合浓度值mg／L")}, {});
        widths_ = {150};
    } else {
        table_->setTable({QStringLiteral("序号"), QStringLiteral("距离m"), QStringLiteral("浓度值mg／L"),
                          QStringLiteral("氧亏值mg／L")},
                         {});
        widths_ = {50, 60, 90, 90};
    }
    applyWidths();
    setFieldsEnabled({"l", "lmax", "K1", "K2", "Dh", "Dp", "u"}, !on);
}

void SpPage::applyWidths()
{
    for (int c = 0; c < static_cast<int>(widths_.size()); ++c) table_->setColumnWidth(c, widths_[c]);
}

}  // namespace qelvo::ui
