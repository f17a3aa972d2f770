// A calculator page: a group of labelled fields, result fields and action buttons.
//
// FormPage lays out fields from their FieldSpecs (fields that share a row heading stand on
// one line) and owns the FieldBinder. ModelPage adds the compute cycle for one model:
// read the fields, compute, show a refusal or write every member back.
//
// A page reaches its own fields by member pointer (lineEdit(&In::Abar), checkBox(&In::air),
// setValue(&In::d1, v), setFieldsEnabled(on, &In::a, &In::hr)): a renamed member does not
// compile, and asking for a field the page does not show stops the program at once with
// the member's key named.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

#include "common/calculator.h"
#include "presentation/field_binder.h"
#include "presentation/help_window.h"
#include "presentation/result_table.h"
#include "presentation/scenario_actions.h"

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

    // A field of a model struct, bound, with the widget its kind asks for: a line edit, a
    // check box, or the line of radio buttons of a choice.
    template <class S>
    QWidget* add(S& object, const Field<S>& f, bool readOnly = false)
    {
        const void* address = memberAddress(object, f);
        if (f.desc.kind == FieldKind::Choice) {
            QButtonGroup* group = addChoice(f.desc);
            binder_.bindChoice(group, object.*std::get<int S::*>(f.member), f.desc.key);
            remember(address, f.desc.key, choiceWidget(group), lastLabel_, group);
            return choiceWidget(group);
        }
        if (f.desc.kind == FieldKind::Check) {
            QCheckBox* box = addCheck(f.desc);
            binder_.bindCheck(box, object.*std::get<int S::*>(f.member), f.desc.key);
            remember(address, f.desc.key, box, nullptr, nullptr);
            return box;
        }
        QLineEdit* edit = addField(f.desc, readOnly);
        binder_.bind(edit, object, f);
        remember(address, f.desc.key, edit, lastLabel_, nullptr);
        return edit;
    }

    // The widgets of the field bound to `object.*m`.
    template <class S, class T>
    QWidget* fieldWidget(const S& object, T S::*m) const
    {
        return shown(&(object.*m)).field;
    }
    template <class S, class T>
    QLineEdit* lineEdit(const S& object, T S::*m) const
    {
        return typed<QLineEdit>(shown(&(object.*m)), "a line edit");
    }
    template <class S, class T>
    QLabel* label(const S& object, T S::*m) const
    {
        return shown(&(object.*m)).label;
    }
    template <class S>
    QButtonGroup* choiceGroup(const S& object, int S::*m) const
    {
        const Shown& f = shown(&(object.*m));
        if (!f.group) wrongKind(f, "a choice");
        return f.group;
    }
    template <class S>
    QCheckBox* checkBox(const S& object, int S::*m) const
    {
        return typed<QCheckBox>(shown(&(object.*m)), "a check box");
    }
    // Shows a value in the field bound to `object.*m`; the page reads it at its next read.
    template <class S, class T>
    void setValue(const S& object, T S::*m, const T& value)
    {
        const Shown& f = shown(&(object.*m));
        if constexpr (std::is_same_v<T, int>) {
            if (f.group) {
                if (auto* b = f.group->button(value)) b->setChecked(true);
                return;
            }
            if (auto* box = qobject_cast<QCheckBox*>(f.field)) {
                box->setChecked(value != 0);
                return;
            }
        }
        typed<QLineEdit>(f, "a line edit")->setText(QString::fromStdString(displayValue(value)));
    }
    // Enables fields (a choice: its whole line of buttons); their labels stay as they are.
    template <class S, class... T>
    void setFieldsEnabled(const S& object, bool enabled, T S::*... members)
    {
        (setShownEnabled(shown(&(object.*members)), enabled), ...);
    }
    // Shows or hides fields with their labels.
    template <class S, class... T>
    void setFieldsVisible(const S& object, bool visible, T S::*... members)
    {
        (setShownVisible(shown(&(object.*members)), visible), ...);
    }

    // Two fields a row, for pages with many fields.
    void setTwoColumns(bool on);

    // Later fields go into a group box of their own ("计算结果").
    void startGroup(const QString& title);

    // A button right after a field's widget ("自动计算" beside the value it computes).
    QPushButton* addButtonBeside(QWidget* field, const QString& text, std::function<void()> action);

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

    // Leaves a little room between the inputs and the results.
    void addGap();
    QPushButton* addButton(const QString& text, std::function<void()> action);
    // "参考资料": opens the help topic of the page; every press opens the same topic.
    QPushButton* addHelpButton(const QString& locator);

    // Shows a failed check's message and moves the focus where the check says.
    void refuse(const Refusal& refusal);

    // Saving and reopening the inputs of `def` that this page shows for `object` as a
    // scenario file: Ctrl+S, Ctrl+O and the right-click menu (presentation/scenario_actions.h).
    // Inputs the page shows elsewhere are saved and restored in `object` itself.
    template <class In, class Out>
    void addScenarios(const CalculatorDef<In, Out>& def, In& object)
    {
        addScenarioActions(this, scenarioSource(def, object));
    }

    // The same for a page whose inputs stand on several forms (joinScenarioSources).
    template <class In, class Out>
    ScenarioSource scenarioSource(const CalculatorDef<In, Out>& def, In& object)
    {
        ScenarioSource source;
        source.calculatorId = def.id;
        for (const auto& f : def.inputs) source.inputs.push_back(f.desc);
        const auto* fields = &def.inputs;
        source.read = [this] { return binder().read(); };
        source.texts = [this, fields, &object] {
            Assignments texts;
            for (const auto& f : *fields) {
                const void* address = memberAddress(object, f);
                std::string text = shownWidget(address) ? shownText(address) : displayText(object, f);
                if (f.desc.kind == FieldKind::Choice && !acceptsText(f.desc, text)) text = displayText(object, f);
                texts.emplace_back(f.desc.key, std::move(text));
            }
            return texts;
        };
        source.show = [this, fields, &object](const Assignments& texts) {
            // Inputs shown elsewhere (a field in the button row, a list) go into the record
            // and are shown from there; then the fields of the form.
            bool elsewhere = false;
            for (const auto& [key, text] : texts)
                for (const auto& f : *fields)
                    if (f.desc.key == key && !shownWidget(memberAddress(object, f)))
                        elsewhere = assignText(object, f, text) || elsewhere;
            if (elsewhere) binder().write();
            for (const bool choices : {true, false}) {
                for (const auto& [key, text] : texts) {
                    for (const auto& f : *fields) {
                        const bool choice = f.desc.kind == FieldKind::Choice || f.desc.kind == FieldKind::Check;
                        if (f.desc.key != key || choice != choices) continue;
                        const void* address = memberAddress(object, f);
                        if (!shownWidget(address)) continue;
                        if (choice) showText(address, std::to_string(parseWhole(f.desc, text).value_or(0)));
                        else showText(address, text);
                    }
                }
            }
        };
        source.widgetFor = [this, fields, &object](const std::string& key) -> QWidget* {
            for (const auto& f : *fields)
                if (f.desc.key == key) return shownWidget(memberAddress(object, f));
            return nullptr;
        };
        return source;
    }

    QGroupBox* group() const { return group_; }
    QVBoxLayout* pageLayout() const { return pageLayout_; }

