#include "air/screening/deck_reader.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstring>
#include <vector>

#include "air/screening/meteorology.h"
#include "air/screening/plume_rise.h"
#include "air/screening/screening_constants.h"
#include "common/number_format.h"

namespace qelvo::air::screening {
namespace {

constexpr std::size_t kTitleBytes = 79;
constexpr double kMaxDiscreteDistance = 100000;  // m; farther discrete distances are re-asked
constexpr double kMaxAspect = 10;                // area sides L/W
constexpr double kMinDistance = 1;               // m
constexpr double kMinFumigationHeight = 10;      // m
// The built-in engine has no 50-distance table; this only refuses absurd decks before their
// rows take memory and time.
constexpr std::size_t kMaxDistanceEntries = 10000;

// The deck ended while SCREEN3 was still asking.
struct DeckEnded {
    const char* prompt;
};
// The deck asks for something the built-in engine does not compute.
struct Unsupported {
    std::string what;
};
// More distances than one run is allowed to hold.
struct TooMany {};

// A Fortran list-directed real: sign, digits with an optional point, optional exponent
// (E or D). Returns false for anything else.
bool fortranReal(std::string_view token, double& value)
{
    if (token.empty()) return false;
    std::string text;
    std::size_t i = 0;
    if (token[0] == '+' || token[0] == '-') text.push_back(token[i++]);
    bool digits = false;
    while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
        text.push_back(token[i++]);
        digits = true;
    }
    if (i < token.size() && token[i] == '.') {
        text.push_back(token[i++]);
        while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
            text.push_back(token[i++]);
            digits = true;
        }
    }
    if (!digits) return false;
    if (i < token.size() && std::strchr("EeDd", token[i])) {
        text.push_back('e');
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) text.push_back(token[i++]);
        bool exponent = false;
        while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) {
            text.push_back(token[i++]);
            exponent = true;
        }
        if (!exponent) return false;
    }
    if (i != token.size()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    // SCREEN3 keeps its inputs in single precision.
    if (!std::isfinite(value) || std::fabs(value) > 3.4e38) return false;
    value = single(value);
    return true;
}

bool fortranInteger(std::string_view token, int& value)
{
    const char* first = token.data() + (token[0] == '+' ? 1 : 0);
    const char* last = token.data() + token.size();
    const auto r = std::from_chars(first, last, value);
    return r.ec == std::errc() && r.ptr == last;
}

// The blank- or comma-separated values of one line, up to a slash.
std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',')) ++i;
        if (i >= line.size() || line[i] == '/') break;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',' && line[i] != '/') ++i;
        out.push_back(line.substr(start, i - start));
    }
    return out;
}

// The answers of a deck, one line per prompt, in order.
class Answers {
public:
    explicit Answers(std::string_view deck)
    {
        std::size_t start = 0;
        while (!deck.empty() && start <= deck.size()) {
            std::size_t end = deck.find('\n', start);
            if (end == std::string_view::npos) end = deck.size();
            std::string_view line = deck.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(line);
            if (end == deck.size()) break;
            start = end + 1;
        }
        // A final line end does not start another answer.
        if (!lines_.empty() && lines_.back().empty() && !deck.empty() && deck.back() == '\n') lines_.pop_back();
    }

    bool empty() const { return lines_.empty(); }

    std::string_view next(const char* prompt)
    {
        if (at_ == lines_.size()) throw DeckEnded{prompt};
        return lines_[at_++];
    }

    // Y or N; any other answer asks again.
    bool yes(const char* prompt)
    {
        for (;;) {
            const std::string_view line = next(prompt);
            const auto i = line.find_first_not_of(' ');
            if (i == std::string_view::npos) continue;
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
            if (c == 'Y') return true;
            if (c == 'N') return false;
        }
    }

    // Y or N for a question the deck may leave out at its end: nothing more answers N.
    bool yesUnlessEnded(const char* prompt)
    {
        try {
            return yes(prompt);
        } catch (const DeckEnded&) {
            return false;
        }
    }

