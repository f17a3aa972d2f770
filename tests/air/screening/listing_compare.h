// Test helper: the parts of a screening listing that carry results, taken apart by SCREEN3's
// markers and columns, so that a built-in listing can be compared with a SCREEN3 listing
// field by field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qelvo::air::screening::testing {

struct ListingSection {
    bool automated = false;
    std::string terrainLine;
    std::vector<std::string> rows;
    std::string maximum;  // automated sections: the row after "MAXIMUM 1-HR …"
};

struct ParsedListing {
    std::vector<ListingSection> sections;
    std::vector<std::string> valleyRows;
    std::vector<std::string> summaryRows;
};

ParsedListing parseListing(std::string_view listing);

// The printed fields of a distance row, by column (trailing blanks of the DWASH column
// ignored): distance, concentration, class, u10, ustk, mixing height, plume height, then σy,
// σz and DWASH (point types) or MAX DIR (area).
std::vector<std::string> rowFields(const std::string& row, bool area);
inline constexpr std::size_t kMaxDirField = 7;  // area rows

// The numeric value of a G11.4 / F field.
double fieldValue(const std::string& field);

// Whether two printed 4-significant-digit values are at most one unit of the 4th digit apart.
bool withinOneUnit(double ours, double theirs);

std::string readFile(const std::string& path);

}  // namespace qelvo::air::screening::testing
