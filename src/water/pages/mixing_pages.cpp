#include "water/pages/mixing_pages.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "presentation/messages.h"
#include "water/pages/mixing_grid_window.h"

namespace qelvo::ui {

namespace {
template <class In>
PageOptions mixingOptions(const char* group)
{
    PageOptions o{QString::fromUtf8(group), QStringLiteral("计算结果")};
    o.groupsBefore = {{"x", QStringLiteral("单个预测点计算")}, {"xmax", QStringLiteral("网格计算")}};
    o.outputsAfter = "y";
    return o;
}
}  // namespace

template <class In>
MixingPage<In>::MixingPage(const MixingPageKind<In>& kind, QWidget* parent)
    : ModelPage<In, water::PointResult>(kind.point(), mixingOptions<In>(kind.group), parent), kind_(kind)
{
    this->addButton(QStringLiteral("显示计算结果"), [this] { showGrid(); });
    bindDecayField(*this);
    encloseLateralRange();
}

template <class In>
void MixingPage<In>::encloseLateralRange()
{
    // The lateral range reads "离排放口横向距离y [m](" ymin "～" ymax ")": the opening
    // parenthesis goes with the heading, a closing one follows ymax.
    QLineEdit* ymax = this->lineEdit(&In::ymax);
    auto* grid = qobject_cast<QGridLayout*>(ymax->parentWidget()->layout());
    if (!grid) return;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(ymax), &row, &column, &rows, &columns);
    auto* heading = grid->itemAtPosition(row, 0) ? qobject_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget()) : nullptr;
    QLabel* open = this->label(&In::ymin);
    if (heading && open && heading != open) {
        heading->setText(heading->text() + open->text());
        open->hide();
    }
    auto* close = new QLabel(QStringLiteral(")"), ymax->parentWidget());
    close->setObjectName(QStringLiteral("lateralRangeEnd"));
    grid->addWidget(close, row, column + 1);
}

template <class In>
void MixingPage<In>::showGrid()
{
    this->binder().read();
    In& in = this->record();
    water::orderLateralRange(in.ymin, in.ymax);  // the page keeps the range in order
    this->binder().write();
    const auto e = this->evaluateAction(kind_.grid());
    if (!e) return;
    const water::MixingGrid& grid = e->out;
    MixingGridWindow window({QString::fromUtf8(water::mixingWindowTitle(grid.kind, grid.model)), e->report.tables.at(0),
                             in.xmax, in.ymin, in.ymax},
                            this);
    execModal(window);
}

template class MixingPage<water::Mixing2dInput>;
template class MixingPage<water::CumFlowInput>;

Mixing2dPage* createMixing2dPage(QWidget* parent)
{
    static const MixingPageKind<water::Mixing2dInput> kind{&water::mixing2dCalculator, &water::mixing2dGridCalculator,
                                                          "二维稳态混合模式 参数输入"};
    return new Mixing2dPage(kind, parent);
}

CumFlowPage* createCumFlowPage(QWidget* parent)
{
    static const MixingPageKind<water::CumFlowInput> kind{&water::cumFlowCalculator, &water::cumFlowGridCalculator,
                                                         "稳态混合累积流量模式 参数输入"};
    return new CumFlowPage(kind, parent);
}

namespace {
PageOptions frOptions()
{
    PageOptions o{QStringLiteral("弗罗模式 参数输入"), QStringLiteral("计算结果")};
    o.groupsBefore = {{"xmax", QStringLiteral("网格计算")}};
    return o;
}
}  // namespace

FrPage::FrPage(QWidget* parent)
    : ModelPage(water::frCalculator(), frOptions(), parent), table_(addResultTable(ResultTable::Form::List))
{
    table_->setShowGrid(true);
    showReportTable(table_, water::frTable());
    table_->setColumnWidth(0, 60);
    table_->setColumnWidth(1, 80);
    bindDecayField(*this);
    onComputed = [this](const Report& report) { showReportTable(table_, report.tables.at(0)); };
}

}  // namespace qelvo::ui
