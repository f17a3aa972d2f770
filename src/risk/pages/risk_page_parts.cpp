#include "risk/pages/risk_page_parts.h"

#include <QChart>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLogValueAxis>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "presentation/curve_plot_window.h"
#include "presentation/form_page.h"
#include "presentation/messages.h"
#include "presentation/result_table.h"
#include "risk/fire_notes.h"

namespace qelvo::ui {

namespace {

// The curve window's message when nothing was computed yet, as the plot window has it.
const QString kNoData = QStringLiteral("没有数据,请先计算!");

}  // namespace

ConsequenceResults::ConsequenceResults(FormPage* page, const QString& openingText, const Table& empty,
                                       std::vector<risk::Threshold> thresholds, std::string levelUnit)
    : page_(page), tabs_(new QTabWidget(page)), text_(new QPlainTextEdit(tabs_)),
      table_(new ResultTable(ResultTable::Form::Grid, tabs_)), thresholds_(std::move(thresholds)),
      levelUnit_(std::move(levelUnit))
{
    fitFields(page);
    page->addButton(QStringLiteral("曲线图"), [this] { openCurve(); });
    page->addTableButtons(table_);
    text_->setObjectName(QStringLiteral("result"));
    text_->setReadOnly(true);
    text_->setPlainText(openingText);
    table_->setObjectName(QStringLiteral("distances"));
    table_->setFixedRowCount(1);
    table_->setRowHeight(21);
    table_->setHeaderRowHeight(23);
    showTable(empty);
    tabs_->setDocumentMode(true);
    tabs_->addTab(text_, QStringLiteral("计算结果"));
    tabs_->addTab(table_, QStringLiteral("伤害距离"));
    page->addBelowButtons(tabs_, 1);
    page->addBelowButtons(new QLabel(QString::fromUtf8(risk::kFireModelNote), page));
}

void fitFields(FormPage* page)
{
    constexpr int kWholeValue = 100;  // "4.18256e+007" and its frame
    for (auto* edit : page->findChildren<QLineEdit*>())
        if (edit->maximumWidth() < kWholeValue) edit->setFixedWidth(kWholeValue);
    // The labels take the spare width (their columns 0 and 4), so that fewer of them wrap.
    for (auto* box : page->findChildren<QGroupBox*>())
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
            grid->setColumnStretch(8, 0);
            grid->setColumnStretch(0, 1);
            grid->setColumnStretch(4, 1);
        }
}

void ConsequenceResults::setText(const std::string& text) { text_->setPlainText(plainText(text)); }

void ConsequenceResults::show(const Report& report)
{
    setText(report.text);
    if (!report.tables.empty()) showTable(report.tables.front());
    curves_ = report.curves;
}

void ConsequenceResults::showTable(const Table& table)
{
    showReportTable(table_, table);
    // Each column as wide as its longest text: none is cut, the table scrolls where needed.
    const QFontMetrics titles(table_->horizontalHeader()->font()), cells(table_->font());
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        int width = titles.horizontalAdvance(QString::fromStdString(table.columns[c]));
        for (const auto& row : table.rows)
            if (c < row.size()) width = std::max(width, cells.horizontalAdvance(QString::fromStdString(row[c])));
        table_->setColumnWidth(static_cast<int>(c), width + 16);
    }
}

void ConsequenceResults::openCurve()
{
    if (curves_.empty() || curves_.front().xs.empty()) {
        showMessage(page_, kNoData);
        return;
    }
    // The quantity falls over decades: a logarithmic axis from decade to decade, with each
    // threshold as a level line and a grid line at 2 … 9 of each decade; distances from 0 to
    // a round number.
    const Curve& main = curves_.front();
    std::vector<Curve> curves = {main};
    curves.front().title = main.yLabel;  // the legend names the quantity; the caption the curve
    double low = *std::min_element(main.ys.begin(), main.ys.end());
    double high = *std::max_element(main.ys.begin(), main.ys.end());
    for (const risk::Threshold& t : thresholds_) {
        curves.push_back({std::string(t.text) + " " + levelUnit_, main.xLabel, main.yLabel,
                          {main.xs.front(), main.xs.back()}, {t.level, t.level}});
        low = std::min(low, t.level);
        high = std::max(high, t.level);
    }
    ChartOptions options;
    options.title = QString::fromStdString(main.title);
    options.x.min = 0;
    const double step = niceStep(main.xs.back() / 5);
    options.x.max = std::ceil(main.xs.back() / step) * step;
    options.x.ticks = static_cast<int>(std::lround(*options.x.max / step)) + 1;
    options.y.logarithmic = true;
    if (low > 0) {
        options.y.min = std::pow(10.0, std::floor(std::log10(low)));
        options.y.max = std::pow(10.0, std::ceil(std::log10(high)));
    }
    options.legend = true;
    CurvePlotWindow window(std::move(curves), options, page_);
    window.resize(780, 500);  // room for the legend beside the chart
    window.chartView()->chart()->legend()->setAlignment(Qt::AlignRight);
    if (auto* y = qobject_cast<QLogValueAxis*>(window.chartView()->yAxis())) y->setMinorTickCount(8);
    execModal(window);
}

double niceStep(double rough)
{
    if (!(rough > 0) || !std::isfinite(rough)) return 1;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * decade >= rough) return m * decade;
    return 10 * decade;
}

}  // namespace qelvo::ui
