// Stand-in engines for the screening tests.
//
// ReplayEngine answers a deck equal to one of the stored SCREEN3 decks under data/ with the
// listing SCREEN3 made from it, read by the listing reader, and fails on any other deck.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "air/screening/screening_engine.h"

namespace qelvo::air::testing {

// The stored cases (folder names under data/), sorted.
std::vector<std::string> storedCases();

// A stored file of a case: "screen3.inp", "SCREEN.OUT" or "README.txt".
std::string storedFile(const std::string& caseName, const std::string& file);

class ReplayEngine : public ScreeningEngine {
public:
    explicit ReplayEngine(int limit = 50) : limit_(limit) {}

    std::string name() const override { return "SCREEN3"; }
    int distanceLimit() const override { return limit_; }
    ScreeningOutcome run(const std::string& deck, const std::function<bool()>& cancelled = {}) override;

    std::vector<std::string> decks;  // every deck it was given, in order

private:
    int limit_;
};

// An engine whose answer a test writes as a function of the deck.
class FunctionEngine : public ScreeningEngine {
public:
    using Answer = std::function<ScreeningOutcome(const std::string& deck)>;
    FunctionEngine(Answer answer, int limit, std::string name = "测试引擎")
        : answer_(std::move(answer)), limit_(limit), name_(std::move(name))
    {
    }

    std::string name() const override { return name_; }
    int distanceLimit() const override { return limit_; }
    ScreeningOutcome run(const std::string& deck, const std::function<bool()>& = {}) override
    {
        decks.push_back(deck);
        return answer_(deck);
    }

    std::vector<std::string> decks;

private:
    Answer answer_;
    int limit_;
    std::string name_;
};

}  // namespace qelvo::air::testing
