#include "contour/grid_file.h"

#include "common/number_parse.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

class Scanner {
public:
    explicit Scanner(const std::string& text) : p_(text.data()), end_(text.data() + text.size()) {}

    template <class T>
    bool next(T& value)
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) ++p_;
        if (p_ < end_ && *p_ == '+') ++p_;  // from_chars takes no plus sign
        const auto result = std::from_chars(p_, end_, value);
        if (result.ec == std::errc::invalid_argument) return false;
        p_ = result.ptr;
        return true;
    }

private:
    const char* p_;
    const char* end_;
};

}  // namespace

bool writeGridFile(const std::vector<std::vector<std::string>>& table, const std::string& path, double xlo,
                   double xhi, double ylo, double yhi, double zhi)
{
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
    for (const auto& row : table) {
        for (std::size_t j = 1; j < row.size(); ++j) {
            appendG(out, leadingNumber(row[j]));
            out += ' ';
        }
        out += "\n\n";
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::fputs("   open file error!!!!!!!!!!!!\n", stdout);
        return false;
    }
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
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
    if (!scan.next(grid.nx) || !scan.next(grid.ny) || !scan.next(grid.xlo) || !scan.next(grid.xhi)
        || !scan.next(grid.ylo) || !scan.next(grid.yhi) || !scan.next(grid.zlo) || !scan.next(grid.zhi)
        || grid.nx < 2 || grid.ny < 2)
        return {std::nullopt, "网格文件的文件头不正确，数据读取没有成功!"};
    if (static_cast<long long>(grid.nx) * grid.ny > kMaxGridNodes)
        return {std::nullopt, "内存分配失败，数据读取没有成功!"};

    const std::size_t count = static_cast<std::size_t>(grid.nx) * grid.ny;
    grid.z.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        if (!scan.next(grid.z[k]))
            return {std::nullopt, "网格文件中的数据少于文件头所说的" + std::to_string(count) + "个，数据读取没有成功!"};
    return {std::move(grid), {}};
}

}  // namespace qelvo::contour
