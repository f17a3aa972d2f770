#include "air/screening/estimation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "air/screening/deck_writer.h"
#include "common/number_format.h"
#include "common/number_parse.h"

namespace qelvo::air {
namespace {

// Listing concentrations are µg/m³: × 0.001 gives mg/m³, and against a standard in mg/m³
// × 0.1 gives percent (0.001 × 100).
constexpr double kMilligramsPerMicrogram = 0.001;
constexpr double kPercentPerMicrogramRatio = 0.1;

// HJ2.2-2008, 5.3.2 (grading table): 一级 for Pmax ≥ 80 % with D10% ≥ 5 km; 二级 from
// Pmax ≥ 10 % with a D10% (三级 below, or where D10% lies within the plant boundary).
constexpr float kFirstGradePercent2008 = 80;
constexpr float kFirstGradeD10 = 5000;
constexpr float kSecondGradePercent2008 = 10;
// HJ2.2-2018, 5.3.3 (grading table): 一级 Pmax ≥ 10 %, 二级 1 % ≤ Pmax < 10 %, 三级 Pmax < 1 %.
constexpr float kFirstGradePercent2018 = 10;
constexpr float kSecondGradePercent2018 = 1;
// D10% is the farthest distance where the ratio reaches 10 %.
constexpr double kD10Percent = 10;

constexpr std::size_t kFixedColumns = 4;  // 序号, 地形, 距离m, 源高m
constexpr std::size_t kDistanceColumn = 2;

// Light blues and greens (sky, mint, azure, pale green, aqua, sea green, powder blue, lime tint).
constexpr std::array<Rgb, 8> kPollutantColours{{
    {204, 236, 255}, {204, 255, 204}, {179, 229, 252}, {220, 237, 200},
    {178, 235, 242}, {178, 223, 219}, {187, 222, 251}, {230, 255, 204},
}};

enum class RowKind { Automated, Maximum, Discrete, Valley };

// One row as a pollutant's result lays it out.
struct LayoutRow {
    RowKind kind;
    double distance{};
    double terrain{};
    double concentration{};  // µg/m³; unused for the maximum row
};

// Automated rows in listing order with the maximum row after the last one at or before Dmax
// (first when none is), then the discrete rows, then the complex-terrain 24-hour rows.
std::vector<LayoutRow> layout(const ScreeningResult& r, const SummaryRow* chosen)
{
    std::vector<LayoutRow> rows;
    for (const auto& section : r.automated)
        for (const auto& row : section.rows)
            rows.push_back({RowKind::Automated, row.distance, section.terrainHeight, row.concentration});
    if (chosen) {
        const auto last = std::find_if(rows.rbegin(), rows.rend(),
                                       [&](const LayoutRow& row) { return row.distance <= chosen->distance; });
        rows.insert(last.base(), LayoutRow{RowKind::Maximum});
    }
    for (const auto& section : r.discrete)
        for (const auto& row : section.rows)
            rows.push_back({RowKind::Discrete, row.distance, section.terrainHeight, row.concentration});
    for (const auto& row : r.valley) rows.push_back({RowKind::Valley, row.distance, row.terrainHeight, row.max24h});
    return rows;
}

class Builder {
public:
    Builder(const std::vector<PollutantEntry>& pollutants, GradeCriterion criterion, std::string engineName)
        : criterion_(criterion), engineName_(std::move(engineName))
    {
        auto& t = e_.table;
        t.name = "估算模式Screen3计算结果";
        t.columns = {"序号", "地形", "距离m", "源高m"};
        t.columns.resize(kFixedColumns + 2 * pollutants.size());
    }

    Estimation& estimation() { return e_; }

    // Steps 1 to 3 of a pollutant: read its row and check it; false stops the computation.
    bool admit(const PollutantEntry& entry)
    {
        PollutantEstimate p;
        p.name = entry.name;
        p.q = leadingNumber(entry.q);
        p.standard = leadingNumber(entry.standard);
        if (p.q == 0) return refuse("污染物" + p.name + "源强不能为空");
        if (p.standard == 0) return refuse("污染物" + p.name + "标准值不能为空");
        if (p.name.empty()) return refuse("污染物名称不能为空");
        if (auto r = checkPollutantName(p.name); r.refused()) return refuse(r.message);
        // Texts such as "-1", "inf" or "nan" read as numbers but are no standard.
        if (std::signbit(p.standard) || !std::isfinite(p.standard))
            return refuse("污染物" + p.name + "标准值必须大于0，请重新输入！");
        const std::size_t column = kFixedColumns + 2 * e_.pollutants.size();
        e_.table.columns[column] = p.name + "下风向浓度mg／m＾3";
        e_.table.columns[column + 1] = p.name + "浓度占标率％";
        e_.pollutants.push_back(std::move(p));
        return true;
    }

