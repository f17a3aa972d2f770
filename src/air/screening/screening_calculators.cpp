#include "air/screening/screening_calculators.h"

#include <algorithm>

#include "air/screening/screening_engine.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

constexpr char kRowSeparator = ',';
constexpr char kCellSeparator = ':';

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct SplitTable {
    std::vector<std::vector<std::string>> rows;
    bool tooMany = false;
    bool malformed = false;
};

// Rows separated by commas, cells by colons; every row has `cells` cells, or one fewer when
// the last may be left out. A text of blanks has no rows.
SplitTable splitTable(std::string_view text, std::size_t cells, bool lastOptional, std::size_t maxRows)
{
    SplitTable t;
    if (trimmed(text).empty()) return t;
    if (static_cast<std::size_t>(std::count(text.begin(), text.end(), kRowSeparator)) >= maxRows) {
        t.tooMany = true;
        return t;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(kRowSeparator, start), text.size());
        const std::string_view row = text.substr(start, end - start);
        std::vector<std::string> parts;
        std::size_t from = 0;
        for (;;) {
            const std::size_t to = std::min(row.find(kCellSeparator, from), row.size());
            parts.emplace_back(trimmed(row.substr(from, to - from)));
            if (to == row.size()) break;
            from = to + 1;
        }
        if (lastOptional && parts.size() + 1 == cells) parts.emplace_back("0");
        const bool blank = std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
        if (parts.size() != cells || blank) {
            t.malformed = true;
            return t;
        }
        t.rows.push_back(std::move(parts));
        if (end == text.size()) return t;
        start = end + 1;
    }
}

// The tables' names in messages, by their keys.
std::string tableName(std::string_view key)
{
    if (key == "pollutants") return "污染物";
    if (key == "simpleTerrain") return "简单地形连续自动点输入";
    return "任意地形任意点输入";
}

Refusal tableRefusal(const SplitTable& t, const char* form, std::size_t maxRows, const char* key)
{
    const std::string name = tableName(key);
    if (t.tooMany) return {cformat("%s最多%zu行，请重新输入！", name.c_str(), maxRows), key};
    if (t.malformed) return {name + "应写成 " + form + "，多行之间用逗号分隔，请重新输入！", key};
    return {};
}

std::vector<TerrainRow> terrainRows(const SplitTable& t)
{
    std::vector<TerrainRow> rows;
    for (const auto& r : t.rows) rows.push_back({r[0], r[1]});
    return rows;
}

// Without its page, a volume source's initial dimensions follow the sides and the site unless
// they are given.
void deriveVolumeDimensions(ScreeningSource& s)
{
    if (!s.sigmaY0Given) s.sigmaY0 = sigmaY0ForSides(s.volumeLength, s.volumeWidth);
    if (!s.sigmaZ0Given) s.sigmaZ0 = sigmaZ0ForSite(s.volumeSite, s.volumeHeight, s.volumeBuildingHeight);
}

}  // namespace

ScreeningRequest readScreeningInput(const ScreeningInput& in)
{
    ScreeningRequest r;
    r.source = in;
    deriveVolumeDimensions(r.source);

    const SplitTable pollutants = splitTable(in.pollutantsText, 3, false, kMaxPollutantRows);
    r.refusal = tableRefusal(pollutants, "名称:源强:标准", kMaxPollutantRows, "pollutants");
    if (r.refusal.refused()) return r;
    if (pollutants.rows.empty()) {
        r.refusal = {"至少需要一个污染物，请重新输入！", "pollutants"};
        return r;
    }
    for (const auto& row : pollutants.rows) r.pollutants.push_back({row[0], row[1], row[2]});

    const SplitTable simple = splitTable(in.simpleTerrainText, 2, true, kMaxTerrainRows);
    r.refusal = tableRefusal(simple, "距离:相对源高", kMaxTerrainRows, "simpleTerrain");
    if (r.refusal.refused()) return r;
    r.source.simpleTerrain = terrainRows(simple);

    const SplitTable points = splitTable(in.arbitraryPointsText, 2, true, kMaxTerrainRows);
    r.refusal = tableRefusal(points, "距离:相对源高", kMaxTerrainRows, "arbitraryPoints");
    if (r.refusal.refused()) return r;
    r.source.arbitraryPoints = terrainRows(points);
    return r;
}

