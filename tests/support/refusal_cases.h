// A table of inputs a model must refuse: each case changes the defaults and names the message
// and the field the focus goes to.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "common/calculator.h"

namespace qelvo::testing {

template <class In>
struct RefusalCase {
    void (*set)(In&);
    const char* message;
    const char* focus;
};

// Runs `compute` on each case (the defaults, changed) and checks its refusal.
template <class In, class Compute>
void expectRefusals(const std::vector<RefusalCase<In>>& cases, Compute compute)
{
    for (const auto& c : cases) {
        In in{};
        c.set(in);
        const Refusal r = compute(in).refusal;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.focusKey, c.focus) << c.message;
    }
}

}  // namespace qelvo::testing
