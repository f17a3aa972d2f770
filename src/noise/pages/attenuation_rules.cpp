#include "noise/pages/attenuation_rules.h"

#include <QAbstractButton>

#include "noise/industrial_noise.h"
#include "presentation/form_page.h"

namespace qelvo::ui {

void barrierExcludesGround(FormPage& form, bool barrier)
{
    auto* ground = qobject_cast<QAbstractButton*>(form.binder().widgetFor("ground"));
    if (barrier && ground->isChecked()) {
        QSignalBlocker quiet(ground);
        ground->setChecked(false);
    }
    ground->setEnabled(!barrier);
    form.setFieldsEnabled({"hm"}, !barrier && ground->isChecked());
}

void fillAirAbsorption(FormPage& form, float T, float hr, float pa, float f)
{
    const auto r = noise::computeAirAbsorption({T, hr, pa, f});
    if (r.refusal.refused()) return form.refuse(r.refusal);
    qobject_cast<QLineEdit*>(form.binder().widgetFor("a"))->setText(QString::fromStdString(formatSingle(r.a)));
}

}  // namespace qelvo::ui
