// qelvo-calc screen < screen3.inp
// Runs the built-in screening engine on a SCREEN3 input deck read from standard input and
// writes the listing, so that the engine can be compared with SCREEN3 deck for deck.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qelvo::cli {

int runScreen(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace qelvo::cli
