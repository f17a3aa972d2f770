// For every input field of a calculator in turn, values at the edges of what a field takes
// (0, −1, ±1e−38, ±3e38): each must give a refusal or a report without nan or inf in it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/calculator.h"

namespace qelvo::air::testing {

inline bool showsNonNumber(const std::string& text)
{
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

inline bool reportHasNonNumber(const Report& report)
{
    for (const auto& [key, value] : report.fields)
        if (showsNonNumber(value)) return true;
    if (showsNonNumber(report.text)) return true;
    for (const auto& t : report.tables)
        for (const auto& row : t.rows)
            for (const auto& cell : row)
                if (showsNonNumber(cell)) return true;
    return false;
}

template <class In, class Out>
void expectResultOrRefusal(const CalculatorDef<In, Out>& def, In base = {})
{
    static const char* const values[] = {"0", "-1", "1e-38", "-1e-38", "3e38", "-3e38"};
    for (const auto& f : def.inputs)
        for (const char* value : values) {
            In in = base;
            if (!assignText(in, f, value)) continue;  // a choice or check that takes no such value
            const Out out = def.compute(in);
            if (refusalOf(out)) continue;
            EXPECT_FALSE(reportHasNonNumber(makeReport(def, out))) << def.id << " " << f.desc.key << "=" << value;
        }
}

}  // namespace qelvo::air::testing
