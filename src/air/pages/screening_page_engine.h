// The engine the screening pages run on: a new one for each computation, so a change of the
// setting "估算模型" holds from the next computation on. Tests install a stand-in.
#pragma once

#include <functional>
#include <memory>

#include "air/screening/screening_engine.h"

namespace qelvo::ui {

using ScreeningEngineMaker = std::function<std::unique_ptr<air::ScreeningEngine>()>;

// The engine for the next computation.
std::unique_ptr<air::ScreeningEngine> pageScreeningEngine();

// Installs a maker and returns the one it replaces; an empty maker restores the setting.
ScreeningEngineMaker setPageScreeningEngineMaker(ScreeningEngineMaker maker);

}  // namespace qelvo::ui
