#include "common/xlsx_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "common/number_parse.h"

namespace qelvo {
namespace {

constexpr std::size_t kMaxSheetNameChars = 31;

// A text's display width: CJK characters count two.
double displayWidth(std::string_view s)
{
    double width = 0;
    for (char c : s) {
        if ((c & 0xC0) == 0x80) continue;
        width += (static_cast<unsigned char>(c) >= 0xE0) ? 2 : 1;
    }
    return width;
}

std::string zeros(std::size_t n) { return std::string(n, '0'); }

class Workbook {
public:
    explicit Workbook(const std::string& path)
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;  // rows are written in order: little memory
        book_ = workbook_new_opt(path.c_str(), &options);
    }
    ~Workbook()
    {
        if (book_) workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return book_; }
    lxw_error close()
    {
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        return error;
    }

    lxw_format* numberFormat(const std::string& numFormat)
    {
        auto& f = formats_[numFormat];
        if (!f) {
            f = workbook_add_format(book_);
            format_set_num_format(f, numFormat.c_str());
        }
        return f;
    }

private:
    lxw_workbook* book_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
};

}  // namespace

std::string cleanSheetName(std::string_view name)
{
    std::string out;
    for (char c : name)
        if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) out.push_back(c);
    while (!out.empty() && out.front() == '\'') out.erase(out.begin());
    // Keep at most 31 characters, cutting only between UTF-8 characters.
    std::size_t chars = 0, end = 0;
    for (; end < out.size(); ++end) {
        if ((out[end] & 0xC0) != 0x80 && ++chars > kMaxSheetNameChars) break;
    }
    out.resize(end);
    while (!out.empty() && out.back() == '\'') out.pop_back();
    return out.empty() ? "Sheet1" : out;
}

std::string excelNumberFormat(std::string_view text)
{
    if (text.empty() || text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t'
        || !parseDouble(text))
        return {};
    const auto e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const auto point = mantissa.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : mantissa.size() - point - 1;
    std::string format = "0" + (decimals ? "." + zeros(decimals) : std::string());
    if (e != std::string_view::npos) {
        std::string_view exponent = text.substr(e + 1);
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) exponent.remove_prefix(1);
        return format + text[e] + "+" + zeros(exponent.size());
    }
    // Whole numbers as Excel shows them by itself, as long as it shows every digit.
    if (decimals == 0 && point == std::string_view::npos && mantissa.size() <= 11) return "General";
    return format;
}

std::string writeXlsx(const std::string& path, const SheetData& sheet)
{
    namespace fs = std::filesystem;
    bool tooLarge = sheet.rows.size() + 1 > kSheetMaxRows || sheet.titles.size() > kSheetMaxColumns;
    for (const auto& row : sheet.rows) tooLarge = tooLarge || row.size() > kSheetMaxColumns;
    if (tooLarge) return kSheetTooLarge;
    const std::string target = fs::absolute(fs::path(path)).string();
    const std::string temporary = temporaryPathBeside(target);
    std::string failure;
    {
        Workbook book(temporary);
        if (!book.get()) return cannotWriteMessage(path);
        lxw_worksheet* ws = workbook_add_worksheet(book.get(), cleanSheetName(sheet.sheetName).c_str());
        if (!ws) ws = workbook_add_worksheet(book.get(), nullptr);  // a name Excel reserves
        lxw_format* title = workbook_add_format(book.get());
        format_set_bold(title);

        std::vector<double> widths(sheet.titles.size(), 8);
        const auto widen = [&](std::size_t column, const std::string& text) {
            if (column < widths.size()) widths[column] = std::max(widths[column], displayWidth(text) + 2);
        };
        for (std::size_t c = 0; c < sheet.titles.size(); ++c) widen(c, sheet.titles[c]);
        for (const auto& row : sheet.rows)
            for (std::size_t c = 0; c < row.size(); ++c) widen(c, row[c]);
        for (std::size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::min(widths[c], 60.0), nullptr);

        lxw_error error = LXW_NO_ERROR;
        for (std::size_t c = 0; c < sheet.titles.size() && !error; ++c)
            error = worksheet_write_string(ws, 0, lxw_col_t(c), sheet.titles[c].c_str(), title);
        for (std::size_t r = 0; r < sheet.rows.size() && !error; ++r) {
            const auto& row = sheet.rows[r];
            for (std::size_t c = 0; c < row.size() && !error; ++c) {
                const std::string format = excelNumberFormat(row[c]);
                const lxw_row_t at = lxw_row_t(r + 1);
                error = format.empty()
                            ? worksheet_write_string(ws, at, lxw_col_t(c), row[c].c_str(), nullptr)
                            : worksheet_write_number(ws, at, lxw_col_t(c), *parseDouble(row[c]), book.numberFormat(format));
            }
        }
        const lxw_error closing = book.close();
        if (error || closing) failure = cannotWriteMessage(path);
    }
    if (!failure.empty()) {
        std::error_code ec;
        fs::remove(temporary, ec);
        return failure;
    }
    return replaceWith(temporary, target);
}

}  // namespace qelvo
