// Rules that the industrial and the 2009 highway forms share for their attenuations.
#pragma once

namespace qelvo::ui {

class FormPage;

// A barrier rules out the ground effect: its check is cleared and disabled, and hm follows.
void barrierExcludesGround(FormPage& form, bool barrier);

// "自动计算" beside a: the absorption coefficient from T, hr, pa and f of the form's fields.
void fillAirAbsorption(FormPage& form, float T, float hr, float pa, float f);

}  // namespace qelvo::ui
