#include "air/screening/builtin_engine.h"

#include <cmath>

#include "air/screening/deck_reader.h"
#include "air/screening/listing_writer.h"
#include "air/screening/screening_run.h"

namespace qelvo::air {
namespace {

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// A safety net: double precision holds every value single-precision inputs can lead to, but a
// report must never show inf or nan, so a run that produced one gives no numbers.
bool finiteResult(const ScreeningResult& r)
{
    for (const auto* sections : {&r.automated, &r.discrete})
        for (const auto& s : *sections)
            for (const auto& row : s.rows)
                if (!finite({row.concentration, row.u10, row.ustk, row.mixingHeight, row.plumeHeight, row.sigmaY,
                             row.sigmaZ}))
                    return false;
    for (const auto& v : r.valley)
        if (!finite({v.max24h, v.valley24h, v.valleyPlumeHeight, v.simple24h, v.simplePlumeHeight})) return false;
    for (const auto& s : r.summary)
        if (!finite({s.concentration, s.distance})) return false;
    return true;
}

}  // namespace

ScreeningOutcome BuiltinScreeningEngine::run(const std::string& deck, const std::function<bool()>& cancelled)
{
    ScreeningOutcome outcome;
    const screening::DeckReading reading = screening::readScreeningDeck(deck);
    if (!reading.screeningCase) {
        outcome.failure = reading.failure;
        return outcome;
    }
    auto run = screening::runScreening(*reading.screeningCase, cancelled);
    if (!run) {
        outcome.failure = "估算计算已取消。";
        return outcome;
    }
    if (!finiteResult(run->result)) {
        outcome.failure = "估算输入的数值超出计算范围，请检查输入！";
        return outcome;
    }
    run->result.engine = name();
    run->result.listing = screening::writeListing(*run, kBuiltinEngineName);
    outcome.result = std::move(run->result);
    return outcome;
}

}  // namespace qelvo::air
