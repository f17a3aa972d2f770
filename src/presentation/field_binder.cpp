#include "presentation/field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "presentation/messages.h"

namespace qelvo::ui {

void FieldBinder::addLineEdit(QLineEdit* edit, const FieldSpec& desc, std::function<bool(const std::string&)> store,
                              std::function<std::string()> show)
{
    bindings_.push_back({desc.key, edit, desc.kind,
                         [edit, store] { return store(edit->text().toStdString()); },
                         [edit, show] { edit->setText(QString::fromStdString(show())); }});
}

void FieldBinder::bindChoice(QButtonGroup* group, int& index, std::string key)
{
    auto* first = group->buttons().isEmpty() ? nullptr : group->buttons().first();
    bindings_.push_back({std::move(key), first, FieldKind::Choice,
                         [group, &index] {
                             if (group->checkedId() >= 0) index = group->checkedId();
                             return true;
                         },
                         [group, &index] {
                             if (auto* b = group->button(index)) b->setChecked(true);
                         }});
}

void FieldBinder::bindCheck(QCheckBox* box, int& value, std::string key)
{
    bindings_.push_back({std::move(key), box, FieldKind::Check,
                         [box, &value] {
                             value = box->isChecked() ? 1 : 0;
                             return true;
                         },
                         [box, &value] { box->setChecked(value != 0); }});
}

void FieldBinder::bindCombo(QComboBox* combo, int& index, std::string key)
{
    bindings_.push_back({std::move(key), combo, FieldKind::Choice,
                         [combo, &index] {
                             index = combo->currentIndex();
                             return true;
                         },
                         [combo, &index] { combo->setCurrentIndex(index); }});
}

void FieldBinder::bindComboText(QComboBox* combo, std::string& text, std::string key)
{
    bindings_.push_back({std::move(key), combo, FieldKind::Text,
                         [combo, &text] {
                             text = combo->currentText().toStdString();
                             return true;
                         },
                         [combo, &text] { combo->setCurrentText(QString::fromStdString(text)); }});
}

bool FieldBinder::read()
{
    for (const auto& b : bindings_) {
        if (b.read()) continue;
        showMessage(page_, b.kind == FieldKind::Integer ? kNotAnInteger : kNotANumber);
        b.widget->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(b.widget)) edit->selectAll();
        return false;
    }
    return true;
}

void FieldBinder::write()
{
    for (const auto& b : bindings_) b.write();
}

QWidget* FieldBinder::widgetFor(const std::string& key) const
{
    for (const auto& b : bindings_)
        if (!key.empty() && b.key == key) return b.widget;
    return nullptr;
}

}  // namespace qelvo::ui
