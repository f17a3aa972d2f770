// A calculator page: a group of labelled fields, result fields and action buttons.
//
// FormPage lays out fields from their FieldSpecs (fields that share a row heading stand on
// one line) and owns the FieldBinder. ModelPage adds the compute cycle for one model:
// read the fields, compute, show a refusal or write every member back.
#pragma once

#include <QWidget>
#include <functional>

#include "common/calculator.h"
#include "presentation/field_binder.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
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

    FieldBinder binder_;
    QGroupBox* group_;
    QGridLayout* grid_;
    QHBoxLayout* buttons_;
    QVBoxLayout* pageLayout_;
    int row_ = -1;
    int column_ = 0;
    std::string rowHeading_;
};

struct PageOptions {
    QString group;                                      // the group box title
    QString computeText = QStringLiteral("计算");       // the compute button
    QString helpTopic;                                  // "参考资料" topic, or none
};

template <class In, class Out>
class ModelPage : public FormPage {
public:
    ModelPage(const CalculatorDef<In, Out>& def, const PageOptions& options, QWidget* parent = nullptr)
        : FormPage(options.group, parent), def_(def)
    {
        for (const auto& f : def_.inputs) binder().bind(addInput(f.desc), input_, f);
        addGap();
        for (const auto& f : def_.outputs) binder().bind(addOutput(f.desc), result_, f);
        addButton(options.computeText, [this] { compute(); });
        if (!options.helpTopic.isEmpty()) addHelpButton(options.helpTopic);
        binder().write();
    }

    void compute()
    {
        binder().read();  // a text that is not a number leaves the previous value in use
        Out out = def_.compute(input_);
        if (const Refusal* refusal = refusalOf(out)) {
            refuse(*refusal);
            return;
        }
        result_ = std::move(out);
        binder().write();
    }

    const In& input() const { return input_; }
    const Out& result() const { return result_; }

private:
    const CalculatorDef<In, Out>& def_;
    In input_{};
    Out result_{};
};

}  // namespace qelvo::ui
