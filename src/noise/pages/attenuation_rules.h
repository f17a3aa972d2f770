// Rules that the industrial and the 2009 highway forms share for their attenuations. Both
// input structs name these fields alike (ground, hm, a, T, hr, pa, f).
#pragma once

#include <QCheckBox>
#include <QSignalBlocker>

#include "noise/industrial_noise.h"
#include "presentation/form_page.h"

namespace qelvo::ui {

// A barrier rules out the ground effect: its check is cleared and disabled, and hm follows.
template <class In, class Out>
void barrierExcludesGround(ModelPage<In, Out>& form, bool barrier)
{
    QCheckBox* ground = form.checkBox(&In::ground);
    if (barrier && ground->isChecked()) {
        QSignalBlocker quiet(ground);
        ground->setChecked(false);
    }
    ground->setEnabled(!barrier);
    form.setFieldsEnabled(!barrier && ground->isChecked(), &In::hm);
}

// "自动计算" beside a: the absorption coefficient from T, hr, pa and f of the form's fields.
template <class In, class Out>
void fillAirAbsorption(ModelPage<In, Out>& form)
{
    form.binder().read();
    const In& in = form.input();
    const auto r = noise::computeAirAbsorption({in.T, in.hr, in.pa, in.f});
    if (r.refusal.refused()) return form.refuse(r.refusal);
    form.setValue(&In::a, r.a);
}

}  // namespace qelvo::ui
