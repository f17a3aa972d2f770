// `qelvo-calc batch ID cases.csv`: one computation per CSV record.
//
// The header names input keys; each later record is one case, its empty cells the inputs'
// defaults. Every case prints one CSV record: its number, the result fields by key, and the
// refusal (a failed input check, a value of the wrong kind, a record of the wrong length) in
// the last column, empty when the case was computed; a refused case does not stop the batch.
#pragma once

#include <iosfwd>
#include <string>

#include "common/calculator.h"

namespace qelvo::cli {

struct BatchOptions {
    std::string name;       // the file's name, for messages
    long progressEvery = 0;  // a progress line on `err` after every so many cases; 0: none
    bool sameLine = false;  // progress lines overwrite each other (a terminal)
};

// Returns the exit code: kExitOk when every case was computed, kExitRefused when a case was
// refused or the file could not be read to its end (the cases before are printed),
// kExitUsage for a header that names no input of the calculator.
int runBatch(const Calculator& calc, std::istream& cases, std::ostream& out, std::ostream& err,
             const BatchOptions& options);

}  // namespace qelvo::cli
