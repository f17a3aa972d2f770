// Pieces the risk pages share: the result part of the fire and explosion pages (text box,
// damage-distance table, curve window, note).
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "common/calculator.h"
#include "presentation/plain_text.h"
#include "risk/distance_solver.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace qelvo::ui {

class FormPage;
class ResultTable;


// Below the buttons of a fire or explosion page, in two tabs: the read-only result box (with
// the page's opening text) and the damage-distance table; the buttons "曲线图" (the curve
// window, the thresholds drawn as level lines), "复制选中表格" and "结果导入EXCEL" for the
// table; under all, the note of the fire models.
class ConsequenceResults {
public:
    // `empty`: the table as it stands before the first computation (its titles).
    // `levelUnit` names the unit of the thresholds' texts in the curve window's legend.
    ConsequenceResults(FormPage* page, const QString& openingText, const Table& empty,
                       std::vector<risk::Threshold> thresholds, std::string levelUnit);

    void show(const Report& report);  // text, table and curve of a computation
    void setText(const std::string& text);
    void openCurve();  // "曲线图"

    QPlainTextEdit* text() const { return text_; }
    ResultTable* table() const { return table_; }
    QTabWidget* tabs() const { return tabs_; }
    const std::vector<Curve>& curves() const { return curves_; }

private:
    void showTable(const Table& table);

    FormPage* page_;
    QTabWidget* tabs_;
    QPlainTextEdit* text_;
    ResultTable* table_;
    std::vector<risk::Threshold> thresholds_;
    std::string levelUnit_;
    std::vector<Curve> curves_;
};

// Fits a long page's fields into its place: number fields wide enough for a value in its
// longest display form (4.18256e+007), the spare width to the labels.
void fitFields(FormPage* page);

// The step of an axis: the smallest of 1, 2, 2.5 and 5 times a power of ten at or above
// `rough`.
double niceStep(double rough);

// The table a report would show, without its rows: the titles before the first computation.
template <class In, class Out>
Table emptyTableOf(const CalculatorDef<In, Out>& def)
{
    Report report = makeReport(def, def.compute(In{}));
    if (report.tables.empty()) return {};
    Table t = report.tables.front();
    t.rows.clear();
    return t;
}

}  // namespace qelvo::ui
