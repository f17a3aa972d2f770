// Binds a page's fields to its member values, in binding order.
//
// read() is the first step of every compute action: each field's text is stored into its
// member. At the first text that is not a number the standard request for a number is
// shown, the focus goes to that field, and it and every later field keep their previous
// values; the action goes on with them. write() is the last step: every member is shown
// again in its display form, so a field always shows the value the formulas received.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "common/fields.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace qelvo::ui {

class FieldBinder {
public:
    explicit FieldBinder(QWidget* page) : page_(page) {}

    // A number or text field bound to a member of a model struct.
    template <class S>
    void bind(QLineEdit* edit, S& object, const Field<S>& f)
    {
        addLineEdit(edit, f.desc,
                    [&object, f](const std::string& text) { return assignText(object, f, text); },
                    [&object, f] { return displayText(object, f); });
    }

    void bindChoice(QButtonGroup* group, int& index, std::string key = {});  // button ids 0, 1, …
    void bindCheck(QCheckBox* box, int& value, std::string key = {});
    void bindCombo(QComboBox* combo, int& index, std::string key = {});
    void bindComboText(QComboBox* combo, std::string& text, std::string key = {});

    bool read();
    void write();

    // The widget bound under a key (for moving the focus after a failed check), or null.
    QWidget* widgetFor(const std::string& key) const;

private:
    struct Binding {
        std::string key;
        QWidget* widget;
        FieldKind kind;
        std::function<bool()> read;
        std::function<void()> write;
    };
    void addLineEdit(QLineEdit* edit, const FieldSpec& desc, std::function<bool(const std::string&)> store,
                     std::function<std::string()> show);

    QWidget* page_;
    std::vector<Binding> bindings_;
};

}  // namespace qelvo::ui
