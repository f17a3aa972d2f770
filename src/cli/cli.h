// qelvo-calc: every calculator from the shell, with the pages' rules and texts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::cli {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 2;  // an input check failed; its message is on stderr
constexpr int kExitUsage = 64;   // unknown command, id or key, or a value of the wrong kind
constexpr int kExitInternal = 70;  // the program failed (out of memory, a bug); never a crash

// Runs one command line; nothing is thrown out of it: a failure inside is said on `err` and
// answered with kExitInternal.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) noexcept;

// What `run` prints for a finished computation: messages, the text, the result fields
// (key=value), each table (titles, then rows, tab-separated), each curve (its title, the two
// axis labels, then x<Tab>y per point); with `json` the same as one JSON object.
void printReport(const std::string& id, const Report& report, bool json, std::ostream& out);

}  // namespace qelvo::cli
