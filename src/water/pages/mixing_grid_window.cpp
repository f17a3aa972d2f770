#include "water/pages/mixing_grid_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_parse.h"
#include "contour/grid_file.h"
#include "contour/pages/contour_map_window.h"
#include "presentation/excel_export.h"
#include "presentation/form_page.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"
#include "presentation/result_table.h"

namespace qelvo::ui {

MixingGridWindow::MixingGridWindow(MixingGridView view, QWidget* parent)
    : QDialog(parent), view_(std::move(view)), table_(new ResultTable(ResultTable::Form::List, this))
{
    setWindowTitle(view_.title);
    paintBackground(this, kPageColour);
    table_->setShowGrid(true);
    table_->setColumnWidth(0, 40);
    table_->setDefaultColumnWidth(60);
    showReportTable(table_, view_.table);

    const auto button = [this](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button(QStringLiteral("结果导入EXCEL"), &MixingGridWindow::exportToExcel));
    buttons->addWidget(button(QStringLiteral("绘制等值线"), &MixingGridWindow::drawContours));
    buttons->addWidget(button(QStringLiteral("关闭"), &QDialog::accept));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(760, 520);
}

void MixingGridWindow::exportToExcel() { ExportListToExcel(table_, table_->sheetName()); }

void MixingGridWindow::drawContours()
{
    const auto& rows = view_.table.rows;
    if (rows.empty()) {
        showMessage(this, kNoDataYet);
        return;
    }
    // The top of the value range: the first data cell, nearest the outfall on the first row.
    const double zhi = rows[0].size() > 1 ? leadingNumber(rows[0][1]) : 0;
    // A grid that is not written is not drawn: the map would show an older result.grd.
    std::string error;
    if (!contour::writeGridFile(rows, gridPath_.toStdString(), 0, view_.xmax, view_.ymin, view_.ymax, zhi, &error)) {
        showMessage(this, QString::fromStdString(error));
        return;
    }
    ContourMapWindow map(gridPath_, this);
    execModal(map);
}

}  // namespace qelvo::ui
