// SCREEN3 input decks: the answers to SCREEN3's prompts, one per line, in the order it asks them.
//
// A deck covers one source and one pollutant; only its title and emission rate change from
// pollutant to pollutant. SCREEN3 re-asks a prompt it cannot accept and reads the next line as
// the answer, which shifts every later answer, so everything that SCREEN3 would reject is
// refused here with a message before a deck is written.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "air/screening/screening_source.h"
#include "common/calculator.h"

namespace qelvo::air {

// SCREEN3 reads the title line as this many bytes.
inline constexpr std::size_t kDeckTitleBytes = 79;

struct Deck {
    std::string text;  // empty when refused
    Refusal refusal;
};

// The title line of an estimation deck, without its line end: the pollutant name is shortened
// on a UTF-8 character boundary so that the line keeps within kDeckTitleBytes.
std::string deckTitle(std::string_view pollutantName);

// An area source without area, or whose longer side is more than 10 times the shorter one
// (SCREEN3 re-asks its sides); the focus goes to `widthKey`.
Refusal checkAreaSides(float width, float length, const char* widthKey);

// The distances a deck puts into SCREEN3's distance table: one per automated range (the closing
// range to 25000 m included) and one per discrete distance.
int distanceCount(const ScreeningSource& source);

// Everything of the source that SCREEN3 would not accept, in the order of the form; with a
// distance limit (0: none), also a deck holding more distances than that.
Refusal checkSource(const ScreeningSource& source, int distanceLimit = 0);

// A pollutant name with a line break or another control character would shift the deck.
Refusal checkPollutantName(std::string_view name);

// The deck for one pollutant of emission rate q [g/s], or the first refusal of checkSource,
// checkPollutantName and q > 0.
Deck writeDeck(const ScreeningSource& source, std::string_view pollutantName, double q, int distanceLimit = 0);

// The receptor distances of the protection-distance deck: 10 … 100 m by 10, 150 … 5000 m by 50.
std::span<const double> protectionDistances();

// The protection-distance decks: the whole distance list in one deck, or, when an engine holds
// at most distanceLimit distances in one run, in consecutive decks of at most that many.
std::vector<std::string> writeProtectionDecks(const ProtectionInput& in, int distanceLimit = 0);

}  // namespace qelvo::air
