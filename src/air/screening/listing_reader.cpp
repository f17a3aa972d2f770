#include "air/screening/listing_reader.h"

#include <algorithm>
#include <optional>
#include <span>
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
// SCREEN3's note after a range whose search for the maximum stopped after 50 steps.
constexpr std::string_view kIterationStopped = "ITERATION STOPPED";

// Columns of a distance row: point, flare and volume rows end with σy, σz and DWASH; area rows
// have the direction to the maximum after the plume height instead.
constexpr std::size_t kAreaRowTokens = 8;
constexpr std::size_t kValleyRowTokens = 10;

constexpr std::string_view kSpaces = " \t\f\v";

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kSpaces) - first + 1);
}

bool isBlank(std::string_view s) { return s.find_first_not_of(kSpaces) == std::string_view::npos; }

std::vector<std::string_view> tokens(std::string_view s)
{
    std::vector<std::string_view> out;
    for (auto start = s.find_first_not_of(kSpaces); start != std::string_view::npos;) {
        const auto end = s.find_first_of(kSpaces, start);
        out.push_back(s.substr(start, end - start));
        start = s.find_first_not_of(kSpaces, end);
    }
    return out;
}

std::optional<double> number(std::string_view token) { return parseDouble(token); }

// A column that cannot be read (a field SCREEN3 filled with asterisks) counts as 0.
double column(const std::vector<std::string_view>& t, std::size_t i) { return number(t[i]).value_or(0); }

// The dashed line under a table's column headings.
bool isHeadingRule(std::string_view line) { return trim(line).starts_with("-----"); }

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
    if (t.size() < kValleyRowTokens ||
        !std::all_of(t.begin(), t.begin() + kValleyRowTokens, [](auto token) { return number(token).has_value(); }))
        return std::nullopt;
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
// the terrain height ("--" or nothing: none).
std::optional<SummaryRow> parseSummaryRow(std::string_view line)
{
    auto t = tokens(line);
    t.emplace_back();  // stands for a missing terrain height
    const auto isNumber = [](std::string_view token) { return number(token).has_value(); };
    const auto first = std::find_if(t.begin(), t.end(), isNumber);
    const std::span<const std::string_view> values(first, t.end());
    if (first == t.begin() || values.size() < 3 || !isNumber(values[1])) return std::nullopt;
    SummaryRow row;
    for (auto it = t.begin(); it != first; ++it) row.label += (it == t.begin() ? "" : " ") + std::string(*it);
    row.concentration = *number(values[0]);
    row.distance = *number(values[1]);
    row.terrainHeight = number(values[2]);
    return row;
}

using Lines = std::span<const std::string_view>;
using LineIt = Lines::iterator;

bool isMarker(std::string_view line)
{
    const std::string_view s = trim(line);
    return s == kAutomatedMarker || s == kDiscreteMarker || s == kSummaryMarker || s == kRunHeader ||
           s.find(kValleyMarker) != std::string_view::npos;
}

// The first line of the table that follows a marker (`after` holds the lines after it): the
// line after the dashed rule under the column headings, or the end when the table has none
// before the next marker. `onHeading` sees the lines before the rule.
template <class OnHeading>
LineIt tableBody(Lines after, OnHeading onHeading)
{
    const auto rule = std::find_if(after.begin(), after.end(),
                                   [](std::string_view line) { return isMarker(line) || isHeadingRule(line); });
    std::for_each(after.begin(), rule, onHeading);
    return rule != after.end() && isHeadingRule(*rule) ? std::next(rule) : after.end();
}

ScreeningSection section(Lines after, bool automated)
{
    ScreeningSection sec;
    auto it = tableBody(after, [&](std::string_view line) {
        const auto at = line.find(kTerrainHeight);
        if (at == std::string_view::npos) return;
        const auto t = tokens(line.substr(at + kTerrainHeight.size()));
        if (const auto height = t.empty() ? std::nullopt : number(t.front())) sec.terrainHeight = *height;
    });
    for (; it != after.end() && !isBlank(*it); ++it) {
        const auto row = parseRow(*it);
        if (!row) break;
        sec.rows.push_back(*row);
    }
    if (automated) {
        // The maximum line follows after an empty line, and after SCREEN3's note when its search
        // for the maximum stopped.
        it = std::find_if_not(it, after.end(), [](std::string_view line) {
            return isBlank(line) || line.find(kIterationStopped) != std::string_view::npos;
        });
        if (it != after.end() && it->find(kMaximumHeading) != std::string_view::npos && std::next(it) != after.end())
            sec.maximum = parseRow(*std::next(it));
    }
    return sec;
}

void valley(Lines after, std::vector<ValleyRow>& rows)
{
    for (auto it = tableBody(after, [](std::string_view) {}); it != after.end(); ++it) {
        const auto row = parseValleyRow(*it);
        if (!row) break;
        rows.push_back(*row);
    }
}

void summaryRows(Lines after, std::vector<SummaryRow>& rows)
{
    for (auto it = tableBody(after, [](std::string_view) {}); it != after.end(); ++it) {
        const std::string_view s = trim(*it);
        if (s.empty()) continue;
        if (s.front() == '*') break;  // the closing reminder
        if (auto row = parseSummaryRow(s)) rows.push_back(std::move(*row));
    }
}

}  // namespace

ScreeningResult readListing(std::string_view text)
{
    const std::vector<std::string_view> lines = splitLines(text);
    ScreeningResult result;
    for (const auto line : lines) {
        result.listing.append(line);
        result.listing += '\n';
    }
    const Lines all(lines);
    std::optional<Lines> summary;
    for (auto it = all.begin(); it != all.end(); ++it) {
        const std::string_view s = trim(*it);
        const Lines after(std::next(it), all.end());
        if (s == kAutomatedMarker) result.automated.push_back(section(after, true));
        else if (s == kDiscreteMarker) result.discrete.push_back(section(after, false));
        else if (s.find(kValleyMarker) != std::string_view::npos) valley(after, result.valley);
        else if (s == kSummaryMarker) summary = after;
    }
    if (summary) summaryRows(*summary, result.summary);
    return result;
}

}  // namespace qelvo::air
