// "估算模式Screen3计算": a tab container with the input form and the result form.
//
// The input form describes one source (its type chooses the parameter group shown), its
// pollutants and the terrain tables; every switch to the result tab reads it and runs the
// estimate off the page, one screening run per pollutant, on the engine the setting chooses.
// The result form shows the table with the maximum row and the pollutants' colours and the
// report with the grade ("列表报告"), or each pollutant's listing ("文字报告").
#pragma once

#include <QWidget>

#include "air/screening/estimation.h"
#include "air/screening/screening_calculators.h"
#include "common/catalogue.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qelvo::ui {

class FormPage;
class InputGrid;
class ResultTable;
class TabSheet;

// The captions of the parameter group, by source type.
inline const QString kSourceGroupTitles[] = {QStringLiteral("点源参数"), QStringLiteral("面源参数"),
                                             QStringLiteral("体源参数"), QStringLiteral("点源（火炬）参数")};

class ScreeningPage : public QWidget {
    Q_OBJECT
public:
    explicit ScreeningPage(const PageSlot& slot, QWidget* parent = nullptr);

    TabSheet* tabs() const { return tabs_; }
    FormPage* sourceForm() const { return sourceForm_; }  // "污染源参数": type and pollutants
    FormPage* otherForm() const { return otherForm_; }    // "其它参数"
    FormPage* typeForm() const { return typeForm_; }      // the parameter group of the type
    InputGrid* pollutantGrid() const { return pollutants_; }
    InputGrid* simpleTerrainGrid() const { return simpleTerrain_; }
    InputGrid* arbitraryPointGrid() const { return arbitraryPoints_; }
    QComboBox* typeList() const { return type_; }
    QComboBox* meteorologyList() const { return meteorology_; }
    QComboBox* criterionList() const { return criterion_; }
    QComboBox* viewList() const { return view_; }
    QComboBox* pollutantSelector() const { return selector_; }
    ResultTable* resultTable() const { return table_; }
    QPlainTextEdit* reportBox() const { return report_; }
    QPlainTextEdit* listingBox() const { return listing_; }
    const air::ScreeningInput& input() const { return input_; }
    const air::Estimation& estimation() const { return estimation_; }

    // The switch to the result tab: reads the forms and runs the estimate; false when a check
    // refused it (the input tab is current again) or it was cancelled.
    bool compute();
    void exportToExcel();  // "结果导入EXCEL" and the popup's "导出EXCEL"

private:
    void readForms();
    // Ctrl+S, Ctrl+O and the right-click menu: the forms' fields and the three tables.
    void addScenarios();
    // The tables as the calculator's texts.
    air::ScreeningInput tableTexts() const;
    air::ScreeningSource source() const;
    // The record as its source-description members are reached.
    const air::ScreeningSource& record() const { return input_; }
    std::vector<air::PollutantEntry> pollutants() const;
    void showType(int type);
    void applyRules();
    void chooseView(int view);
    void showPollutant(int index);
    void showEstimation();
    void refuse(const Refusal& refusal);
    void nameEdited(int row, int column);
    // The volume source's initial dimensions after a change of the form.
    void lateralChanged(bool lengthChanged);
    void verticalChanged(bool buildingChanged);

    air::ScreeningInput input_;
    air::Estimation estimation_;
    TabSheet* tabs_;
    FormPage* sourceForm_;
    FormPage* otherForm_;
    FormPage* typeForm_;
    InputGrid* pollutants_;
    InputGrid* simpleTerrain_;
    InputGrid* arbitraryPoints_;
    QComboBox* type_ = nullptr;
    QComboBox* meteorology_ = nullptr;
    QComboBox* criterion_ = nullptr;
    QComboBox* view_ = nullptr;
    QComboBox* selector_ = nullptr;
    QLabel* selectorLabel_ = nullptr;
    ResultTable* table_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QPlainTextEdit* listing_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* copy_ = nullptr;
    bool computing_ = false;
};

}  // namespace qelvo::ui
