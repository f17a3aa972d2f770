#include "air/screening/listing_reader.h"

#include <optional>
#include <vector>

#include "common/number_parse.h"

namespace qelvo::air {
namespace {

// Marker lines of SCREEN3's listing, without their leading blanks.
constexpr std::string_view kAutomatedMarker = "*** SCREEN AUTOMATED DISTANCES ***";
constexpr std::string_view kDiscreteMarker = "*** SCREEN DISCRETE DISTANCES ***";
constexpr std::string_view kSummaryMarker = "*** SUMMARY OF SCREEN MODEL RESULTS ***";
constexpr std::string_view kRunHeader = "***  SCREEN3 MODEL RUN  ***";
// Contained in the first heading line of the complex-terrain 24-hour table.
constexpr std::string_view kValleyMarker = "*VALLEY 24-HR CALCS*";
// Contained in the line that gives a section's terrain height, and in the line before an
// automated section's maximum.
constexpr std::string_view kTerrainHeight = "TERRAIN HEIGHT OF";
constexpr std::string_view kMaximumHeading = "MAXIMUM 1-HR CONCENTRATION AT OR BEYOND";

// Columns of a distance row: point, flare and volume rows end with σy, σz and DWASH; area rows
// have the direction to the maximum after the plume height instead.
constexpr std::size_t kAreaRowTokens = 8;
constexpr std::size_t kValleyRowTokens = 10;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool isBlank(std::string_view s) { return trim(s).empty(); }

std::vector<std::string_view> tokens(std::string_view s)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && isSpace(s[i])) ++i;
        const std::size_t start = i;
        while (i < s.size() && !isSpace(s[i])) ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

std::optional<double> number(std::string_view token) { return parseDouble(token); }

// A column that cannot be read (a field SCREEN3 filled with asterisks) counts as 0.
double column(const std::vector<std::string_view>& t, std::size_t i) { return number(t[i]).value_or(0); }

// The dashed line under a table's column headings.
bool isHeadingRule(std::string_view line)
{
    const std::string_view s = trim(line);
    return s.size() >= 5 && s.substr(0, 5) == "-----";
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<ScreeningRow> parseRow(std::string_view line)
{
    const auto t = tokens(line);
    if (t.size() < kAreaRowTokens) return std::nullopt;
    const auto distance = number(t[0]), concentration = number(t[1]);
    if (!distance || !concentration) return std::nullopt;
    ScreeningRow row;
    row.distance = *distance;
    row.concentration = *concentration;
    row.stability = static_cast<int>(column(t, 2));
    row.u10 = column(t, 3);
    row.ustk = column(t, 4);
    row.mixingHeight = column(t, 5);
    row.plumeHeight = column(t, 6);
    if (t.size() == kAreaRowTokens) {
        row.maxDirection = column(t, 7);
    } else {
        row.sigmaY = column(t, 7);
        row.sigmaZ = column(t, 8);
        if (t.size() > 9) row.dwash = std::string(t[9]);
    }
    return row;
}

std::optional<ValleyRow> parseValleyRow(std::string_view line)
{
    const auto t = tokens(line);
    if (t.size() < kValleyRowTokens || !number(t[0]) || !number(t[1]) || !number(t[2])) return std::nullopt;
    ValleyRow row;
    row.terrainHeight = column(t, 0);
    row.distance = column(t, 1);
    row.max24h = column(t, 2);
    row.valley24h = column(t, 3);
    row.valleyPlumeHeight = column(t, 4);
    row.simple24h = column(t, 5);
    row.simplePlumeHeight = column(t, 6);
    row.stability = static_cast<int>(column(t, 7));
    row.u10 = column(t, 8);
    row.ustk = column(t, 9);
    return row;
}

// A summary row: the label words up to the first number, the concentration, the distance and
// the terrain height ("--": none).
std::optional<SummaryRow> parseSummaryRow(std::string_view line)
{
    const auto t = tokens(line);
    std::size_t k = 0;
    while (k < t.size() && !number(t[k])) ++k;
    if (k == 0 || k + 1 >= t.size() || !number(t[k + 1])) return std::nullopt;
    SummaryRow row;
    for (std::size_t i = 0; i < k; ++i) row.label += (i ? " " : "") + std::string(t[i]);
    row.concentration = *number(t[k]);
    row.distance = *number(t[k + 1]);
    if (k + 2 < t.size()) row.terrainHeight = number(t[k + 2]);
    return row;
}

class Reader {
public:
    explicit Reader(std::string_view text) : lines_(splitLines(text)) {}

    ScreeningResult read()
    {
        ScreeningResult result;
        for (const auto line : lines_) {
            result.listing.append(line);
            result.listing += '\n';
        }
        std::optional<std::size_t> summary;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view s = trim(lines_[i]);
            if (s == kAutomatedMarker) result.automated.push_back(section(i, true));
            else if (s == kDiscreteMarker) result.discrete.push_back(section(i, false));
            else if (s.find(kValleyMarker) != std::string_view::npos) valley(i, result.valley);
            else if (s == kSummaryMarker) summary = i;
        }
        if (summary) summaryRows(*summary, result.summary);
        return result;
    }

private:
    bool isMarker(std::size_t i) const
    {
        const std::string_view s = trim(lines_[i]);
        return s == kAutomatedMarker || s == kDiscreteMarker || s == kSummaryMarker || s == kRunHeader ||
               s.find(kValleyMarker) != std::string_view::npos;
    }

    // The first line after the column headings of the table that starts after line `from`,
    // calling `onLine` for each heading line before it; the end of the block when there is none.
    template <class OnLine>
    std::size_t firstRow(std::size_t from, OnLine onLine) const
    {
        for (std::size_t i = from + 1; i < lines_.size() && !isMarker(i); ++i) {
            if (isHeadingRule(lines_[i])) return i + 1;
            onLine(lines_[i]);
        }
        return lines_.size();
    }

    ScreeningSection section(std::size_t marker, bool automated) const
    {
        ScreeningSection sec;
        std::size_t i = firstRow(marker, [&](std::string_view line) {
            const auto at = line.find(kTerrainHeight);
            if (at == std::string_view::npos) return;
            const auto t = tokens(line.substr(at + kTerrainHeight.size()));
            if (!t.empty()) sec.terrainHeight = number(t[0]).value_or(0);
        });
        for (; i < lines_.size() && !isBlank(lines_[i]); ++i) {
            const auto row = parseRow(lines_[i]);
            if (!row) break;
            sec.rows.push_back(*row);
        }
        if (automated) {
            while (i < lines_.size() && isBlank(lines_[i])) ++i;
            if (i + 1 < lines_.size() && lines_[i].find(kMaximumHeading) != std::string_view::npos)
                sec.maximum = parseRow(lines_[i + 1]);
        }
        return sec;
    }

    void valley(std::size_t marker, std::vector<ValleyRow>& rows) const
    {
        for (std::size_t i = firstRow(marker, [](std::string_view) {}); i < lines_.size(); ++i) {
            const auto row = parseValleyRow(lines_[i]);
            if (!row) break;
            rows.push_back(*row);
        }
    }

    void summaryRows(std::size_t marker, std::vector<SummaryRow>& rows) const
    {
        for (std::size_t i = firstRow(marker, [](std::string_view) {}); i < lines_.size(); ++i) {
            const std::string_view s = trim(lines_[i]);
            if (s.empty()) continue;
            if (s.front() == '*') break;  // the closing reminder
            if (auto row = parseSummaryRow(s)) rows.push_back(std::move(*row));
        }
    }

    std::vector<std::string_view> lines_;
};

}  // namespace

ScreeningResult readListing(std::string_view text) { return Reader(text).read(); }

}  // namespace qelvo::air
