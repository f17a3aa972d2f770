#include "water/pages/water_temperature_page.h"

namespace qelvo::ui {
namespace {
PageOptions temperatureOptions()
{
    PageOptions o{QStringLiteral("河流一维日均水温模式 参数输入"), QStringLiteral("计算结果")};
    o.groupsBefore = {{"xmax", QStringLiteral("网格计算")}};
    return o;
}
const int kWidths[] = {50, 70, 90};
}  // namespace

WaterTemperaturePage::WaterTemperaturePage(QWidget* parent)
    : ModelPage(water::temperatureCalculator(), temperatureOptions(), parent), table_(addResultTable())
{
    addTableButtons(table_);
    table_->setFixedRowCount(1);
    table_->setFixedColumnCount(1);  // the row numbers
    table_->setHeaderRowHeight(25);
    showReportTable(table_, water::temperatureTable());
    for (int c = 0; c < 3; ++c) table_->setColumnWidth(c, kWidths[c]);
    onComputed = [this](const Report& report) { showReportTable(table_, report.tables.at(0)); };
}

}  // namespace qelvo::ui
