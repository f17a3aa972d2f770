// Reads a SCREEN3 input deck the way SCREEN3 answers its prompts.
//
// Each prompt takes the next line (numbers are read list-directed, so a prompt that wants two
// numbers continues on the next line when one holds only one). An answer SCREEN3 rejects
// re-issues the prompt, which then reads the following line: the second "Y" the point decks
// write before the meteorology choice is read and discarded that way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "air/screening/screening_case.h"

namespace qelvo::air::screening {

struct DeckReading {
    std::optional<ScreeningCase> screeningCase;
    std::string failure;  // why the deck gives no run, as the user reads it
};

DeckReading readScreeningDeck(std::string_view deck);

// The title as SCREEN3 keeps it: the first 79 bytes of the line. A UTF-8 character the cut
// splits is replaced by blanks so that the listing stays valid text.
std::string screeningTitle(std::string_view line);

}  // namespace qelvo::air::screening
