// Checks every domain's calculator list passes: its commands stand in its own menus, no
// slot or id is listed twice, ids carry the domain's prefix, and each built calculator runs
// on its defaults.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/catalogue.h"

namespace qelvo::testing {

inline void expectListServesItsMenus(const CalculatorList& list, const std::set<int>& buttonIds,
                                     const std::string& idPrefix)
{
    std::set<int> ownCommands;
    for (const auto& menu : categoryLayout())
        if (buttonIds.count(menu.buttonId)) ownCommands.insert(menu.commands.begin(), menu.commands.end());
    std::set<int> slots;
    std::set<std::string> ids;
    for (const auto& e : list) {
        const std::string name = e.calculator ? e.calculator->id : e.label;
        if (e.command != 0) {
            EXPECT_TRUE(ownCommands.count(e.command)) << name << " lists command " << e.command;
        }
        if (e.slot != 0) {
            EXPECT_TRUE(slots.insert(e.slot).second) << name << " lists slot " << e.slot << " again";
        }
        EXPECT_FALSE(e.label.empty()) << name;
        if (!e.calculator) continue;
        EXPECT_EQ(e.calculator->id.rfind(idPrefix, 0), 0u) << e.calculator->id;
        EXPECT_TRUE(ids.insert(e.calculator->id).second) << e.calculator->id << " listed twice";
        EXPECT_EQ(e.label, e.calculator->label) << e.calculator->id;
        const RunOutcome outcome = e.calculator->run({});
        EXPECT_NE(outcome.status, RunOutcome::Status::BadInput) << e.calculator->id << ": " << outcome.problem;
    }
}

}  // namespace qelvo::testing
