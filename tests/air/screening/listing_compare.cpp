#include "listing_compare.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qelvo::air::screening::testing {
namespace {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

std::string column(const std::string& row, std::size_t from, std::size_t to)
{
    if (from >= row.size()) return "";
    std::string s = row.substr(from, std::min(to, row.size()) - from);
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

ParsedListing parseListing(std::string_view listing)
{
    const auto lines = splitLines(listing);
    ParsedListing out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        const bool automated = l.find("SCREEN AUTOMATED DISTANCES") != std::string::npos;
        if (automated || l.find("SCREEN DISCRETE DISTANCES") != std::string::npos) {
            ListingSection s;
            s.automated = automated;
            if (i + 3 < lines.size()) s.terrainLine = lines[i + 3];
            std::size_t j = i + 8;
            for (; j < lines.size() && !blank(lines[j]); ++j) s.rows.push_back(lines[j]);
            if (automated)
                for (; j + 1 < lines.size(); ++j)
                    if (lines[j].find("MAXIMUM 1-HR CONCENTRATION AT OR BEYOND") != std::string::npos) {
                        s.maximum = lines[j + 1];
                        break;
                    }
            out.sections.push_back(s);
        } else if (l.find("*VALLEY 24-HR CALCS*   **SIMPLE TERRAIN 24-HR CALCS**") != std::string::npos) {
            for (std::size_t j = i + 5; j < lines.size() && !blank(lines[j]) && lines[j].find("***") == std::string::npos
                                        && lines[j].rfind(std::string(70, ' '), 0) != 0;
                 ++j)
                out.valleyRows.push_back(lines[j]);
        } else if (l.find("SUMMARY OF SCREEN MODEL RESULTS") != std::string::npos) {
            for (std::size_t j = i + 6; j < lines.size() && lines[j].find("*****") == std::string::npos; ++j)
                if (!blank(lines[j])) out.summaryRows.push_back(lines[j]);
        }
    }
    return out;
}

std::vector<std::string> rowFields(const std::string& row, bool area)
{
    std::vector<std::string> f{column(row, 0, 8),   column(row, 8, 21),  column(row, 21, 26), column(row, 26, 34),
                               column(row, 34, 41), column(row, 41, 49), column(row, 49, 57)};
    if (area) {
        f.push_back(column(row, 57, 65));
    } else {
        f.push_back(column(row, 57, 65));
        f.push_back(column(row, 65, 73));
        f.push_back(column(row, 73, 79));
    }
    return f;
}

double fieldValue(const std::string& field) { return std::strtod(field.c_str(), nullptr); }

bool withinOneUnit(double ours, double theirs)
{
    if (theirs == 0) return ours == 0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(theirs))) - 3);
    return std::fabs(ours - theirs) <= unit * 1.0001;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace qelvo::air::screening::testing