    // `count` reals, list-directed: a line short of values continues on the next; a value that
    // is not a number asks again from the following line.
    std::vector<double> reals(const char* prompt, std::size_t count)
    {
        std::vector<double> values;
        while (values.size() < count) {
            bool bad = false;
            for (std::string_view t : tokens(next(prompt))) {
                double v;
                if (!fortranReal(t, v)) {
                    bad = true;
                    break;
                }
                values.push_back(v);
                if (values.size() == count) break;
            }
            if (bad) values.clear();
        }
        return values;
    }
    double real(const char* prompt) { return reals(prompt, 1)[0]; }

    // Counts one automated range, discrete distance or complex-terrain entry.
    void countEntry()
    {
        if (++entries_ > kMaxDistanceEntries) throw TooMany{};
    }

    int integer(const char* prompt)
    {
        for (;;) {
            const auto t = tokens(next(prompt));
            int v;
            if (!t.empty() && fortranInteger(t[0], v)) return v;
        }
    }

private:
    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
    std::size_t entries_ = 0;
};

// "1"/"U" urban, "2"/"R" rural (read first as an integer, then by the first character).
bool urbanAnswer(Answers& in)
{
    for (;;) {
        const std::string_view line = in.next("城市/农村");
        const auto t = tokens(line);
        int v;
        if (!t.empty() && fortranInteger(t[0], v)) {
            if (v == 1) return true;
            if (v == 2) return false;
            continue;
        }
        if (line.empty()) continue;
        const char c = line[0];
        if (c == 'U' || c == 'u' || c == '1') return true;
        if (c == 'R' || c == 'r' || c == '2') return false;
    }
}

// Exit velocity as a number, or VM= (m³/s) or VF= (ACFM) to be turned into m/s.
double exitVelocity(Answers& in, double diameter)
{
    for (;;) {
        const std::string_view line = in.next("出口速度");
        const auto t = tokens(line);
        if (t.empty()) continue;
        double v;
        if (fortranReal(t[0], v)) return v;
        const std::string head(t[0].substr(0, std::min<std::size_t>(3, t[0].size())));
        std::string upper = head;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if ((upper == "VM=" || upper == "VF=") && fortranReal(t[0].substr(3), v)) {
            const double area = kPi * diameter * diameter;
            constexpr double kCubicFoot = 0.3048 * 0.3048 * 0.3048;  // m³
            return single(upper == "VM=" ? 4 * v / area : kCubicFoot * v / (15 * area));
        }
    }
}

void readMeteorology(Answers& in, ScreeningCase& c)
{
    for (;;) {
        const int choice = in.integer("气象条件选择");
        if (choice >= 1 && choice <= 3) {
            c.met = static_cast<MetMode>(choice);
            break;
        }
    }
    if (c.met == MetMode::Full) return;
    for (;;) {
        c.stabilityClass = in.integer("稳定度");
        if (c.stabilityClass >= 1 && c.stabilityClass <= kClassCount) break;
    }
    if (c.met != MetMode::ClassAndWind) return;
    for (;;) {
        c.windSpeed = in.real("风速");
        if (c.windSpeed >= 1 && c.windSpeed <= maxWindSpeed(c.stabilityClass)) break;
    }
}

// A terrain height (≥ 0, and ≥ `lowest`).
double terrainHeight(Answers& in, double lowest)
{
    for (;;) {
        const double h = in.real("地形高度");
        if (h >= 0 && h >= lowest) return h;
    }
}


void readAutomated(Answers& in, ScreeningCase& c)
{
    if (!in.yes("自动距离")) return;
    double lowest = 0, previousMax = -1e30;
    for (;;) {
        AutomatedRange r;
        if (c.elevated) r.terrain = lowest = terrainHeight(in, lowest);
        for (;;) {
            const auto v = in.reals("距离范围", 2);
            if (v[0] < previousMax) continue;
            r.xMin = std::max(v[0], kMinDistance);
            r.xMax = v[1];
            previousMax = v[1];
            break;
        }
        c.automated.push_back(r);
        in.countEntry();
        if (!c.elevated || !in.yes("继续新的地形高度")) return;
    }
}

// Distances ended by one below `end`; farther than 100 km asked again.
std::vector<double> distanceList(Answers& in, ScreeningCase& c)
{
    const bool area = c.kind == SourceKind::Area;
    std::vector<double> out;
    for (;;) {
        const double x = in.real("离散距离");
        if (area ? x <= 0 : x < kMinDistance) return out;
        if (x > kMaxDiscreteDistance) continue;
        out.push_back(x);
        in.countEntry();
    }
}