Refusal checkTableCells(const std::vector<std::vector<std::string>>& rows, const std::string& key)
{
    for (const auto& row : rows)
        for (const auto& cell : row)
            if (cell.find(kRowSeparator) != std::string::npos || cell.find(kCellSeparator) != std::string::npos)
                return {tableName(key) + "中不能含有逗号或冒号，请重新输入！", key};
    return {};
}

std::string tableText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (r) text += kRowSeparator;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c) text += kCellSeparator;
            text += row[c];
        }
    }
    return text;
}

ScreeningEstimate computeScreening(const ScreeningInput& in)
{
    ScreeningEstimate out;
    out.listing = in.listing;
    const ScreeningRequest request = readScreeningInput(in);
    if (request.refusal.refused()) {
        out.refusal = request.refusal;
        return out;
    }
    out.estimation = runEstimation(request.source, request.pollutants, static_cast<GradeCriterion>(in.criterion),
                                   screeningEngine());
    const Estimation& e = out.estimation;
    if (e.refusal.refused()) {
        out.refusal = e.refusal;
        return out;
    }
    const bool anyComputed = std::any_of(e.pollutants.begin(), e.pollutants.end(),
                                         [](const PollutantEstimate& p) { return p.computed; });
    if (!anyComputed) {
        // No run gave a result (no program, every run failed): say why, as the engine said it.
        out.refusal = {e.pollutants.empty() ? std::string("估算没有结果！") : e.pollutants.front().failure, ""};
        return out;
    }
    if (e.dominant >= 0) {
        const PollutantEstimate& d = e.pollutants[static_cast<std::size_t>(e.dominant)];
        out.dominant = d.name;
        out.cmax = d.cmax;
        out.pmax = d.p;
        out.dmax = d.dmax;
        out.hmax = d.hmax;
        out.d10 = d.d10Text;
    }
    return out;
}

void presentScreening(const ScreeningEstimate& out, Report& report)
{
    const Estimation& e = out.estimation;
    report.messages.insert(report.messages.end(), e.failures.begin(), e.failures.end());
    report.text = e.report;
    report.tables.push_back(e.table);
    if (!out.listing) return;
    for (const auto& p : e.pollutants)
        if (p.computed) report.text += "\n" + p.listing;
}

