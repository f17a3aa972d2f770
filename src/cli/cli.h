// qelvo-calc: every calculator from the shell, with the pages' rules and texts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qelvo::cli {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 2;  // an input check failed; its message is on stderr
constexpr int kExitUsage = 64;   // unknown command, id or key, or a value of the wrong kind

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qelvo::cli
