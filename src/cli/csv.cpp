#include "cli/csv.h"

#include <ostream>

namespace qelvo::cli {

CsvReader::Status CsvReader::next(std::vector<std::string>& fields)
{
    using Traits = std::streambuf::traits_type;
    fields.clear();
    if (!problem_.empty()) return Status::Malformed;
    if (!started_) {
        started_ = true;
        // A byte-order mark, as spreadsheet programs write before UTF-8.
        constexpr std::string_view bom = "\xEF\xBB\xBF";
        std::string_view matched = bom.substr(0, 0);
        while (matched != bom && in_.sgetc() == static_cast<unsigned char>(bom[matched.size()])) {
            in_.sbumpc();
            matched = bom.substr(0, matched.size() + 1);
        }
        // Part of a mark only: those bytes start the first field (and will fail its UTF-8 check).
        if (!matched.empty() && matched != bom) fields.emplace_back(matched);
    }
    if (in_.sgetc() == Traits::eof() && fields.empty()) return Status::End;
    recordLine_ = nextLine_;
    if (fields.empty()) fields.emplace_back();
    std::size_t size = 0;
    const auto fail = [&](std::string why) {
        problem_ = "第" + std::to_string(recordLine_) + "行：" + std::move(why);
        return Status::Malformed;
    };
    bool quoted = false;       // inside a quoted field
    bool afterQuote = false;   // a quoted field has closed; only a comma or the end may follow
    for (;;) {
        const int c = in_.sbumpc();
        if (c == Traits::eof()) {
            if (quoted) return fail("引号没有闭合");
            return Status::Record;
        }
        if (++size > kMaxCsvRecordBytes) return fail("一条记录超过1 MB");
        if (quoted) {
            if (c == '"') {
                if (in_.sgetc() == '"') {
                    in_.sbumpc();
                    fields.back() += '"';
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n') ++nextLine_;
                fields.back() += static_cast<char>(c);
            }
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
            afterQuote = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && in_.sgetc() == '\n') in_.sbumpc();
            ++nextLine_;
            return Status::Record;
        } else if (afterQuote) {
            return fail("引号后应是逗号或行尾");
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else {
            fields.back() += static_cast<char>(c);
        }
    }
}

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

void writeCsvRecord(std::ostream& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out << ',';
        out << csvField(fields[i]);
    }
    out << '\n';
}

}  // namespace qelvo::cli
