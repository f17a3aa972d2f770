// A calculator page: a group of labelled fields, result fields and action buttons.
//
// FormPage lays out fields from their FieldSpecs (fields that share a row heading stand on
// one line) and owns the FieldBinder. ModelPage adds the compute cycle for one model:
// read the fields, compute, show a refusal or write every member back.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <map>

#include "common/calculator.h"
#include "presentation/field_binder.h"
#include "presentation/result_table.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace qelvo::ui {

class FormPage : public QWidget {
    Q_OBJECT
public:
    explicit FormPage(const QString& groupTitle, QWidget* parent = nullptr);

    FieldBinder& binder() { return binder_; }

    QLineEdit* addInput(const FieldSpec& desc) { return addField(desc, false); }
    QLineEdit* addOutput(const FieldSpec& desc) { return addField(desc, true); }
    QButtonGroup* addChoice(const FieldSpec& desc);  // radio buttons, ids 0, 1, …
    QCheckBox* addCheck(const FieldSpec& desc);

    // A field of a model struct, bound, with the widget its kind asks for.
    template <class S>
    QWidget* add(S& object, const Field<S>& f, bool readOnly = false)
    {
        if (f.desc.kind == FieldKind::Choice) {
            QButtonGroup* group = addChoice(f.desc);
            binder_.bindChoice(group, object.*std::get<int S::*>(f.member), f.desc.key);
            return choiceWidget(group);
        }
        if (f.desc.kind == FieldKind::Check) {
            QCheckBox* box = addCheck(f.desc);
            binder_.bindCheck(box, object.*std::get<int S::*>(f.member), f.desc.key);
            return box;
        }
        QLineEdit* edit = addField(f.desc, readOnly);
        binder_.bind(edit, object, f);
        return edit;
    }

    // Two fields a row, for pages with many fields.
    void setTwoColumns(bool on);

    // Later fields go into a group box of their own ("计算结果").
    void startGroup(const QString& title);

    // A button right after a field ("自动计算" beside the value it computes).
    QPushButton* addButtonBeside(const std::string& key, const QString& text, std::function<void()> action);

    // A result table below the buttons, taking the rest of the page.
    ResultTable* addResultTable(ResultTable::Form form = ResultTable::Form::Grid);
    // "复制选中表格" and "结果导入EXCEL" for a grid table, exported under the sheet name of
    // the report table it shows.
    void addTableButtons(ResultTable* table);
    // A read-only multi-line box below the buttons for the result text.
    QPlainTextEdit* addResultText();
    // A widget in the button row, after the buttons (a result line), or below the row.
    void addToButtonRow(QWidget* widget);
    void addBelowButtons(QWidget* widget, int stretch = 0);
    // A note under the fields, as the page shows it.
    void addNote(const QString& text);
    // The label in front of a field.
    QLabel* labelFor(const std::string& key) const;

    // Enables or disables the fields bound under these keys.
    void setFieldsEnabled(std::initializer_list<const char*> keys, bool enabled);
    // Leaves a little room between the inputs and the results.
    void addGap();
    QPushButton* addButton(const QString& text, std::function<void()> action);
    // "参考资料": opens the help topic of the page; every press opens the same topic.
    QPushButton* addHelpButton(const QString& locator);

    // Shows a failed check's message and moves the focus where the check says.
    void refuse(const Refusal& refusal);

    QGroupBox* group() const { return group_; }
    QVBoxLayout* pageLayout() const { return pageLayout_; }

private:
    QLineEdit* addField(const FieldSpec& desc, bool readOnly);
    static QWidget* choiceWidget(QButtonGroup* group);
    void nextRow(const FieldSpec& desc, QWidget* label);

    FieldBinder binder_;
    QGroupBox* group_;
    QGridLayout* grid_;
    QHBoxLayout* buttons_;
    QVBoxLayout* pageLayout_;
    std::map<std::string, QLabel*> labels_;
    bool twoColumns_ = false;
    bool closingStretch_ = true;  // the page layout still ends in its stretch
    int groups_ = 1;
    int row_ = -1;
    int column_ = 0;
    std::string rowHeading_;
};

// A form taller than its place, in a scroll area.
QScrollArea* scrollable(QWidget* form);

// Shows a report table as the page's table: titles in the fixed row, then the rows; its
// name becomes the table's sheet name.
void showReportTable(ResultTable* table, const Table& report);

struct PageOptions {
    QString group;                                      // the group box title
    QString computeText = QStringLiteral("计算");       // the compute button
    QString helpTopic;                                  // "参考资料" topic, or none
    QString resultGroup;                                // results in a group of their own
    std::vector<std::pair<std::string, QString>> groupsBefore;  // field key → group it opens
    bool resultFields = true;  // false: the results show only as text or a table
    std::vector<std::string> notFields;  // inputs the page shows otherwise (a table)
    std::string outputsAfter;  // the input after which the result fields stand, or at the end
};

template <class In, class Out>
class ModelPage : public FormPage {
public:
    ModelPage(const CalculatorDef<In, Out>& def, const PageOptions& options, QWidget* parent = nullptr)
        : FormPage(options.group, parent), def_(def)
    {
        setTwoColumns(def_.inputs.size() + (options.resultFields ? def_.outputs.size() : 0) > 9);
        const auto addOutputs = [&] {
            if (options.resultGroup.isEmpty()) addGap();
            else startGroup(options.resultGroup);
            for (const auto& f : def_.outputs) add(result_, f, true);
        };
        for (const auto& f : def_.inputs) {
            for (const auto& [key, title] : options.groupsBefore)
                if (key == f.desc.key) startGroup(title);
            if (std::find(options.notFields.begin(), options.notFields.end(), f.desc.key) != options.notFields.end())
                continue;
            add(input_, f);
            if (options.resultFields && f.desc.key == options.outputsAfter) addOutputs();
        }
        if (options.resultFields && options.outputsAfter.empty()) addOutputs();
        if (!options.computeText.isEmpty()) addButton(options.computeText, [this] { compute(); });
        if (!options.helpTopic.isEmpty()) addHelpButton(options.helpTopic);
        binder().write();
    }

    // The compute cycle; false when a check refused the inputs.
    bool compute()
    {
        binder().read();  // a text that is not a number leaves the previous value in use
        Out out = def_.compute(input_);
        if (const Refusal* refusal = refusalOf(out)) {
            refuse(*refusal);
            return false;
        }
        result_ = std::move(out);
        binder().write();
        if (onComputed) onComputed(makeReport(def_, result_));
        return true;
    }

    // What the page shows besides its result fields: the result text and tables.
    std::function<void(const Report&)> onComputed;

    const In& input() const { return input_; }
    const Out& result() const { return result_; }

protected:
    // The page's own record, for actions beyond the compute button.
    In& record() { return input_; }

private:
    const CalculatorDef<In, Out>& def_;
    In input_{};
    Out result_{};
};

}  // namespace qelvo::ui
