#include "noise/pages/noise_pages.h"

#include "noise/pages/decibel_calculator_window.h"
#include "noise/pages/highway_2009_page.h"
#include "noise/pages/highway_jtg2006_page.h"
#include "noise/pages/industrial_noise_page.h"
#include "noise/pages/noise_evaluation_page.h"
#include "noise/pages/workshop_pages.h"

namespace qelvo::ui {

const PageList& noisePages()
{
    static const PageList list = {
        window(noise::decibelCalculatorDef(), [](QWidget* owner) { openDecibelCalculator(owner); }),
        page(noise::evaluationCalculator(), [](QWidget* parent) { return new NoiseEvaluationPage(parent); }),
        page(noise::greenCalculator(), [](QWidget* parent) { return new GreenPage(parent); }),
        page(noise::stueberCalculator(), [](QWidget* parent) { return new StueberPage(parent); }),
        page(noise::highway2006Calculator(), [](QWidget* parent) { return new Highway2006Page(parent); }),
        page(noise::industrialCalculator(),
             [](const PageSlot& slot, QWidget* parent) { return new IndustrialNoisePage(slot, parent); }),
        page(noise::highway2009Calculator(),
             [](const PageSlot& slot, QWidget* parent) { return new Highway2009Page(slot, parent); }),
    };
    return list;
}

}  // namespace qelvo::ui
