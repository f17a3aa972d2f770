// Every calculator qelvo-calc lists, walked without knowing any of them: a calculator added to
// any domain's list later is covered here without anyone touching this file.
//
// For each calculator: unique ids and keys; its defaults read back unchanged; runs with the
// defaults and with hostile values for every key, from three starting points (the defaults;
// every check on and every choice at its last item; every check on and every choice at its
// second item), end in a result or a refusal, never a crash, an exception, a hang or a shown
// number that is not finite unless the calculator declares such numbers; a refusal moves the
// focus to one of its inputs; and `qelvo-calc run` prints exactly the model's report.
//
// Hostile values, per key kind: 0, −1, ±1e-38, ±3e38, the type's largest and smallest finite
// values, its boundaries (a choice's first and last item, INT_MIN and INT_MAX), the default
// negated, and every other key's default (equalities such as a = B or xmax = xc). Each
// calculator runs under a watchdog: beyond its time budget the test names the calculator and
// the case and ends the whole program, rather than hang the build.
#include "cli/calculators.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cfloat>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <stdlib.h>  // mkdtemp
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "cli/cli.h"
#include "common/fields.h"
#include "common/number_format.h"

namespace qelvo::cli {
namespace {

// Seconds one calculator may take for all its cases (a few milliseconds in a Release build;
// sanitizer builds are slower). QELVO_HOSTILE_BUDGET overrides it.
double budgetSeconds()
{
    const char* env = std::getenv("QELVO_HOSTILE_BUDGET");
    return env ? std::atof(env) : 20.0;
}

bool isNumberKind(FieldKind k) { return k == FieldKind::Single || k == FieldKind::Double || k == FieldKind::Integer; }

// Values every field of the kind must take (the field's parse rules accept them).
std::vector<std::string> hostileValues(const InputInfo& input)
{
    switch (input.desc.kind) {
    case FieldKind::Single:
        return {"0", "-1", "1", "1e-38", "-1e-38", "3e38", "-3e38", "3.4028234663852886e+38", "-3.4028234663852886e+38",
                "1.1754943508222875e-38", "1.4e-45", "-1.4e-45", "0.5", "1000000"};
    case FieldKind::Double:
        return {"0", "-1", "1", "1e-38", "-1e-38", "3e38", "-3e38", "1.7976931348623157e308", "-1.7976931348623157e308",
                "2.2250738585072014e-308", "4.9e-324", "-4.9e-324", "0.5", "1000000"};
    case FieldKind::Integer:
        return {"0", "-1", "1", "2", "2147483647", "-2147483648", "100", "-100"};
    case FieldKind::Choice: {
        std::vector<std::string> all;
        for (std::size_t i = 0; i < input.desc.choices.size(); ++i) all.push_back(std::to_string(i));
        return all;
    }
    case FieldKind::Check:
        return {"0", "1"};
    case FieldKind::Text:
        return {"", " ", "0", "-1", "1e300,60", "-1e300", "1e999", "nan", "inf", "0x1p3", ",,,", "70,,60,", "中文", "60+60=",
                "7 0 - 6 0 =", "60-60=", "60-70=", std::string(4000, '9') + "=", "CE=", "0"};
    }
    return {};
}

// Values the field's parse rules refuse: the run must answer BadInput, never compute.
std::vector<std::string> invalidValues(const InputInfo& input)
{
    switch (input.desc.kind) {
    case FieldKind::Single: return {"abc", "", "1e39", "-0", "nan", "inf", "0x10"};
    case FieldKind::Double: return {"abc", "1e309", "nan"};
    case FieldKind::Integer: return {"1.5", "2147483648", "x"};
    case FieldKind::Choice: return {"-1", std::to_string(input.desc.choices.size())};
    case FieldKind::Check: return {"2", "-1"};
    case FieldKind::Text: return {"\xff", "a\xc3"};
    }
    return {};
}

// The starting points: the defaults, and two settings of every choice and check.
std::vector<Assignments> bases(const Calculator& calc)
{
    Assignments last, second;
    for (const auto& input : calc.inputs) {
        if (input.desc.kind == FieldKind::Check) {
            last.emplace_back(input.desc.key, "1");
            second.emplace_back(input.desc.key, "1");
        } else if (input.desc.kind == FieldKind::Choice && !input.desc.choices.empty()) {
            const std::size_t n = input.desc.choices.size();
            last.emplace_back(input.desc.key, std::to_string(n - 1));
            second.emplace_back(input.desc.key, std::to_string(n > 1 ? 1 : 0));
        }
    }
    std::vector<Assignments> all{{}};
    if (!last.empty()) all.push_back(last);
    if (!second.empty() && second != last) all.push_back(second);
    return all;
}

std::string describe(const Calculator& calc, const Assignments& values)
{
    std::string s = calc.id;
    for (const auto& [k, v] : values) s += " " + k + "=" + (v.size() > 40 ? v.substr(0, 40) + "…" : v);
    return s;
}

// A number that is not finite in a shown text: the spelling as a word of its own.
bool showsNonFiniteText(const std::string& text)
{
    for (const char* word : {kNaNText, kInfinityText}) {
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const auto letter = [&](std::size_t i) { return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); };
            if ((at == 0 || !letter(at - 1)) && !letter(at + std::string(word).size())) return true;
        }
    }
    return false;
}

