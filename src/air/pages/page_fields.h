// A definition's fields by key, for the air pages that lay out their fields themselves (a
// form per tab, a form per tank) and apply the model's rules field by field.
#pragma once

#include <QLineEdit>
#include <QtGlobal>
#include <string_view>
#include <variant>

#include "common/calculator.h"
#include "presentation/form_page.h"

namespace qelvo::ui {

template <class In, class Out>
const Field<In>& inputField(const CalculatorDef<In, Out>& def, std::string_view key)
{
    for (const auto& f : def.inputs)
        if (f.desc.key == key) return f;
    qFatal("%s has no input %.*s", def.id.c_str(), int(key.size()), key.data());
}

// Lays out the named inputs of a definition on a form, bound to `object`, in this order.
template <class In, class Out>
void addInputs(FormPage& form, In& object, const CalculatorDef<In, Out>& def, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) form.add(object, inputField(def, key));
}

template <class S>
void setFieldEnabled(FormPage& form, const S& object, const Field<S>& f, bool enabled)
{
    std::visit([&](auto m) { form.setFieldsEnabled(object, enabled, m); }, f.member);
}

template <class S>
void setFieldVisible(FormPage& form, const S& object, const Field<S>& f, bool visible)
{
    std::visit([&](auto m) { form.setFieldsVisible(object, visible, m); }, f.member);
}

// Double-precision fields show up to 15 significant digits: their edits are made wide enough
// for them (the form's edits are sized for single precision).
template <class S>
void fitDoubleFields(FormPage& form, const S& object, const Fields<S>& fields)
{
    for (const auto& f : fields) {
        if (f.desc.kind != FieldKind::Double) continue;
        QLineEdit* edit = form.lineEdit(object, std::get<double S::*>(f.member));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000.00000000000")) + 12);
    }
}

}  // namespace qelvo::ui
