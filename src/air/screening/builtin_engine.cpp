#include "air/screening/builtin_engine.h"

#include <cmath>

#include "air/screening/deck_reader.h"
#include "air/screening/listing_writer.h"
#include "air/screening/screening_run.h"

namespace qelvo::air {
namespace {

// A safety net: double precision holds every value single-precision inputs can lead to, but a
// report must never show inf or nan, so a run that produced one gives no numbers.
bool finiteResult(const ScreeningResult& r)
{
    double sum = 0;
    for (const auto* sections : {&r.automated, &r.discrete})
        for (const auto& s : *sections)
            for (const auto& row : s.rows) sum += row.concentration + row.sigmaY + row.sigmaZ + row.plumeHeight;
    for (const auto& v : r.valley) sum += v.max24h;
    for (const auto& s : r.summary) sum += s.concentration + s.distance;
    return std::isfinite(sum);
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