bool reportShowsNonFinite(const Report& report)
{
    if (showsNonFiniteText(report.text)) return true;
    for (const auto& [key, value] : report.fields)
        if (showsNonFiniteText(value)) return true;
    for (const auto& t : report.tables)
        for (const auto& row : t.rows)
            for (const auto& cell : row)
                if (showsNonFiniteText(cell)) return true;
    for (const auto& m : report.messages)
        if (showsNonFiniteText(m)) return true;
    return !curvesFinite(report);
}

bool reportHasText(const Report& report, const std::string& piece)
{
    if (report.text.find(piece) != std::string::npos) return true;
    for (const auto& [key, value] : report.fields)
        if (value.find(piece) != std::string::npos) return true;
    for (const auto& t : report.tables)
        for (const auto& row : t.rows)
            for (const auto& cell : row)
                if (cell.find(piece) != std::string::npos) return true;
    return false;
}

// Runs one calculator through all its cases; the failures it finds, as texts.
class Walk {
public:
    explicit Walk(const Calculator& calc) : calc_(calc)
    {
        for (const auto& input : calc.inputs) keys_.insert(input.desc.key);
    }

    std::vector<std::string> run()
    {
        for (const Assignments& base : bases(calc_)) {
            expectComputes(base, false);
            for (const auto& input : calc_.inputs) {
                for (const auto& value : casesFor(input)) expectComputes(with(base, input.desc.key, value), false);
                for (const auto& value : invalidValues(input)) expectComputes(with(base, input.desc.key, value), true);
            }
        }
        return failures_;
    }

    std::string current() const
    {
        const std::lock_guard lock(mutex_);
        return current_;
    }

private:
    std::vector<std::string> casesFor(const InputInfo& input) const
    {
        std::vector<std::string> values = hostileValues(input);
        if (isNumberKind(input.desc.kind)) {
            if (!input.defaultText.empty() && input.defaultText != "0")
                values.push_back(input.defaultText[0] == '-' ? input.defaultText.substr(1) : "-" + input.defaultText);
            for (const auto& other : calc_.inputs)
                if (other.desc.key != input.desc.key && isNumberKind(other.desc.kind)
                    && (input.desc.kind != FieldKind::Integer || other.desc.kind == FieldKind::Integer))
                    values.push_back(other.defaultText);
        }
        return values;
    }

    static Assignments with(Assignments base, const std::string& key, const std::string& value)
    {
        base.emplace_back(key, value);
        return base;
    }

    void fail(const Assignments& values, const std::string& what)
    {
        if (failures_.size() < 20) failures_.push_back(describe(calc_, values) + ": " + what);
    }