void readDiscrete(Answers& in, ScreeningCase& c)
{
    if (!in.yes("离散距离")) return;
    if (!c.elevated) {
        c.discrete.push_back({0, distanceList(in, c)});
        return;
    }
    for (;;) {
        DiscreteGroup g;
        g.terrain = terrainHeight(in, 0);
        g.distances = distanceList(in, c);
        c.discrete.push_back(g);
        if (!in.yes("继续新的地形高度")) return;
    }
}

void readComplexTerrain(Answers& in, ScreeningCase& c, double releaseHeight)
{
    c.complexTerrain = in.yes("复杂地形");
    if (!c.complexTerrain) return;
    for (;;) {
        const auto v = in.reals("复杂地形高度和距离", 2);
        const double ht = v[0], x = v[1];
        if (ht == 0 || x == 0) break;
        if (ht <= releaseHeight || x > kMaxDiscreteDistance) continue;
        if (x < kMinDistance || ht < 1) break;
        c.complexEntries.push_back({ht, x});
        in.countEntry();
    }
    c.simpleTerrain = in.yes("继续简单地形");
}

// Point and flare, from the building question on.
void readStackOptions(Answers& in, ScreeningCase& c)
{
    const double releaseHeight = c.kind == SourceKind::Flare ? flareReleaseHeight(c.height, c.heatRelease) : c.height;
    c.building = in.yes("建筑物下洗");
    if (c.building) {
        for (;;) {
            const auto v = in.reals("建筑物尺寸", 3);
            if (v[0] < 0 || v[1] < 0 || v[2] < 0) continue;
            c.buildingHeight = v[0];
            c.buildingMin = std::min(v[1], v[2]);
            c.buildingMax = std::max(v[1], v[2]);
            break;
        }
    }
    readComplexTerrain(in, c, releaseHeight);
    if (!c.simpleTerrain) return;
    c.elevated = in.yes("简单地形高于源基底");
    readMeteorology(in, c);
    readAutomated(in, c);
    readDiscrete(in, c);
    // The deck writer decides on the flare's stack height, this question on its release height:
    // a flare between the two writes no fumigation answer and its deck may end here.
    if (!c.urban && releaseHeight >= kMinFumigationHeight) {
        c.fumigation = in.yesUnlessEnded("熏烟");
        if (c.fumigation) {
            c.shoreline = in.yesUnlessEnded("岸边熏烟");
            if (c.shoreline) c.shoreDistance = in.real("到岸边距离");
        }
    }
}

// Q and the values after it; SCREEN3 starts again at Q when Q ≤ 0 or any value is negative.
void readPoint(Answers& in, ScreeningCase& c)
{
    for (;;) {
        c.emission = in.real("排放速率");
        c.height = in.real("烟囱高度");
        c.diameter = in.real("烟囱内径");
        c.exitVelocity = exitVelocity(in, c.diameter);
        c.gasTemp = in.real("烟气温度");
        c.ambientTemp = in.real("环境温度");
        c.receptorHeight = in.real("受体高度");
        if (c.emission > 0 && c.height >= 0 && c.diameter >= 0 && c.exitVelocity >= 0 && c.gasTemp >= 0
            && c.ambientTemp >= 0 && c.receptorHeight >= 0)
            break;
    }
    c.urban = urbanAnswer(in);
    readStackOptions(in, c);
}

void readFlare(Answers& in, ScreeningCase& c)
{
    for (;;) {
        c.emission = in.real("排放速率");
        c.height = in.real("火炬高度");
        c.heatRelease = in.real("总热释放率");
        c.receptorHeight = in.real("受体高度");
        if (c.emission > 0 && c.height >= 0 && c.heatRelease >= 0 && c.receptorHeight >= 0) break;
    }
    c.urban = urbanAnswer(in);
    readStackOptions(in, c);
}

