#include "air/screening/screening_engine.h"

#include <atomic>

#include "air/screening/builtin_engine.h"

namespace qelvo::air {
namespace {

std::atomic<ScreeningEngine*>& installed()
{
    static std::atomic<ScreeningEngine*> engine{nullptr};
    return engine;
}

}  // namespace

ScreeningEngine& screeningEngine()
{
    static BuiltinScreeningEngine builtin;
    ScreeningEngine* engine = installed().load();
    return engine ? *engine : builtin;
}

ScreeningEngine* setScreeningEngine(ScreeningEngine* engine) { return installed().exchange(engine); }

}  // namespace qelvo::air