    void expectComputes(const Assignments& values, bool invalid)
    {
        {
            const std::lock_guard lock(mutex_);
            current_ = describe(calc_, values);
        }
        RunOutcome outcome;
        try {
            outcome = calc_.run(values);
        } catch (const std::exception& e) {
            return fail(values, std::string("threw ") + e.what());
        }
        using S = RunOutcome::Status;
        if (invalid) {
            if (outcome.status != S::BadInput) fail(values, "a value the field cannot hold was accepted");
            return;
        }
        switch (outcome.status) {
        case S::BadInput:
            return fail(values, "refused as bad input: " + outcome.problem);
        case S::Refused:
            if (outcome.refusal.message.empty()) fail(values, "a refusal without a message");
            if (!outcome.refusal.focusKey.empty() && !keys_.count(outcome.refusal.focusKey))
                fail(values, "the refusal's focus key " + outcome.refusal.focusKey + " is no input");
            return;
        case S::Ok:
            if (!calc_.showsNonFinite && reportShowsNonFinite(outcome.report))
                fail(values, "shows a number that is not finite");
            if (reportHasText(outcome.report, "-nan")) fail(values, "shows -nan");
            return;
        }
    }

    const Calculator& calc_;
    std::set<std::string> keys_;
    std::vector<std::string> failures_;
    mutable std::mutex mutex_;
    std::string current_;
};

TEST(Calculators, IdsAndKeysAreUnique)
{
    std::set<std::string> ids;
    for (const auto& calc : calculators()) {
        EXPECT_TRUE(ids.insert(calc.id).second) << "twice: " << calc.id;
        EXPECT_FALSE(calc.label.empty()) << calc.id;
        std::set<std::string> keys;
        for (const auto& input : calc.inputs) EXPECT_TRUE(keys.insert(input.desc.key).second) << calc.id << " " << input.desc.key;
        std::set<std::string> outputs;
        for (const auto& output : calc.outputs) EXPECT_TRUE(outputs.insert(output.key).second) << calc.id << " " << output.key;
    }
    EXPECT_GE(ids.size(), 28u);
}

// Pages that start empty: with their defaults they ask for what is missing (the substance of
// open storage, the odour page's blank fields) instead of computing.
bool waitsForAChoice(const Calculator& calc) { return calc.id == "air.open_storage_pv" || calc.id == "air.odour"; }

TEST(Calculators, DefaultsReadBackUnchanged)
{
    for (const auto& calc : calculators()) {
        Assignments defaults;
        for (const auto& input : calc.inputs) defaults.emplace_back(input.desc.key, input.defaultText);
        const RunOutcome plain = calc.run({});
        const RunOutcome typed = calc.run(defaults);
        if (waitsForAChoice(calc)) {
            EXPECT_EQ(plain.status, RunOutcome::Status::Refused) << calc.id;
            EXPECT_FALSE(plain.refusal.message.empty()) << calc.id;
            EXPECT_EQ(typed.refusal.message, plain.refusal.message) << calc.id;
            continue;
        }
        ASSERT_EQ(plain.status, RunOutcome::Status::Ok) << calc.id << ": " << plain.refusal.message << plain.problem;
        ASSERT_EQ(typed.status, RunOutcome::Status::Ok) << calc.id << ": " << typed.problem << typed.refusal.message;
        EXPECT_EQ(typed.report.fields, plain.report.fields) << calc.id;
        EXPECT_EQ(typed.report.text, plain.report.text) << calc.id;
        ASSERT_EQ(typed.report.tables.size(), plain.report.tables.size()) << calc.id;
        for (std::size_t t = 0; t < plain.report.tables.size(); ++t)
            EXPECT_EQ(typed.report.tables[t].rows, plain.report.tables[t].rows) << calc.id;
    }
}

namespace fs = std::filesystem;

// Runs a test in a fresh folder of its own: the walk hands hostile texts to keys that name
// files (the unit converter's file=, which creates a missing file as its page does), and
// those files must not land among the build's.
class InFreshFolder {
public:
    InFreshFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "qelvo-walk-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            folder_ = pattern;
            fs::current_path(folder_);
        }
    }
    ~InFreshFolder()
    {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        if (!folder_.empty()) fs::remove_all(folder_, ignored);
    }
    InFreshFolder(const InFreshFolder&) = delete;
    InFreshFolder& operator=(const InFreshFolder&) = delete;