private:
    // The widgets of one field the page shows.
    struct Shown {
        std::string key;
        QWidget* field = nullptr;  // line edit, check box, or the line of a choice's buttons
        QLabel* label = nullptr;   // in front of it, where it has one
        QButtonGroup* group = nullptr;
    };

    QLineEdit* addField(const FieldSpec& desc, bool readOnly);
    QButtonGroup* addChoice(const FieldSpec& desc);  // radio buttons, ids 0, 1, …
    QCheckBox* addCheck(const FieldSpec& desc);
    static QWidget* choiceWidget(QButtonGroup* group);
    void nextRow(const FieldSpec& desc, QWidget* label);
    void remember(const void* address, const std::string& key, QWidget* field, QLabel* label, QButtonGroup* group);
    const Shown& shown(const void* address) const;
    [[noreturn]] static void wrongKind(const Shown& f, const char* kind);
    template <class W>
    static W* typed(const Shown& f, const char* kind)
    {
        auto* w = qobject_cast<W*>(f.field);
        if (!w) wrongKind(f, kind);
        return w;
    }
    static void setShownEnabled(const Shown& f, bool enabled);
    static void setShownVisible(const Shown& f, bool visible);

protected:
    // A field's widgets by the address of its member, or null where the page does not show
    // it; its text as a field of its kind reads it ("1" for a checked box, the index of the
    // checked radio button), and showing a text in it.
    QWidget* shownWidget(const void* address) const;
    QButtonGroup* shownGroup(const void* address) const;
    std::string shownText(const void* address) const;
    void showText(const void* address, const std::string& text);

private:

    FieldBinder binder_;
    QGroupBox* group_;
    QGridLayout* grid_;
    QHBoxLayout* buttons_;
    QVBoxLayout* pageLayout_;
    std::map<const void*, Shown> shown_;  // by the address of the bound member
    QLabel* lastLabel_ = nullptr;          // the label the last field got
    bool twoColumns_ = false;
    bool closingStretch_ = true;  // the page layout still ends in its stretch
    int groups_ = 1;
    int row_ = -1;
    int column_ = 0;
    std::string rowHeading_;
};

