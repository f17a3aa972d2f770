// The results window of a mixing grid: the table, its export and its contour map.
#pragma once

#include <QDialog>

#include "common/calculator.h"

namespace qelvo::ui {

class ResultTable;

inline const QString kNoDataYet = QStringLiteral("没有数据,请先计算!");

struct MixingGridView {
    QString title;
    Table table;  // "Y＼X", the distances, one row per y; named with its sheet name
    float xmax = 0, ymin = 0, ymax = 0;
};

class MixingGridWindow : public QDialog {
    Q_OBJECT
public:
    explicit MixingGridWindow(MixingGridView view, QWidget* parent = nullptr);

    ResultTable* table() const { return table_; }

    void exportToExcel();  // "结果导入EXCEL"
    void drawContours();   // "绘制等值线": writes the grid file and opens the contour map

    // Where "绘制等值线" writes the grid file; the current folder's "result.grd" by default.
    void setGridPath(const QString& path) { gridPath_ = path; }

private:
    MixingGridView view_;
    ResultTable* table_;
    QString gridPath_ = QStringLiteral("result.grd");
};

}  // namespace qelvo::ui