private:
    fs::path previous_ = fs::current_path();
    fs::path folder_;
};

TEST(Calculators, HostileValuesEndInAResultOrARefusal)
{
    const InFreshFolder folder;
    const double budget = budgetSeconds();
    for (const auto& calc : calculators()) {
        Walk walk(calc);
        const auto started = std::chrono::steady_clock::now();
        auto done = std::async(std::launch::async, [&walk] { return walk.run(); });
        if (done.wait_for(std::chrono::duration<double>(budget)) != std::future_status::ready) {
            // A hang (or a calculator far too slow): say where and stop the program; the worker
            // cannot be cancelled.
            std::fprintf(stderr, "TIMEOUT after %.0f s in %s\n", budget, walk.current().c_str());
            std::fflush(stderr);
            std::_Exit(3);
        }
        const std::vector<std::string> failures = done.get();
        for (const auto& f : failures) ADD_FAILURE() << f;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        RecordProperty(calc.id, std::to_string(seconds));
    }
}

TEST(Calculators, RunPrintsTheModelsReport)
{
    for (const auto& calc : calculators()) {
        const RunOutcome outcome = calc.run({});
        if (waitsForAChoice(calc)) {
            ASSERT_EQ(outcome.status, RunOutcome::Status::Refused) << calc.id;
            std::ostringstream out, err;
            EXPECT_EQ(runCli({"run", calc.id}, out, err), kExitRefused) << calc.id;
            EXPECT_EQ(err.str(), outcome.refusal.message + "\n") << calc.id;
            continue;
        }
        ASSERT_EQ(outcome.status, RunOutcome::Status::Ok) << calc.id;
        std::ostringstream expected, expectedJson;
        printReport(calc.id, outcome.report, false, expected);
        printReport(calc.id, outcome.report, true, expectedJson);
        std::ostringstream out, err, jsonOut, jsonErr;
        EXPECT_EQ(runCli({"run", calc.id}, out, err), kExitOk) << calc.id << err.str();
        EXPECT_EQ(out.str(), expected.str()) << calc.id;
        EXPECT_EQ(runCli({"run", calc.id, "--json"}, jsonOut, jsonErr), kExitOk) << calc.id;
        EXPECT_EQ(jsonOut.str(), expectedJson.str()) << calc.id;
        EXPECT_EQ(nlohmann::json::parse(jsonOut.str()).at("id"), calc.id);
    }
}

// The help window shows help/calculators/<id>.html for every calculator: UTF-8, a title, and
// the five sections a topic has. Every topic file belongs to a listed calculator, except the
// topics the screening work has written ahead of its calculators.
TEST(Calculators, EveryCalculatorHasItsHelpTopic)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(QELVO_SOURCE_DIR) / "help" / "calculators";
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::regex title("<title>\\s*[^<\\s][^<]*</title>");
    std::set<std::string> listed;
    for (const auto& calc : calculators()) {
        listed.insert(calc.id);
        const fs::path path = folder / (calc.id + ".html");
        if (!fs::is_regular_file(path)) {
            ADD_FAILURE() << calc.id << ": no help topic " << path;
            continue;
        }
        const std::string html = read(path);
        EXPECT_TRUE(isUtf8(html)) << calc.id;
        EXPECT_TRUE(std::regex_search(html, title)) << calc.id << ": no title";
        for (const char* section : {"计算内容", "计算公式", "依据", "适用范围与限制", "输入检查"})
            EXPECT_NE(html.find(std::string("<h2>") + section + "</h2>"), std::string::npos)
                << calc.id << ": no section " << section;
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string id = entry.path().stem().string();
        EXPECT_TRUE(entry.path().extension() == ".html" && listed.count(id))
            << entry.path() << " is no listed calculator's topic";
    }
}

}  // namespace
}  // namespace qelvo::cli
