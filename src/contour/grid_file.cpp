#include "contour/grid_file.h"

#include "common/atomic_file.h"
#include "common/fields.h"
#include "common/number_format.h"
#include "common/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <type_traits>
#include <iterator>
#include <locale.h>
#include <system_error>

namespace qelvo::contour {
namespace {

// The C library's "%g": six significant digits, two-digit exponent, always a point.
void appendG(std::string& out, double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    out.append(buffer, result.ptr);
}

// Free-format reading of whitespace-separated numbers, counting lines for the messages.
class Scanner {
public:
    enum class Status { Ok, NotANumber, OutOfRange };

    explicit Scanner(const std::string& text) : p_(text.data()), end_(text.data() + text.size()) {}

    // A value beyond the type's range, and "nan" or "inf", are OutOfRange: never a number
    // read as 0 or as infinity.
    template <class T>
    Status next(T& value)
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) {
            if (*p_ == '\n') ++line_;
            ++p_;
        }
        token_ = p_;
        if (p_ < end_ && *p_ == '+') ++p_;  // from_chars takes no plus sign
        const auto result = std::from_chars(p_, end_, value);
        if (result.ec == std::errc::invalid_argument) return Status::NotANumber;
        p_ = result.ptr;
        if (result.ec == std::errc::result_out_of_range) return Status::OutOfRange;
        if constexpr (std::is_floating_point_v<T>)
            if (!std::isfinite(value)) return Status::OutOfRange;
        return Status::Ok;
    }

    int line() const { return line_; }
    std::string token() const { return std::string(token_, p_); }

private:
    const char* p_;
    const char* end_;
    const char* token_ = nullptr;
    int line_ = 1;  // the text starts right after the keyword of line 1
};

std::string outOfRange(const std::string& path, const Scanner& scan)
{
    return "网格文件" + path + "第" + std::to_string(scan.line()) + "行的数值“" + validUtf8(scan.token())
           + "”超出范围，数据读取没有成功!";
}

// A cell's value: a decimal number, or 0 for any other text; nullopt for a value that is
// not finite (the spelling of one, or a number beyond double range).
std::optional<double> cellValue(const std::string& text)
{
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    for (const char* spelling : {kNaNText, kInfinityText, kMinusInfinityText})
        if (s == spelling) return std::nullopt;
    if (!isDecimalNumber(s)) return 0.0;
    const double v = leadingNumber(s);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

bool writeGridFile(const std::vector<std::vector<std::string>>& table, const std::string& path, double xlo,
                   double xhi, double ylo, double yhi, double zhi, std::string* error)
{
    const auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    if (!std::isfinite(xlo) || !std::isfinite(xhi) || !std::isfinite(ylo) || !std::isfinite(yhi) || !std::isfinite(zhi))
        return fail("结果表的数值范围不是有限的数，不能绘制等值线！");
    const int ny = static_cast<int>(table.size());
    const int nx = ny > 0 ? static_cast<int>(table[0].size()) - 1 : 0;

    std::string out = "DSAA\n" + std::to_string(nx) + " " + std::to_string(ny) + "\n";
    const auto pair = [&](double a, double b) {
        appendG(out, a);
        out += ' ';
        appendG(out, b);
        out += '\n';
    };
    pair(xlo, xhi);
    pair(ylo, yhi);
    pair(0, zhi);
    out.reserve(out.size() + static_cast<std::size_t>(ny) * (nx * 13 + 2));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& row = table[i];
        for (std::size_t j = 1; j < row.size(); ++j) {
            const auto v = cellValue(row[j]);
            if (!v)
                return fail("结果表第" + std::to_string(i + 1) + "行第" + std::to_string(j + 1)
                            + "列不是有限的数，不能绘制等值线！");
            appendG(out, *v);
            out += ' ';
        }
        out += "\n\n";
    }

    const std::string failure = writeFileReplacing(path, out);
    if (failure.empty()) return true;
    std::fputs("   open file error!!!!!!!!!!!!\n", stdout);
    return fail(failure);
}

GridReadResult readGridFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return {std::nullopt, "Open" + path + "error!!"};
    char keyword[4] = {};
    if (!file.read(keyword, 4) || std::string(keyword, 4) != "DSAA") return {std::nullopt, "不能打开文件。"};
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    Scanner scan(text);
    Grid grid;
    const auto header = [&](auto&... values) {
        Scanner::Status status = Scanner::Status::Ok;
        ((status = status == Scanner::Status::Ok ? scan.next(values) : status), ...);
        return status;
    };
    const Scanner::Status status = header(grid.nx, grid.ny, grid.xlo, grid.xhi, grid.ylo, grid.yhi, grid.zlo, grid.zhi);
    if (status == Scanner::Status::OutOfRange) return {std::nullopt, outOfRange(path, scan)};
    if (status != Scanner::Status::Ok || grid.nx < 2 || grid.ny < 2)
        return {std::nullopt, "网格文件的文件头不正确，数据读取没有成功!"};
    if (grid.xlo == grid.xhi || grid.ylo == grid.yhi)
        return {std::nullopt, "网格文件" + path + "的坐标范围为零，数据读取没有成功!"};
    if (static_cast<long long>(grid.nx) * grid.ny > kMaxGridNodes)
        return {std::nullopt, "内存分配失败，数据读取没有成功!"};

    const std::size_t count = static_cast<std::size_t>(grid.nx) * grid.ny;
    grid.z.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const Scanner::Status s = scan.next(grid.z[k]);
        if (s == Scanner::Status::OutOfRange) return {std::nullopt, outOfRange(path, scan)};
        if (s != Scanner::Status::Ok)
            return {std::nullopt, "网格文件中的数据少于文件头所说的" + std::to_string(count) + "个，数据读取没有成功!"};
    }
    return {std::move(grid), {}};
}

}  // namespace qelvo::contour
