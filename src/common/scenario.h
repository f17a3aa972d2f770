// Scenario files: a page's inputs saved as a small JSON file and read back, by the page
// (Ctrl+S / Ctrl+O) and by `qelvo-calc run ID --inputs FILE`.
//
//   {"calculator": "solid.sludge", "version": "1.6.2.1", "inputs": {"Q": "80", "P": "25"}}
//
// Every input is kept as the text the field showed, so reading it back goes through the same
// parse rules as typing it. A file is checked whole before any of it is used: it must be
// UTF-8 JSON of this shape, made for the same calculator, every key one of its inputs and
// every text a value of that input's kind. Files are written whole or not at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo {

struct Scenario {
    std::string calculator;  // the calculator id
    std::string version;     // the program version that wrote it (informative)
    Assignments inputs;      // key, text, in the file's order
};

// Larger files are refused before they are read.
constexpr std::size_t kMaxScenarioBytes = 1 << 20;

// The file's text for a calculator's inputs, with this program's version.
std::string scenarioText(const std::string& calculatorId, const Assignments& inputs);

// Writes the file (see common/atomic_file.h); an empty text, or the message to show.
std::string writeScenario(const std::string& path, const std::string& calculatorId, const Assignments& inputs);

struct ScenarioRead {
    Scenario scenario;
    std::string problem;  // empty when the file can be used
};

// The scenario in a file's bytes, or the problem: not UTF-8, not JSON, not of the shape
// above. `name` is the file's name for the messages.
ScenarioRead parseScenario(std::string_view bytes, const std::string& name);

// Whether a scenario fits a calculator: its id, and every input's key and text. An empty
// text, or the problem.
std::string checkScenario(const Scenario& scenario, const std::string& name, const std::string& calculatorId,
                          const std::vector<FieldSpec>& inputs);

// Reads, parses and checks a file for a calculator.
ScenarioRead readScenario(const std::string& path, const std::string& calculatorId,
                          const std::vector<FieldSpec>& inputs);

}  // namespace qelvo
