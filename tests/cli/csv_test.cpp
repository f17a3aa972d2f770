// CSV records in and out: the quoting rules, line ends, and malformed files said by line.
#include "cli/csv.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qelvo::cli {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Every record of a text, and the problem that stopped the reading (empty at its end).
std::pair<Records, std::string> readAll(const std::string& text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    Records records;
    std::vector<std::string> fields;
    CsvReader::Status status;
    while ((status = reader.next(fields)) == CsvReader::Status::Record) records.push_back(fields);
    return {records, status == CsvReader::Status::Malformed ? reader.problem() : ""};
}

TEST(Csv, ReadsQuotedFieldsAndBothLineEnds)
{
    const std::vector<std::pair<std::string, Records>> cases = {
        {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\n1,2", {{"a", "b"}, {"1", "2"}}},                              // no final line end
        {"\"x,y\",\"say \"\"hi\"\"\"\n", {{"x,y", "say \"hi\""}}},           // comma and doubled quotes
        {"\"two\nlines\",3\n", {{"two\nlines", "3"}}},                       // a line break inside quotes
        {",,\n", {{"", "", ""}}},                                             // empty fields
        {"\"\",1\n", {{"", "1"}}},                                            // a quoted empty field
        {"a\"b,c\n", {{"a\"b", "c"}}},                                        // a quote inside a bare field is kept
        {"\xEF\xBB\xBFQ,P\n", {{"Q", "P"}}},                                  // a byte-order mark is skipped
        {"上海,\"北京，天津\"\n", {{"上海", "北京，天津"}}},
        {"a\n\nb\n", {{"a"}, {""}, {"b"}}},                                   // a blank line is one empty field
    };
    for (const auto& [text, expected] : cases) {
        const auto [records, problem] = readAll(text);
        EXPECT_EQ(problem, "") << text;
        EXPECT_EQ(records, expected) << text;
    }
}

TEST(Csv, NothingIsNoRecord)
{
    EXPECT_EQ(readAll(""), (std::pair<Records, std::string>{}));
    EXPECT_EQ(readAll("\xEF\xBB\xBF").first, Records{});  // a mark alone
    EXPECT_EQ(readAll("\xEF\xBBx\n").first, (Records{{"\xEF\xBBx"}}));  // half a mark is data
    EXPECT_EQ(readAll("\xEFx\n").first, (Records{{"\xEFx"}}));
}

TEST(Csv, MalformedRecordsAreSaidWithTheirLine)
{
    EXPECT_EQ(readAll("a\nb\n\"open,1\n").second, "第3行：引号没有闭合");
    EXPECT_EQ(readAll("a\n\"x\ny\"z,1\n").second, "第2行：引号后应是逗号或行尾");
    const auto [records, problem] = readAll("a\n" + std::string(kMaxCsvRecordBytes + 1, 'x'));
    EXPECT_EQ(problem, "第2行：一条记录超过1 MB");
    EXPECT_EQ(records.size(), 1u);  // the records before it were read
    // Exactly at the limit, a record is still read.
    EXPECT_EQ(readAll("a\n" + std::string(kMaxCsvRecordBytes, 'x')).second, "");
    EXPECT_EQ(readAll("a\n" + std::string(kMaxCsvRecordBytes - 1, 'x') + "\n").second, "");
}

TEST(Csv, LinesAreCountedAcrossQuotedLineBreaks)
{
    std::istringstream in("h\n\"a\nb\"\nc\n");
    CsvReader reader(in);
    std::vector<std::string> fields;
    reader.next(fields);
    reader.next(fields);
    EXPECT_EQ(reader.line(), 2);
    reader.next(fields);
    EXPECT_EQ(reader.line(), 4);
}

TEST(Csv, WritesWhatItReadsBack)
{
    const std::vector<std::string> fields = {"plain", "a,b", "say \"hi\"", "two\nlines", "", "cr\r", "中文，逗号"};
    std::ostringstream out;
    writeCsvRecord(out, fields);
    EXPECT_EQ(out.str(), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",,\"cr\r\",中文，逗号\n");
    EXPECT_EQ(readAll(out.str()).first, Records{fields});
}

}  // namespace
}  // namespace qelvo::cli
