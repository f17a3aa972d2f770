#include "cli/cli.h"

#include <QSettings>
#include <cmath>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "air/screening/screening_engine.h"
#include "air/screening/screening_engine_choice.h"
#include "cli/batch.h"
#include "cli/contour_command.h"
#include "common/scenario.h"
#include "cli/calculators.h"
#include "cli/screen_command.h"

namespace qelvo::cli {
namespace {

using Json = nlohmann::ordered_json;

const char* kUsage =
    "用法：\n"
    "  qelvo-calc list                            列出全部计算功能（编号<Tab>名称）\n"
    "  qelvo-calc inputs ID                       列出输入项：键、名称、类型、默认值\n"
    "  qelvo-calc run ID [--inputs 方案.json] [键=值 ...] [--json]\n"
    "                                             计算并输出结果（其后的键=值优先于方案文件）\n"
    "      估算（air.screen3、air.protection_distance）另可加：\n"
    "      --engine builtin|screen3               内置估算模型（默认）或外部SCREEN3程序\n"
    "      --listing                              附估算报告全文（air.screen3）\n"
    "  qelvo-calc batch ID 算例.csv|- [--progress]  每行一个算例（表头为输入项的键），\n"
    "                                             每个算例输出一行CSV结果\n"
    "  qelvo-calc contour FILE.grd [--levels a,b,c] --out 图.png|图.svg\n"
    "                                             绘制网格文件的等值线图\n"
    "  qelvo-calc screen < screen3.inp            用内置估算模型计算SCREEN3输入文件，输出报告\n";

int usage(std::ostream& err, const std::string& problem)
{
    if (!problem.empty()) err << "qelvo-calc: " << problem << "\n";
    err << kUsage;
    return kExitUsage;
}

const Calculator* lookUp(const std::string& id, std::ostream& err)
{
    const Calculator* calc = findCalculator(id);
    if (!calc) err << "qelvo-calc: 没有编号为 " << validUtf8(id) << " 的计算功能（qelvo-calc list 列出全部）\n";
    return calc;
}

int listCalculators(std::ostream& out)
{
    for (const auto& calc : calculators()) out << calc.id << '\t' << calc.label << '\n';
    return kExitOk;
}

int listInputs(const Calculator& calc, std::ostream& out)
{
    for (const auto& input : calc.inputs) {
        out << input.desc.key << '\t' << input.desc.fullLabel() << '\t' << fieldKindName(input.desc.kind) << '\t'
            << input.defaultText;
        if (!input.desc.choices.empty()) {
            out << "\t(";
            for (std::size_t i = 0; i < input.desc.choices.size(); ++i)
                out << (i ? ", " : "") << i << '=' << input.desc.choices[i];
            out << ')';
        }
        out << '\n';
    }
    return kExitOk;
}

void printTable(const Table& table, std::ostream& out)
{
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cells[i];
        out << '\n';
    };
    if (!table.columns.empty()) line(table.columns);
    for (const auto& row : table.rows) line(row);
}

// A curve: its title, a line with the two axis labels, then one x<Tab>y line per point.
void printCurve(const Curve& curve, std::ostream& out)
{
    out << curve.title << '\n' << curve.xLabel << '\t' << curve.yLabel << '\n';
    for (std::size_t i = 0; i < curve.xs.size() && i < curve.ys.size(); ++i)
        out << formatDouble(curve.xs[i]) << '\t' << formatDouble(curve.ys[i]) << '\n';
}

// A number of a curve; JSON has no NaN or infinity, so those are null.
Json curveNumbers(const std::vector<double>& values)
{
    Json list = Json::array();
    for (double v : values) list.push_back(std::isfinite(v) ? Json(v) : Json(nullptr));
    return list;
}

// Texts are UTF-8 everywhere; a stray byte that is not is replaced rather than thrown over.
std::string dumpJson(const Json& json) { return json.dump(2, ' ', false, Json::error_handler_t::replace); }

Json toJson(const std::string& id, const Report& report)
{
    Json fields = Json::object();
    for (const auto& [key, value] : report.fields) fields[key] = value;
    Json tables = Json::array();
    for (const auto& t : report.tables)
        tables.push_back({{"name", t.name}, {"columns", t.columns}, {"rows", t.rows}});
    Json json = {{"id", id}, {"fields", fields}, {"text", report.text}, {"tables", tables}};
    // Only calculators that draw curves have the key.
    if (!report.curves.empty()) {
        Json curves = Json::array();
        for (const auto& c : report.curves)
            curves.push_back({{"title", c.title},
                              {"xLabel", c.xLabel},
                              {"yLabel", c.yLabel},
                              {"xs", curveNumbers(c.xs)},
                              {"ys", curveNumbers(c.ys)}});
        json["curves"] = curves;
    }
    json["messages"] = report.messages;
    return json;
}

// The screening engine of one `run`, installed while it lives (--engine; the built-in one
// otherwise).
class EngineForRun {
public:
    EngineForRun() = default;
    EngineForRun(const EngineForRun&) = delete;
    EngineForRun& operator=(const EngineForRun&) = delete;
    ~EngineForRun()
    {
        if (engine_) air::setScreeningEngine(previous_);
    }