    bool refuse(const std::string& message)
    {
        e_.refusal = {message, "pollutants"};
        return false;
    }

    void fail(const std::string& failure)
    {
        auto& p = e_.pollutants.back();
        p.failure = failure;
        e_.failures.push_back(p.name + "：" + failure);
    }

    void fill(const ScreeningResult& r)
    {
        const std::size_t index = e_.pollutants.size() - 1;
        auto& p = e_.pollutants[index];
        p.computed = true;
        p.listing = r.listing;
        p.engine = r.engine;
        const SummaryRow* chosen = chosenSummaryRow(r);
        if (chosen) {
            p.cmax = static_cast<float>(chosen->concentration * kMilligramsPerMicrogram);
            p.p = static_cast<float>(chosen->concentration / p.standard * kPercentPerMicrogramRatio);
            p.dmax = static_cast<float>(chosen->distance);
            p.hmax = static_cast<float>(chosen->terrainHeight.value_or(0));
        }
        const auto rows = layout(r, chosen);
        if (kinds_.empty()) createRows(rows, chosen);
        fillColumns(rows, index);

        const std::size_t column = kFixedColumns + 2 * index + 1;
        const D10 d10 = findD10(e_.table, column);
        p.d10 = d10.distance;
        p.d10Text = d10.text;
        e_.details += p.name + ":Pmax=" + formatG(p.p, 6) + "[%];" + "D10=" + p.d10Text + "[m]\n";
    }

    void finish()
    {
        e_.dominant = dominantPollutant(e_.pollutants);
        PollutantEstimate none;
        const auto& d = e_.dominant >= 0 ? e_.pollutants[static_cast<std::size_t>(e_.dominant)] : none;
        e_.grade = gradeText(d.p, d.d10, criterion_);
        e_.report = cformat("所筛选的污染物中%s的Pmax最大\n建议评价工作等级：%s\n%s下风向最大浓度C：%g [mg/m^3],"
                            "浓度占标率P：%g [％]\n下风向最大距离：%g [m],相对源高：%g [m]\n各污染物详细结果如下：\n%s",
                            d.name.c_str(), e_.grade.c_str(), d.name.c_str(), d.cmax, d.p, d.dmax, d.hmax,
                            e_.details.c_str());
        if (!engineName_.empty()) e_.report += "估算模型：" + engineName_ + "\n";
    }

private:
    void createRows(const std::vector<LayoutRow>& rows, const SummaryRow* chosen)
    {
        const auto& p = e_.pollutants.back();
        const std::size_t width = e_.table.columns.size();
        for (const auto& row : rows) {
            std::vector<std::string> cells(width);
            cells[0] = cformat("%d", static_cast<int>(e_.table.rows.size() + 1));
            if (row.kind == RowKind::Maximum) {
                const bool complex = chosen->label == kComplexTerrainLabel;
                cells[1] = complex ? "最大值复杂地形(24小时)" : "最大值简单地形";
                cells[2] = formatG(p.dmax, 6);
                cells[3] = formatG(p.hmax, 6);
            } else {
                cells[1] = row.kind == RowKind::Valley ? "复杂地形" : "简单地形";
                cells[2] = formatG(row.distance, 6);
                cells[3] = formatG(row.terrain, 6);
            }
            e_.table.rows.push_back(std::move(cells));
            e_.colours.emplace_back(width);
            if (row.kind == RowKind::Maximum) e_.colours.back().assign(width, kMaximumRowColour);
            kinds_.push_back(row.kind);
        }
    }

    // The n-th row of each kind in this result fills the n-th table row of that kind; rows the
    // table does not have are dropped, table rows the result does not have stay empty.
    void fillColumns(const std::vector<LayoutRow>& rows, std::size_t index)
    {
        const auto& p = e_.pollutants[index];
        std::map<RowKind, std::vector<const LayoutRow*>> byKind;
        for (const auto& row : rows) byKind[row.kind].push_back(&row);
        std::map<RowKind, std::size_t> next;
        const std::size_t column = kFixedColumns + 2 * index;
        const Rgb colour = pollutantColour(index);
        for (std::size_t t = 0; t < kinds_.size(); ++t) {
            const RowKind kind = kinds_[t];
            if (next[kind] >= byKind[kind].size()) continue;
            const LayoutRow& row = *byKind[kind][next[kind]++];
            auto& cells = e_.table.rows[t];
            if (row.kind == RowKind::Maximum) {
                cells[column] = formatG(p.cmax, 6);
                cells[column + 1] = formatG(p.p, 6);
                continue;
            }
            cells[column] = formatG(row.concentration * kMilligramsPerMicrogram, 6);
            cells[column + 1] = formatG(row.concentration / p.standard * kPercentPerMicrogramRatio, 6);
            e_.colours[t][column] = e_.colours[t][column + 1] = colour;
        }
    }