void readArea(Answers& in, ScreeningCase& c)
{
    for (;;) {
        c.emission = in.real("面源排放速率");
        c.height = in.real("面源高度");
        for (;;) {
            const double a = in.real("面源边长"), b = in.real("面源边长");
            c.sideLong = std::max(a, b);
            c.sideShort = std::min(a, b);
            if (c.sideShort > 0 && c.sideLong / c.sideShort <= kMaxAspect) break;
        }
        c.receptorHeight = in.real("受体高度");
        if (c.emission > 0 && c.height >= 0 && c.receptorHeight >= 0) break;
    }
    c.urban = urbanAnswer(in);
    c.directionSearch = in.yes("风向搜索");
    if (!c.directionSearch) c.angle = in.real("风向与长边夹角");
    readMeteorology(in, c);
    readAutomated(in, c);
    readDiscrete(in, c);
}

void readVolume(Answers& in, ScreeningCase& c)
{
    for (;;) {
        c.emission = in.real("排放速率");
        c.height = in.real("体源高度");
        c.sigmaY0 = in.real("初始横向尺度");
        c.sigmaZ0 = in.real("初始垂向尺度");
        c.receptorHeight = in.real("受体高度");
        if (c.emission > 0 && c.height >= 0 && c.sigmaY0 >= 0 && c.sigmaZ0 >= 0 && c.receptorHeight >= 0) break;
    }
    c.urban = urbanAnswer(in);
    c.elevated = in.yes("简单地形高于源基底");
    readMeteorology(in, c);
    readAutomated(in, c);
    readDiscrete(in, c);
}

// The source type, from the first character; the rest of the line must be blank (the
// non-regulatory options there are not computed by the built-in engine).
SourceKind sourceKind(Answers& in)
{
    for (;;) {
        const std::string_view line = in.next("污染源类型");
        if (line.empty()) continue;
        SourceKind kind;
        switch (std::toupper(static_cast<unsigned char>(line[0]))) {
        case 'P': kind = SourceKind::Point; break;
        case 'F': kind = SourceKind::Flare; break;
        case 'A': kind = SourceKind::Area; break;
        case 'V': kind = SourceKind::Volume; break;
        default: continue;
        }
        if (line.find_first_not_of(' ', 1) != std::string_view::npos) throw Unsupported{std::string(line)};
        return kind;
    }
}

}  // namespace

std::string screeningTitle(std::string_view line)
{
    std::string title(line.substr(0, std::min(line.size(), kTitleBytes)));
    // A UTF-8 sequence cut at the end becomes blanks.
    std::size_t i = title.size();
    std::size_t lead = i;
    while (lead > 0 && (static_cast<unsigned char>(title[lead - 1]) & 0xC0) == 0x80) --lead;
    if (lead > 0) {
        const unsigned char first = static_cast<unsigned char>(title[lead - 1]);
        const std::size_t need = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        if (first >= 0xC0 && i - (lead - 1) < need) std::fill(title.begin() + (lead - 1), title.end(), ' ');
    }
    title.resize(kTitleBytes, ' ');
    return title;
}

DeckReading readScreeningDeck(std::string_view deck)
{
    DeckReading out;
    Answers in(deck);
    if (in.empty()) {
        out.failure = "估算输入为空，无法计算！";
        return out;
    }
    try {
        ScreeningCase c;
        c.title = screeningTitle(in.next("标题"));
        c.kind = sourceKind(in);
        switch (c.kind) {
        case SourceKind::Point: readPoint(in, c); break;
        case SourceKind::Flare: readFlare(in, c); break;
        case SourceKind::Area: readArea(in, c); break;
        case SourceKind::Volume: readVolume(in, c); break;
        }
        // The hard-copy question comes after the listing is complete; a deck may end before it.
        in.yesUnlessEnded("打印");
        out.screeningCase = std::move(c);
    } catch (const DeckEnded& e) {
        out.failure = cformat("估算输入不完整：缺少“%s”的应答，请检查输入！", e.prompt);
    } catch (const TooMany&) {
        out.failure = cformat("估算输入的距离超过%zu个，请减少距离后再计算！", kMaxDistanceEntries);
    } catch (const Unsupported& e) {
        out.failure = cformat("内置估算模型不支持污染源类型行的选项“%s”，请改用外部SCREEN3！", e.what.c_str());
    }
    return out;
}

}  // namespace qelvo::air::screening
