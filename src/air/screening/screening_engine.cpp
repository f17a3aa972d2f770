#include "air/screening/screening_engine.h"

#include "air/screening/builtin_engine.h"
#include "common/replaceable.h"

namespace qelvo::air {
namespace {

Replaceable<ScreeningEngine>& installed()
{
    static Replaceable<ScreeningEngine> engine;
    return engine;
}

}  // namespace

ScreeningEngine& screeningEngine()
{
    static BuiltinScreeningEngine builtin;
    return installed().get(builtin);
}

ScreeningEngine* setScreeningEngine(ScreeningEngine* engine) { return installed().install(engine); }

}  // namespace qelvo::air