    Estimation e_;
    std::vector<RowKind> kinds_;
    GradeCriterion criterion_;
    std::string engineName_;
};

}  // namespace

Rgb pollutantColour(std::size_t index) { return kPollutantColours[index % kPollutantColours.size()]; }

const SummaryRow* chosenSummaryRow(const ScreeningResult& result)
{
    const SummaryRow* simple = result.summaryRow(kSimpleTerrainLabel);
    const SummaryRow* complex = result.summaryRow(kComplexTerrainLabel);
    if (!complex) return simple;
    if (!simple) return complex;
    return complex->concentration > simple->concentration ? complex : simple;
}

D10 findD10(const Table& table, std::size_t column)
{
    for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
        if (leadingNumber((*row)[column]) < kD10Percent) continue;
        const std::string& text = (*row)[kDistanceColumn];
        const auto distance = static_cast<float>(leadingNumber(text));
        return {distance, row == table.rows.rbegin() ? "大于" + text : formatG(distance, 6)};
    }
    return {};
}

std::string gradeText(float pmax, float d10, GradeCriterion criterion)
{
    if (criterion == GradeCriterion::Hj2018) {
        if (pmax >= kFirstGradePercent2018) return "一级";
        return pmax >= kSecondGradePercent2018 ? "二级" : "三级";
    }
    if (pmax >= kFirstGradePercent2008 && d10 >= kFirstGradeD10) return "一级";
    if (pmax >= kSecondGradePercent2008 && d10 != 0)
        return cformat("二级\n如果污染源距厂界最近距离>%gm,调整评价工作等级为三级。", d10);
    return "三级";
}

int dominantPollutant(const std::vector<PollutantEstimate>& pollutants)
{
    int best = -1;
    float most = 0;
    for (std::size_t i = 0; i < pollutants.size(); ++i)
        if (pollutants[i].p > most) {
            most = pollutants[i].p;
            best = static_cast<int>(i);
        }
    return best;
}

Estimation estimate(const std::vector<PollutantEntry>& pollutants, GradeCriterion criterion,
                    const std::string& engineName, const RunPollutant& run, const EstimationCallbacks& callbacks)
{
    Builder b(pollutants, criterion, engineName);
    auto& e = b.estimation();
    if (pollutants.empty()) {
        e.refusal = {"至少需要一个污染物，请重新输入！", "pollutants"};
        return e;
    }
    const auto cancelled = [&] { return callbacks.cancelled && callbacks.cancelled(); };
    for (std::size_t i = 0; i < pollutants.size(); ++i) {
        if (!b.admit(pollutants[i])) return e;
        if (cancelled()) {
            e.cancelled = true;
            return e;
        }
        const auto& p = e.pollutants.back();
        if (callbacks.progress) callbacks.progress(static_cast<int>(i), static_cast<int>(pollutants.size()), p.name);
        PollutantRun answer = run(p.name, p.q);
        if (answer.refusal.refused()) {
            e.refusal = answer.refusal;
            return e;
        }
        if (cancelled()) {
            e.cancelled = true;
            return e;
        }
        if (answer.outcome.ok()) b.fill(*answer.outcome.result);
        else b.fail(answer.outcome.failure);
    }
    b.finish();
    return e;
}

Estimation runEstimation(const ScreeningSource& source, const std::vector<PollutantEntry>& pollutants,
                         GradeCriterion criterion, ScreeningEngine& engine, const EstimationCallbacks& callbacks)
{
    const int limit = engine.distanceLimit();
    const auto run = [&](std::string_view name, double q) {
        PollutantRun answer;
        const Deck deck = writeDeck(source, name, q, limit);
        if (deck.refusal.refused()) answer.refusal = deck.refusal;
        else answer.outcome = engine.run(deck.text, callbacks.cancelled);
        return answer;
    };
    return estimate(pollutants, criterion, engine.name(), run, callbacks);
}

}  // namespace qelvo::air
