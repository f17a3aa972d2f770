// The unit converter: unit relations read from the text file "data.ini", converted value by
// value, and extended one appended line at a time.
//
// Each line of the file states one relation, "[长度][1][米]=[100][厘米]": 1 米 = 100 厘米.
// The five bracketed fields are read in order (anything outside brackets is ignored), the
// two values as the C library's atof reads them. The first line of a category names its
// base unit; every line adds its unit. A unit's factor is looked up by its name alone, in
// every category, and the last line that names it wins. The page (pages/units_page.h) keeps
// the lists and factors it shows; `qelvo-calc run tools.units` converts and appends with the
// same functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo::tools {

inline const char* kUnitFileName = "data.ini";

// The page's caption for its own messages.
inline const char* kUnitsCaption = "单位换算";
inline const char* kMissingNewUnit = "请输入单位或相应值！";
inline const char* kNoUnits = "单位文件中没有单位，请先添加单位！";

// One line of the file: value1 of the base unit equal value2 of the unit.
struct UnitRecord {
    std::string category;
    float value1 = 0;
    std::string base;
    float value2 = 0;
    std::string unit;
};

// A line with fewer than five bracketed fields gives a record with empty or partial fields.
UnitRecord parseUnitLine(std::string_view line);
// One record per line ('\n'; a '\r' before it is dropped), in file order; a last line without
// a line feed counts, an empty text has no line.
std::vector<UnitRecord> parseUnitFile(std::string_view text);

// The category list as the page keeps it: names in order of first appearance, and the one
// shown (-1 for none).
struct CategoryList {
    std::vector<std::string> names;
    int current = -1;
};

// Adds each category of the records that is not listed yet, at the end, and makes it the
// current one at once: after the first load the last new category of the file is shown;
// a reload keeps the selection unless it brings a new category. With nothing current
// afterwards the first entry is.
void mergeCategories(CategoryList& list, const std::vector<UnitRecord>& records);

// The units of a category as both unit lists show them: the base unit of its first line, the
// unit of that line, then the unit of every later line of the category.
std::vector<std::string> categoryUnits(const std::vector<UnitRecord>& records, std::string_view category);

// The first line of a category, or null.
const UnitRecord* firstRecord(const std::vector<UnitRecord>& records, std::string_view category);

// A unit's factor: over every line of every category, value1 where the base unit has the
// name, value2 where the unit has it; the last match wins. None when no line names it.
std::optional<float> unitFactor(const std::vector<UnitRecord>& records, std::string_view name);

// A unit with the factor the page holds for it.
struct UnitFactor {
    std::string name;
    float factor = 0;
};

struct Conversion {
    float value = 0;
    Refusal refusal;
};

// value / from × to in double, stored as single precision. A factor of 0 (or one that is not
// a number) would divide by zero or give nothing; such a conversion is refused, and so is a
// result beyond single precision.
Conversion convertUnits(float value, const UnitFactor& from, const UnitFactor& to);

// A unit to append: the fields of the page's "单位自行添加" group, as typed.
struct NewUnit {
    std::string category;
    std::string value1 = "1";
    std::string base;
    std::string value2;
    std::string unit;
};

// Empty value or unit: "请输入单位或相应值！" (caption "单位换算", focus on the value); a
// value that is not a number above 0, or a bracket or line break in any text (it would
// break the line apart), is refused too.
Refusal checkNewUnit(const NewUnit& unit);

// "[" category "][" value1 "][" base "]=[" value2 "][" unit "]" and a line feed.
std::string unitLine(const NewUnit& unit);

// The file's text; a missing file is created empty first. On failure the error text of the
// system, with the path.
struct UnitFileText {
    std::string text;
    std::string error;
};
UnitFileText readUnitFile(const std::string& path);

// Appends the line at the end of the file (after a line feed of its own where the file does
// not end in one), then flushes it to disk. Nothing else of the file is touched. Returns the
// error text, or empty; on any failure the file is cut back to what it was.
std::string appendUnitLine(const std::string& path, std::string_view line);

// --- the command line: tools.units ---

struct UnitsInput {
    std::string file;      // data.ini to use; empty: the program's own (unit_file_location.h)
    std::string category;  // empty: the category the page shows on opening
    std::string from;      // empty: the base unit
    std::string to;        // empty: the base unit
    float value = 1;
    std::string add;       // a unit to append to the category before converting
    std::string amount;    // how many of it make 1 base unit
    std::string base;      // the base unit, for a new category
};

struct UnitsResult {
    std::string file;
    std::string category;
    std::string from;
    std::string to;
    float fromFactor = 0;
    float toFactor = 0;
    float value = 0;
    float converted = 0;
    std::string added;  // the appended line, without its line feed
    std::vector<std::string> categories;
    std::vector<UnitFactor> units;  // of the category, with their factors
    Refusal refusal;
};

UnitsResult computeUnits(const UnitsInput& in);

const CalculatorDef<UnitsInput, UnitsResult>& unitsCalculator();

}  // namespace qelvo::tools
