// Design rainstorm intensity from a city's local formula, and the rainwater flow of a
// catchment. Formulas are kept as written in the handbook (rainstorm_table.cpp) and read by
// a small parser that both evaluates them and lays them out for display.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::water {

struct RainstormEntry {
    const char* province;
    const char* city;      // empty for the four municipalities
    const char* formula;   // "q = 910(1 + 0.61·lgP)/t^0.49" or "i = …"
};

const std::vector<RainstormEntry>& rainstormTable();

// The province list in order, and the entries of one province in order.
const std::vector<std::string>& rainstormProvinces();
std::vector<const RainstormEntry*> rainstormCities(int province);

// A parsed formula: q in L/(s·ha) directly, or i in mm/min.
class RainFormula {
public:
    explicit RainFormula(const std::string& text);  // a text the table holds
    ~RainFormula();
    RainFormula(RainFormula&&) noexcept;

    bool intensityInMm() const { return mm_; }  // i-kind
    double evaluate(double P, double t) const;
    // q in L/(s·ha): i-kind formulas are converted with 10000/60.
    double q(double P, double t) const;

    // The four-line display: numerator, "q =  ───  [unit]", exponent, denominator.
    std::string display(bool withUnit = true) const;

    struct Node;

private:
    bool mm_ = false;
    std::unique_ptr<Node> root_;
};

// The display text of an entry (the handbook's own texts where the table holds them).
std::string rainstormDisplay(const RainstormEntry& entry, bool withUnit = true);

struct RainstormInput {
    int province = 0;
    std::string city;  // a city of the province by name or index; empty: the first
    float P = 2;       // years
    float t = 15;      // minutes
    float S = 10000;   // m^2
    float psi = 0.9f;  // runoff coefficient
};

struct RainstormResult {
    float q = 0;   // L/(s·ha)
    float Q = 0;   // L/s
    Refusal refusal;
};

// The entry a (province, city) pair selects; null when there is none.
const RainstormEntry* rainstormEntry(int province, int city);
const RainstormEntry* rainstormEntry(int province, const std::string& city);

RainstormResult computeRainstorm(const RainstormInput& in);

// The page's result text: q, and Q in L/s and m^3/h.
std::string rainstormText(const RainstormResult& r);

const CalculatorDef<RainstormInput, RainstormResult>& rainstormCalculator();

}  // namespace qelvo::water
