// CSV as RFC 4180 writes it: fields separated by commas, a field with a comma, a quote or a
// line break in double quotes, a quote inside doubled. Records end with CRLF or LF. Read one
// record at a time, so a file of any length needs the memory of one record.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace qelvo::cli {

// Longer records are refused (a file that is no CSV, or one quote never closed).
constexpr std::size_t kMaxCsvRecordBytes = 1 << 20;

class CsvReader {
public:
    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()) {}

    enum class Status { Record, End, Malformed };

    // The next record's fields. Malformed: `problem()` says what (an unclosed quote, a text
    // after a closing quote, a record beyond kMaxCsvRecordBytes); reading stops there. A
    // UTF-8 byte-order mark before the first record is skipped.
    Status next(std::vector<std::string>& fields);

    // The line the last record began on, from 1.
    long line() const { return recordLine_; }
    const std::string& problem() const { return problem_; }

private:
    std::streambuf& in_;
    long nextLine_ = 1;
    long recordLine_ = 0;
    bool started_ = false;
    std::string problem_;
};

// A field as a CSV file holds it: quoted where it must be.
std::string csvField(std::string_view text);

// Fields joined with commas, ended with LF.
void writeCsvRecord(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace qelvo::cli