// The width of an edit that shows a double with 15 significant digits.
int doubleFieldWidth(const QLineEdit* edit);

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
        setHelpCalculator(this, def_.id);  // F1 within the page opens this calculator's topic
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
        if (def_.choiceRule) followChoiceRules();
        binder().write();
        addScenarios(def_, input_);
    }

    // The compute cycle; false when a check refused the inputs (the model's checks or the
    // framework's: see evaluate in common/calculator.h).
    bool compute()
    {
        binder().read();  // a text that is not a number leaves the previous value in use
        Evaluation<Out> e = evaluate(def_, input_);
        if (e.refusal.refused()) {
            refuse(e.refusal);
            return false;
        }
        result_ = std::move(e.out);
        binder().write();
        if (onComputed) onComputed(e.report);
        return true;
    }

    // A second action of the page (another calculator on the same inputs, "显示计算结果",
    // "计算噪声达标所需距离"): read the fields, evaluate as the compute button does, show a
    // refusal and return nothing, or return the evaluation.
    template <class Out2>
    std::optional<Evaluation<Out2>> evaluateAction(const CalculatorDef<In, Out2>& def)
    {
        binder().read();
        Evaluation<Out2> e = evaluate(def, input_);
        if (e.refusal.refused()) {
            refuse(e.refusal);
            return std::nullopt;
        }
        return e;
    }

    // What the page shows besides its result fields: the result text and tables.
    std::function<void(const Report&)> onComputed;

    const In& input() const { return input_; }
    const Out& result() const { return result_; }

    // The page's fields by member pointer (see the top of this file).
    template <class T>
    QWidget* widgetOf(T In::*m) const { return fieldWidget(input_, m); }
    template <class T>
    QWidget* widgetOf(T Out::*m) const { return fieldWidget(result_, m); }
    template <class T>
    QLineEdit* lineEdit(T In::*m) const { return FormPage::lineEdit(input_, m); }
    template <class T>
    QLineEdit* lineEdit(T Out::*m) const { return FormPage::lineEdit(result_, m); }
    template <class T>
    QLabel* label(T In::*m) const { return FormPage::label(input_, m); }
    QButtonGroup* choiceGroup(int In::*m) const { return FormPage::choiceGroup(input_, m); }
    QCheckBox* checkBox(int In::*m) const { return FormPage::checkBox(input_, m); }
    template <class T>
    void setValue(T In::*m, const T& value) { FormPage::setValue(input_, m, value); }
    template <class... T>
    void setFieldsEnabled(bool enabled, T In::*... members) { FormPage::setFieldsEnabled(input_, enabled, members...); }
    template <class... T>
    void setFieldsVisible(bool visible, T In::*... members) { FormPage::setFieldsVisible(input_, visible, members...); }
    template <class T>
    QPushButton* addButtonBeside(T In::*m, const QString& text, std::function<void()> action)
    {
        return FormPage::addButtonBeside(widgetOf(m), text, std::move(action));
    }

protected:
    // The page's own record, for actions beyond the compute button.
    In& record() { return input_; }

private:
    // Making a choice runs the model's rule for it on the inputs as they stand in the fields,
    // and shows every input the rule changed.
    void followChoiceRules()
    {
        for (const auto& f : def_.inputs) {
            if (f.desc.kind != FieldKind::Choice && f.desc.kind != FieldKind::Check) continue;
            QWidget* w = shownWidget(memberAddress(input_, f));
            if (!w) continue;
            const std::string key = f.desc.key;
            if (auto* box = qobject_cast<QCheckBox*>(w)) {
                QObject::connect(box, &QAbstractButton::toggled, this, [this, key] { applyChoiceRule(key); });
            } else if (QButtonGroup* group = shownGroup(memberAddress(input_, f))) {
                QObject::connect(group, &QButtonGroup::idToggled, this, [this, key](int, bool on) {
                    if (on) applyChoiceRule(key);
                });
            }
        }
    }
    void applyChoiceRule(const std::string& key)
    {
        In shownNow = input_;
        for (const auto& f : def_.inputs) assignText(shownNow, f, shownText(memberAddress(input_, f)));
        In ruled = shownNow;
        def_.choiceRule(ruled, key);
        for (const auto& f : def_.inputs) {
            const std::string text = displayText(ruled, f);
            if (f.desc.key != key && text != displayText(shownNow, f)) showText(memberAddress(input_, f), text);
        }
    }

    const CalculatorDef<In, Out>& def_;
    In input_{};
    Out result_{};
};

}  // namespace qelvo::ui
