#include "air/screening/builtin_engine.h"

#include "air/screening/deck_reader.h"
#include "air/screening/listing_writer.h"
#include "air/screening/screening_run.h"

namespace qelvo::air {

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
    run->result.engine = name();
    run->result.listing = screening::writeListing(*run, kBuiltinEngineName);
    outcome.result = std::move(run->result);
    return outcome;
}

}  // namespace qelvo::air
