// "点源扩散模式导则计算": a tab container with the source form, the meteorology form and the
// result form. Both input forms bind one input record; every switch of tabs reads them into
// it, and "计算结果" computes the grid from it. The result form shows the "Y＼X" list, the
// result text, and opens the X-C curve and the contour map of the last grid.
#pragma once

#include <QWidget>

#include "air/point_source.h"
#include "common/catalogue.h"

class QComboBox;
class QPlainTextEdit;

namespace qelvo::ui {

class FormPage;
class ResultTable;
class TabSheet;

inline const QString kNoGridYet = QStringLiteral("没有数据,请先计算!");
// The curve window holds at most this many values, at whole-metre steps.
inline constexpr int kMaxCurvePoints = 1000;
inline const QString kTooManyCurvePoints = QStringLiteral("X-C图最多绘制1000个点，请增大步长后重新计算！");
inline const QString kCurveStepTooSmall = QStringLiteral("步长小于1m，不能绘制X-C图，请增大步长后重新计算！");

class PointSourcePage : public QWidget {
    Q_OBJECT
public:
    explicit PointSourcePage(const PageSlot& slot, QWidget* parent = nullptr);

    TabSheet* tabs() const { return tabs_; }
    FormPage* sourceForm() const { return source_; }
    FormPage* weatherForm() const { return weather_; }
    FormPage* resultForm() const { return results_; }
    ResultTable* table() const { return table_; }
    QPlainTextEdit* resultText() const { return text_; }
    QComboBox* gradeList() const { return grade_; }
    QComboBox* stabilityList() const { return stability_; }
    QComboBox* regionList() const { return region_; }
    const air::PointSourceInput& input() const { return input_; }
    const air::PointSourceResult& result() const { return result_; }

    void readForms();       // a switch of tabs: both forms into the record
    bool compute();         // "计算结果"
    void exportToExcel();   // "结果导入EXCEL"
    void showCurve();       // "X-C图"
    void showContours();    // "等值线图": writes the grid file and opens the contour map
    void applyRules();      // the modes enable their fields

    // Where "等值线图" writes the grid file; the current folder's "result.grd" by default.
    void setGridPath(const QString& path) { gridPath_ = path; }

private:
    void refuse(const Refusal& refusal);
    void showTable(const Table& table);

    air::PointSourceInput input_;
    air::PointSourceResult result_;
    float lastQh_ = 0;  // Qh of the last grid, kept when ΔH is entered by hand
    TabSheet* tabs_;
    FormPage* source_;
    FormPage* weather_;
    FormPage* results_;
    ResultTable* table_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QComboBox* grade_ = nullptr;
    QComboBox* stability_ = nullptr;
    QComboBox* region_ = nullptr;
    QString gridPath_ = QStringLiteral("result.grd");
};

}  // namespace qelvo::ui
