#include "cli/batch.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "cli/cli.h"
#include "cli/csv.h"

namespace qelvo::cli {

namespace {

constexpr const char* kCaseColumn = "case";
constexpr const char* kRefusalColumn = "refusal";

bool blankRecord(const std::vector<std::string>& fields) { return fields.size() == 1 && fields[0].empty(); }

}  // namespace

int runBatch(const Calculator& calc, std::istream& cases, std::ostream& out, std::ostream& err,
             const BatchOptions& options)
{
    const std::string name = validUtf8(options.name);
    CsvReader reader(cases);
    std::vector<std::string> header;
    CsvReader::Status status;
    while ((status = reader.next(header)) == CsvReader::Status::Record && blankRecord(header)) {
    }
    if (status == CsvReader::Status::Malformed) {
        err << "qelvo-calc: " << name << " " << reader.problem() << "\n";
        return kExitRefused;
    }
    if (status == CsvReader::Status::End) {
        err << "qelvo-calc: " << name << " 是空文件，第一行应是输入项的键\n";
        return kExitUsage;
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& key = header[i];
        const bool known = std::any_of(calc.inputs.begin(), calc.inputs.end(),
                                       [&](const InputInfo& input) { return input.desc.key == key; });
        if (!known) {
            err << "qelvo-calc: " << name << " 的表头中，“" << validUtf8(key) << "”不是 " << calc.id
                << " 的输入项（qelvo-calc inputs " << calc.id << " 列出全部）\n";
            return kExitUsage;
        }
        if (std::find(header.begin(), header.begin() + i, key) != header.begin() + i) {
            err << "qelvo-calc: " << name << " 的表头中，输入项“" << key << "”出现了两次\n";
            return kExitUsage;
        }
    }

    std::vector<std::string> row = {kCaseColumn};
    for (const auto& output : calc.outputs) row.push_back(output.key);
    row.push_back(kRefusalColumn);
    writeCsvRecord(out, row);

    long done = 0;
    long refused = 0;
    std::vector<std::string> cells;
    Assignments values;
    while ((status = reader.next(cells)) == CsvReader::Status::Record) {
        if (blankRecord(cells)) continue;
        ++done;
        row.assign(calc.outputs.size() + 2, {});
        row.front() = std::to_string(done);
        std::string& refusal = row.back();
        if (cells.size() != header.size()) {
            refusal = "第" + std::to_string(reader.line()) + "行有" + std::to_string(cells.size()) + "个值，表头有"
                      + std::to_string(header.size()) + "项，请重新输入！";
        } else {
            values.clear();
            for (std::size_t i = 0; i < cells.size(); ++i)
                if (!cells[i].empty()) values.emplace_back(header[i], cells[i]);  // empty: the default
            RunOutcome outcome = calc.run(values);
            switch (outcome.status) {
            case RunOutcome::Status::Ok: {
                auto cell = row.begin() + 1;  // after the case number, one column per result field
                for (const auto& output : calc.outputs) {
                    for (const auto& [key, text] : outcome.report.fields)
                        if (key == output.key) *cell = text;
                    ++cell;
                }
                break;
            }
            case RunOutcome::Status::Refused: refusal = outcome.refusal.message; break;
            case RunOutcome::Status::BadInput: refusal = outcome.problem; break;
            }
        }
        if (!refusal.empty()) ++refused;
        writeCsvRecord(out, row);
        if (options.progressEvery > 0 && done % options.progressEvery == 0)
            err << (options.sameLine ? "\r" : "") << "已计算 " << done << " 个算例" << (options.sameLine ? "" : "\n")
                << std::flush;
    }
    if (options.sameLine && options.progressEvery > 0 && done >= options.progressEvery) err << "\n";
    out.flush();
    if (status == CsvReader::Status::Malformed) {
        err << "qelvo-calc: " << name << " " << reader.problem() << "，其后的算例没有计算\n";
        return kExitRefused;
    }
    if (refused > 0) {
        err << "qelvo-calc: " << done << " 个算例中 " << refused << " 个没有计算，原因见 refusal 列\n";
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace qelvo::cli
