#include "air/pollutant_standards.h"

namespace qelvo::air {

const std::vector<PollutantStandard>& pollutantStandards()
{
    // Maximum one-time concentrations permitted in the air of residential areas.
    static const std::vector<PollutantStandard> list = {
        {"苯", "2.40"},     {"二甲苯", "0.30"}, {"甲苯", "0.60"},   {"丙酮", "0.80"},     {"氟化物", "0.02"},
        {"氯化氢", "0.05"}, {"苯乙烯", "0.01"}, {"乙醛", "0.01"},   {"丙烯腈", "0.05"},   {"丙烯醛", "0.10"},
        {"甲醛", "0.05"},   {"硫化氢", "0.01"}, {"硫酸", "0.30"},   {"氯丁二烯", "0.10"}, {"飘尘", "0.50"},
        {"异丙醇", "0.60"}, {"乙酸丁酯", "0.10"}, {"DMF", "0.03"},  {"辛醇", "0.15"},     {"醋酸乙酯", "0.10"},
        {"丁酮", "0.40"},   {"苯并芘", "0.01"},
    };
    return list;
}

std::string pollutantLimit(std::string_view name)
{
    for (const auto& p : pollutantStandards())
        if (name == p.name) return p.limit;
    return {};
}

}  // namespace qelvo::air
