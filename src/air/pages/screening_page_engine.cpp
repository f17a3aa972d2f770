#include "air/pages/screening_page_engine.h"

#include <QSettings>

#include "air/screening/screening_engine_choice.h"

namespace qelvo::ui {
namespace {

ScreeningEngineMaker& installed()
{
    static ScreeningEngineMaker maker;
    return maker;
}

}  // namespace

std::unique_ptr<air::ScreeningEngine> pageScreeningEngine()
{
    if (installed()) return installed()();
    return air::chosenScreeningEngine(QSettings(QStringLiteral("Qelvo"), QStringLiteral("Qelvo")));
}

ScreeningEngineMaker setPageScreeningEngineMaker(ScreeningEngineMaker maker)
{
    ScreeningEngineMaker previous = std::move(installed());
    installed() = std::move(maker);
    return previous;
}

}  // namespace qelvo::ui