    bool choose(const std::string& word)
    {
        const auto kind = air::engineKindNamed(word);
        if (!kind) return false;
        if (engine_) air::setScreeningEngine(previous_);
        const QSettings settings(QStringLiteral("Qelvo"), QStringLiteral("Qelvo"));
        engine_ = air::makeScreeningEngine(*kind, settings);
        previous_ = air::setScreeningEngine(engine_.get());
        return true;
    }

private:
    std::unique_ptr<air::ScreeningEngine> engine_;
    air::ScreeningEngine* previous_ = nullptr;
};

int run(const Calculator& calc, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool json = false;
    Assignments values;
    EngineForRun engine;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
            continue;
        }
        // The listing of a screening run: its input key "listing".
        if (arg == "--listing") {
            values.emplace_back("listing", "1");
            continue;
        }
        if (arg == "--engine" || arg.starts_with("--engine=")) {
            const bool inline_ = arg.size() > std::string_view("--engine").size();
            if (!inline_ && i + 1 == args.size()) return usage(err, "--engine 后面应写 builtin 或 screen3");
            const std::string word = inline_ ? arg.substr(arg.find('=') + 1) : args[++i];
            if (!engine.choose(word)) return usage(err, "--engine 只能是 builtin 或 screen3：" + validUtf8(word));
            continue;
        }
        if (arg == "--inputs") {
            if (i + 1 == args.size()) return usage(err, "--inputs 后应是方案文件");
            std::vector<FieldSpec> specs;
            for (const auto& input : calc.inputs) specs.push_back(input.desc);
            const ScenarioRead read = readScenario(args[++i], calc.id, specs);
            if (!read.problem.empty()) {
                err << "qelvo-calc: " << read.problem << "\n";
                return kExitRefused;
            }
            // The file's inputs stand where the option stands: later key=value arguments win.
            values.insert(values.end(), read.scenario.inputs.begin(), read.scenario.inputs.end());
            continue;
        }
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) return usage(err, "参数应写成 键=值：" + validUtf8(arg));
        values.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }

    RunOutcome outcome = calc.run(values);
    switch (outcome.status) {
    case RunOutcome::Status::BadInput:
        err << "qelvo-calc: " << outcome.problem << "\n";
        return kExitUsage;
    case RunOutcome::Status::Refused:
        err << outcome.refusal.message << "\n";
        if (json) {
            Report report;
            report.messages.push_back(outcome.refusal.message);
            out << dumpJson(toJson(calc.id, report)) << '\n';
        }
        return kExitRefused;
    case RunOutcome::Status::Ok:
        break;
    }

    printReport(calc.id, outcome.report, json, out);
    return kExitOk;
}

// Progress lines every so many cases: on a terminal, one line that counts up; with
// --progress, one line each to any stderr (a log).
constexpr long kProgressEvery = 1000;

int batch(const Calculator& calc, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) return usage(err, "batch 后应是计算功能的编号和CSV文件");
    BatchOptions options;
    options.name = args[0];
    if (args.size() > 2 || (args.size() == 2 && args[1] != "--progress"))
        return usage(err, "batch 只接受一个CSV文件和 --progress");
    if (args.size() == 2) {
        options.progressEvery = kProgressEvery;
    } else if (&err == &std::cerr && ::isatty(STDERR_FILENO)) {
        options.progressEvery = kProgressEvery;
        options.sameLine = true;
    }
    if (options.name == "-") return runBatch(calc, std::cin, out, err, options);
    std::error_code ec;
    std::ifstream file;
    if (!std::filesystem::is_directory(options.name, ec)) file.open(options.name, std::ios::binary);
    if (!file.is_open()) {
        err << "qelvo-calc: 无法读取文件“" << validUtf8(options.name) << "”！\n";
        return kExitRefused;
    }
    return runBatch(calc, file, out, err, options);
}

}  // namespace

void printReport(const std::string& id, const Report& report, bool json, std::ostream& out)
{
    if (json) {
        out << dumpJson(toJson(id, report)) << '\n';
        return;
    }
    for (const auto& message : report.messages) out << message << '\n';
    if (!report.text.empty()) {
        out << report.text;
        if (report.text.back() != '\n') out << '\n';
    }
    for (const auto& [key, value] : report.fields) out << key << '=' << value << '\n';
    for (const auto& table : report.tables) printTable(table, out);
    for (const auto& curve : report.curves) printCurve(curve, out);
}

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) return usage(err, "");
    const std::string& command = args[0];
    if (command == "-h" || command == "--help" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "list" && args.size() == 1) return listCalculators(out);
    if (command == "contour") return runContour({args.begin() + 1, args.end()}, out, err);
    if (command == "screen") return runScreen({args.begin() + 1, args.end()}, std::cin, out, err);
    if (command == "batch" && args.size() >= 2) {
        const Calculator* calc = lookUp(args[1], err);
        if (!calc) return kExitUsage;
        return batch(*calc, {args.begin() + 2, args.end()}, out, err);
    }
    if ((command == "inputs" && args.size() == 2) || (command == "run" && args.size() >= 2)) {
        const Calculator* calc = lookUp(args[1], err);
        if (!calc) return kExitUsage;
        if (command == "inputs") return listInputs(*calc, out);
        return run(*calc, {args.begin() + 2, args.end()}, out, err);
    }
    return usage(err, "无法识别的命令：" + validUtf8(command));
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) noexcept
{
    try {
        try {
            return runCommand(args, out, err);
        } catch (const std::bad_alloc&) {
            out.flush();
            err << "qelvo-calc: " << kOutOfMemory << "\n";
        } catch (const std::exception& e) {
            out.flush();
            err << "qelvo-calc: 内部错误：" << validUtf8(e.what()) << "\n";
        } catch (...) {
            out.flush();
            err << "qelvo-calc: 内部错误\n";
        }
    } catch (...) {
        // Even the streams failed: the exit code still tells.
    }
    return kExitInternal;
}

}  // namespace qelvo::cli
