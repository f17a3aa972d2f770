#include "tools/unit_converter.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/number_format.h"
#include "common/number_parse.h"
#include "tools/unit_file_location.h"

namespace qelvo::tools {
namespace {

// A unit file larger than this is not a unit file; it is refused before it is read.
constexpr long long kMaxUnitFileBytes = 16 * 1024 * 1024;

std::string systemError(int error) { return std::strerror(error); }

bool isBlank(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool breaksTheLine(std::string_view s) { return s.find_first_of("[]\r\n") != std::string_view::npos; }

bool contains(const std::vector<std::string>& list, std::string_view name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

UnitRecord parseUnitLine(std::string_view line)
{
    // The five bracketed fields in order; a field whose "]" is missing runs to the end.
    std::string fields[5];
    int n = 0;
    std::size_t pos = 0;
    while (n < 5) {
        const std::size_t open = line.find('[', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = line.find(']', open + 1);
        fields[n++] = std::string(line.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
        if (close == std::string_view::npos) break;
        pos = close + 1;
    }
    return {fields[0], static_cast<float>(leadingNumber(fields[1])), fields[2],
            static_cast<float>(leadingNumber(fields[3])), fields[4]};
}

std::vector<UnitRecord> parseUnitFile(std::string_view text)
{
    std::vector<UnitRecord> records;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A line without a single bracketed field (blank, or a note) states no relation.
        if (line.find('[') == std::string_view::npos) continue;
        records.push_back(parseUnitLine(line));
    }
    return records;
}

void mergeCategories(CategoryList& list, const std::vector<UnitRecord>& records)
{
    for (const auto& r : records) {
        if (contains(list.names, r.category)) continue;
        list.names.push_back(r.category);
        list.current = static_cast<int>(list.names.size()) - 1;
    }
    if (list.current < 0 && !list.names.empty()) list.current = 0;
}

const UnitRecord* firstRecord(const std::vector<UnitRecord>& records, std::string_view category)
{
    for (const auto& r : records)
        if (r.category == category) return &r;
    return nullptr;
}

std::vector<std::string> categoryUnits(const std::vector<UnitRecord>& records, std::string_view category)
{
    std::vector<std::string> units;
    for (const auto& r : records) {
        if (r.category != category) continue;
        if (units.empty()) units.push_back(r.base);
        units.push_back(r.unit);
    }
    return units;
}

std::optional<float> unitFactor(const std::vector<UnitRecord>& records, std::string_view name)
{
    std::optional<float> factor;
    for (const auto& r : records) {
        if (r.base == name) factor = r.value1;
        if (r.unit == name) factor = r.value2;
    }
    return factor;
}

Conversion convertUnits(float value, const UnitFactor& from, const UnitFactor& to)
{
    for (const UnitFactor* f : {&from, &to}) {
        if (!std::isfinite(f->factor))
            return {value, {"单位“" + f->name + "”的换算值不是有效的数，无法换算，请在data.ini中改正！", "", kUnitsCaption}};
        if (f->factor == 0)
            return {value, {"单位“" + f->name + "”的换算值为0，无法换算，请在data.ini中改正！", "", kUnitsCaption}};
    }
    const double v = double(value) / from.factor * to.factor;
    if (!(std::fabs(v) <= FLT_MAX)) return {value, {"换算结果超出数值范围，请重新输入！", "", kUnitsCaption}};
    return {static_cast<float>(v), {}};
}

Refusal checkNewUnit(const NewUnit& u)
{
    if (isBlank(u.value2) || isBlank(u.unit)) return {kMissingNewUnit, "value2", kUnitsCaption};
    const auto value = parseDouble(u.value2);
    if (!value || !(*value > 0) || *value > FLT_MAX)
        return {"单位的值必须是大于0的数，请重新输入！", "value2", kUnitsCaption};
    if (isBlank(u.category)) return {"请输入单位种类！", "category", kUnitsCaption};
    if (isBlank(u.base)) return {"请输入基准单位！", "base", kUnitsCaption};
    const std::pair<const std::string*, const char*> texts[] = {
        {&u.category, "category"}, {&u.base, "base"}, {&u.value2, "value2"}, {&u.unit, "unit"}};
    for (const auto& [text, key] : texts)
        if (breaksTheLine(*text)) return {"单位种类、单位和值中不能有方括号“[”“]”，请重新输入！", key, kUnitsCaption};
    return {};
}

std::string unitLine(const NewUnit& u)
{
    return "[" + u.category + "][" + u.value1 + "][" + u.base + "]=[" + u.value2 + "][" + u.unit + "]\n";
}

UnitFileText readUnitFile(const std::string& path)
{
    const auto failed = [&](int error) { return UnitFileText{{}, "打开单位文件失败（" + systemError(error) + "）：" + path}; };
    // As the page always did: a missing file is created, empty; an existing one is not touched.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return failed(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && info.st_size > kMaxUnitFileBytes)) {
        const int error = info.st_size > kMaxUnitFileBytes ? EFBIG : errno;
        ::close(fd);
        return failed(error);
    }
    UnitFileText result;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return failed(error);
        }
        if (n == 0) break;
        result.text.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<long long>(result.text.size()) > kMaxUnitFileBytes) {
            ::close(fd);
            return failed(EFBIG);
        }
    }
    ::close(fd);
    return result;
}

std::string appendUnitLine(const std::string& path, std::string_view line)
{
    const auto failed = [&](int error) { return "写入单位文件失败（" + systemError(error) + "）：" + path; };
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return failed(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    const bool regular = S_ISREG(info.st_mode);
    const off_t before = regular ? info.st_size : 0;

    // A last line the user left without its line feed keeps its own line.
    std::string out;
    char last = '\n';
    if (before > 0 && ::pread(fd, &last, 1, before - 1) != 1) last = '\n';
    if (last != '\n') out += '\n';
    out.append(line);

    const char* p = out.data();
    std::size_t left = out.size();
    int error = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (error != 0) {
        // Whatever part of the line reached the file is taken away again.
        if (regular && ::ftruncate(fd, before) != 0) { /* the error above is the one to report */ }
        ::close(fd);
        return failed(error);
    }
    ::close(fd);
    return {};
}

UnitsResult computeUnits(const UnitsInput& in)
{
    UnitsResult r;
    const auto refuse = [&](std::string message, std::string key = {}) {
        r.refusal = {std::move(message), std::move(key), kUnitsCaption};
        return r;
    };
    if (in.file.empty()) {
        const UnitFileChoice choice = locateUnitFile(standardUnitFilePlaces());
        if (!choice.error.empty()) return refuse(choice.error);
        r.file = choice.path.string();
    } else {
        r.file = in.file;
    }
    const UnitFileText file = readUnitFile(r.file);
    if (!file.error.empty()) return refuse(file.error, "file");
    std::vector<UnitRecord> records = parseUnitFile(file.text);

    CategoryList list;
    mergeCategories(list, records);
    r.category = !in.category.empty() ? in.category : list.current >= 0 ? list.names[list.current] : "";

    if (!in.add.empty()) {
        NewUnit unit{r.category, "1", in.base, in.amount, in.add};
        if (const UnitRecord* first = firstRecord(records, r.category)) {
            if (!in.base.empty() && in.base != first->base)
                return refuse("单位种类“" + r.category + "”的基准单位是“" + first->base + "”，请重新输入！", "base");
            unit.base = first->base;
        }
        Refusal check = checkNewUnit(unit);
        if (check.refused()) return refuse(check.message, check.focusKey == "value2" ? "amount" : check.focusKey);
        const std::string line = unitLine(unit);
        if (std::string error = appendUnitLine(r.file, line); !error.empty()) return refuse(error, "file");
        r.added = line.substr(0, line.size() - 1);
        records.push_back(parseUnitLine(r.added));
        mergeCategories(list, records);
    }

    if (list.names.empty()) return refuse(kNoUnits);
    if (!contains(list.names, r.category)) return refuse("没有单位种类“" + r.category + "”，请重新输入！", "category");
    r.categories = list.names;
    for (const auto& name : categoryUnits(records, r.category)) r.units.push_back({name, *unitFactor(records, name)});

    // Unit A and unit B: by name among the category's units, the base unit when not given.
    const auto unitOf = [&](const std::string& name, std::string& chosen, float& factor) {
        chosen = name.empty() ? r.units.front().name : name;
        const auto it = std::find_if(r.units.begin(), r.units.end(), [&](const UnitFactor& u) { return u.name == chosen; });
        if (it == r.units.end()) return false;
        factor = it->factor;
        return true;
    };
    if (!unitOf(in.from, r.from, r.fromFactor))
        return refuse("单位种类“" + r.category + "”中没有单位“" + r.from + "”，请重新输入！", "from");
    if (!unitOf(in.to, r.to, r.toFactor))
        return refuse("单位种类“" + r.category + "”中没有单位“" + r.to + "”，请重新输入！", "to");

    r.value = in.value;
    const Conversion c = convertUnits(in.value, {r.from, r.fromFactor}, {r.to, r.toFactor});
    if (c.refusal.refused()) return refuse(c.refusal.message, "from");
    r.converted = c.value;
    return r;
}

namespace {

void presentUnits(const UnitsResult& r, Report& report)
{
    std::string text;
    if (!r.added.empty()) text += "已添加：" + r.added + "\n";
    text += "单位种类：";
    for (std::size_t i = 0; i < r.categories.size(); ++i) text += (i ? "、" : "") + r.categories[i];
    text += "\n" + formatSingle(r.value) + " " + r.from + " <=> " + formatSingle(r.converted) + " " + r.to + "\n";
    report.text = text;
    Table units{r.category, {"单位", "换算值"}, {}};
    for (const auto& u : r.units) units.rows.push_back({u.name, formatSingle(u.factor)});
    report.tables.push_back(std::move(units));
}

}  // namespace

const CalculatorDef<UnitsInput, UnitsResult>& unitsCalculator()
{
    using In = UnitsInput;
    using Out = UnitsResult;
    static const CalculatorDef<In, Out> def{
        "tools.units",
        "单位换算器",
        {field("category", "单位种类", &In::category),
         field("from", "换算前单位", &In::from),
         field("to", "换算后单位", &In::to),
         field("value", "换算前的值", &In::value),
         field("add", "单位", &In::add, "添加："),
         field("amount", "值", &In::amount, "添加："),
         field("base", "基准单位", &In::base, "添加："),
         field("file", "单位文件", &In::file)},
        {field("category", "单位种类", &Out::category),
         field("from", "换算前单位", &Out::from),
         field("to", "换算后单位", &Out::to),
         field("fA", "换算前单位的换算值", &Out::fromFactor),
         field("fB", "换算后单位的换算值", &Out::toFactor),
         field("result", "换算后的值", &Out::converted),
         field("file", "单位文件", &Out::file)},
        &computeUnits,
        &presentUnits,
    };
    return def;
}

}  // namespace qelvo::tools