const CalculatorDef<ScreeningInput, ScreeningEstimate>& screen3Calculator()
{
    using In = ScreeningInput;
    using Out = ScreeningEstimate;
    static const CalculatorDef<In, Out> def{
        "air.screen3",
        "估算模式SCREEN3计算08新导则",
        {
            choiceField<In>("type", "类型", &In::type, {"点源", "面源", "体源", "点源（火炬）"}),
            field<In>("pollutants", "污染物（名称:源强[g/s]:标准[mg/m^3]，逗号分隔）", &In::pollutantsText),
            field<In>("ambientTemperature", "环境温度 [℃]", &In::ambientTemperature),
            choiceField<In>("location", "项目位置", &In::location, {"乡村", "城市"}),
            choiceField<In>("meteorology", "气象筛选法", &In::meteorology,
                            {"自动筛选", "指定稳定度", "指定稳定度和10米风速"}),
            choiceField<In>("stability", "稳定度", &In::stability, {"A", "B", "C", "D", "E", "F"}),
            field<In>("windSpeed", "10m风速[m/s]", &In::windSpeed),
            field<In>("receptorHeight", "计算点离地高度[m]", &In::receptorHeight),
            field<In>("stackHeight", "烟囱几何高度 [m] ", &In::stackHeight),
            field<In>("exitTemperature", "烟气排放温度 [℃] ", &In::exitTemperature),
            field<In>("stackDiameter", "烟囱内径 [m] ", &In::stackDiameter),
            field<In>("exitVelocity", "烟气流速 [m/s] ", &In::exitVelocity),
            checkField<In>("downwash", "考虑建筑物下洗", &In::downwash),
            field<In>("buildingLength", "建筑物长[m]", &In::buildingLength),
            field<In>("buildingWidth", "宽[m]", &In::buildingWidth),
            field<In>("buildingHeight", "高[m]", &In::buildingHeight),
            checkField<In>("fumigation", "考虑熏烟", &In::fumigation),
            checkField<In>("shorelineFumigation", "海岸线熏烟", &In::shorelineFumigation),
            field<In>("shorelineDistance", "海岸线离源最短距离[m]", &In::shorelineDistance),
            field<In>("areaHeight", "面源有效高度 [m]", &In::areaHeight),
            field<In>("areaWidth", "面源宽度     [m]", &In::areaWidth),
            field<In>("areaLength", "面源长度     [m]", &In::areaLength),
            choiceField<In>("angleSearch", "角度搜索", &In::angleSearch, {"自动搜索", "特定角度"}),
            field<In>("angle", "相对长边角度[度]", &In::angle),
            field<In>("volumeHeight", "体源有效高度 [m] ", &In::volumeHeight),
            field<In>("volumeWidth", "体源宽度 [m] ", &In::volumeWidth),
            field<In>("volumeLength", "体源长度 [m] ", &In::volumeLength),
            checkField<In>("sigmaZ0Given", "初始垂直扩散参数σz0 [m] ", &In::sigmaZ0Given),
            field<In>("sigmaZ0", "σz0 [m]（给定时）", &In::sigmaZ0),
            checkField<In>("sigmaY0Given", "初始横向扩散参数σy0 [m] ", &In::sigmaY0Given),
            field<In>("sigmaY0", "σy0 [m]（给定时）", &In::sigmaY0),
            choiceField<In>("volumeSite", "体源位于:", &In::volumeSite, {"平地上", "高地上", "建筑物上"}),
            field<In>("volumeBuildingHeight", "建筑物高度 [m] ", &In::volumeBuildingHeight),
            field<In>("flareHeight", "火炬烟囱几何高度 [m] ", &In::flareHeight),
            field<In>("heatRelease", "总的热释放率 [Cal/s] ", &In::heatRelease),
            field<In>("simpleTerrain", "简单地形连续自动点输入（距离:相对源高，逗号分隔）", &In::simpleTerrainText),
            field<In>("arbitraryPoints", "任意地形任意点输入（距离:相对源高，逗号分隔）", &In::arbitraryPointsText),
            choiceField<In>("criterion", "评价等级判据", &In::criterion, {"HJ2.2-2008", "HJ2.2-2018"}),
            checkField<In>("listing", "附估算报告全文", &In::listing),
        },
        {
            field<Out>("dominant", "Pmax最大的污染物", &Out::dominant),
            field<Out>("Cmax", "下风向最大浓度C [mg/m^3]", &Out::cmax),
            field<Out>("Pmax", "浓度占标率P [％]", &Out::pmax),
            field<Out>("Dmax", "下风向最大距离 [m]", &Out::dmax),
            field<Out>("Hmax", "相对源高 [m]", &Out::hmax),
            field<Out>("D10", "D10 [m]", &Out::d10),
        },
        &computeScreening,
        &presentScreening,
    };
    return def;
}

ProtectionOutcome computeProtection(const ProtectionInput& in)
{
    ProtectionOutcome out = runProtectionDistance(in, screeningEngine());
    if (!out.refusal.refused() && !out.failure.empty()) out.refusal = {out.failure, ""};
    return out;
}

const CalculatorDef<ProtectionInput, ProtectionOutcome>& protectionDistanceCalculator()
{
    using In = ProtectionInput;
    static const CalculatorDef<In, ProtectionOutcome> def{
        "air.protection_distance",
        "大气环境防护距离08新导则",
        {
            field("He", "面源有效高度 [m]", &In::He),
            field("W", "面源    宽度 [m]", &In::W),
            field("L", "面源    长度 [m]", &In::L),
            field("Q", "污染源强 [g/s]", &In::Q),
            field("pollutant", "污 染 因 子", &In::pollutant),
            field("S", "环境标准浓度限值[mg/m^3]", &In::S),
        },
        {},
        &computeProtection,
        [](const ProtectionOutcome& out, Report& report) { report.text = out.text; },
    };
    return def;
}

}  // namespace qelvo::air
