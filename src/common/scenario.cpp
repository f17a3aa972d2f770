#include "common/scenario.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "common/atomic_file.h"
#include "common/version.h"

namespace qelvo {

namespace {

using Json = nlohmann::ordered_json;

std::string quoted(const std::string& name) { return "“" + validUtf8(name) + "”"; }

std::string notAScenario(const std::string& name, const std::string& why)
{
    return "文件" + quoted(name) + "不是方案文件（" + why + "），无法打开！";
}

}  // namespace

std::string scenarioText(const std::string& calculatorId, const Assignments& inputs)
{
    Json values = Json::object();
    for (const auto& [key, text] : inputs) values[key] = text;
    const Json json = {{"calculator", calculatorId}, {"version", programVersion()}, {"inputs", values}};
    // Every text a page holds is UTF-8; a stray byte would be replaced rather than thrown over.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string writeScenario(const std::string& path, const std::string& calculatorId, const Assignments& inputs)
{
    return writeFileReplacing(path, scenarioText(calculatorId, inputs));
}

ScenarioRead parseScenario(std::string_view bytes, const std::string& name)
{
    ScenarioRead read;
    if (!isUtf8(bytes)) {
        read.problem = "文件" + quoted(name) + "不是UTF-8编码的文本，无法打开！";
        return read;
    }
    Json json = Json::parse(bytes, nullptr, false);
    if (json.is_discarded()) {
        read.problem = "文件" + quoted(name) + "不是有效的JSON文件，无法打开！";
        return read;
    }
    if (!json.is_object() || !json.contains("calculator") || !json["calculator"].is_string()
        || !json.contains("inputs") || !json["inputs"].is_object()) {
        read.problem = notAScenario(name, "应有文字calculator和对象inputs");
        return read;
    }
    Scenario& s = read.scenario;
    s.calculator = json["calculator"].get<std::string>();
    if (json.contains("version") && json["version"].is_string()) s.version = json["version"].get<std::string>();
    for (const auto& [key, value] : json["inputs"].items()) {
        // A number written by hand reads as the text it was written as.
        if (value.is_string()) s.inputs.emplace_back(key, value.get<std::string>());
        else if (value.is_number()) s.inputs.emplace_back(key, value.dump());
        else {
            read.problem = notAScenario(name, "输入项" + validUtf8(key) + "的值应是文字");
            read.scenario = {};
            return read;
        }
    }
    return read;
}

std::string checkScenario(const Scenario& scenario, const std::string& name, const std::string& calculatorId,
                          const std::vector<FieldSpec>& inputs)
{
    if (scenario.calculator != calculatorId)
        return "文件" + quoted(name) + "是" + quoted(scenario.calculator) + "的方案，不能用于" + quoted(calculatorId)
               + "，无法打开！";
    for (const auto& [key, text] : scenario.inputs) {
        const FieldSpec* field = nullptr;
        for (const auto& f : inputs)
            if (f.key == key) field = &f;
        if (!field) return "文件" + quoted(name) + "中的输入项" + quoted(key) + "不属于" + quoted(calculatorId) + "，无法打开！";
        if (!acceptsText(*field, text))
            return "文件" + quoted(name) + "中 " + validUtf8(key) + "=" + validUtf8(text) + " 不是"
                   + kindNoun(field->kind) + "，无法打开！";
    }
    return {};
}

ScenarioRead readScenario(const std::string& path, const std::string& calculatorId,
                          const std::vector<FieldSpec>& inputs)
{
    ScenarioRead read;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        read.problem = "无法读取文件" + quoted(path) + "！";
        return read;
    }
    // At most one byte beyond the limit is read: enough to know the file is too large.
    std::string bytes(kMaxScenarioBytes + 1, '\0');
    const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        read.problem = "无法读取文件" + quoted(path) + "！";
        return read;
    }
    if (n > kMaxScenarioBytes) {
        read.problem = notAScenario(path, "大于1 MB");
        return read;
    }
    bytes.resize(n);
    read = parseScenario(bytes, path);
    if (read.problem.empty()) read.problem = checkScenario(read.scenario, path, calculatorId, inputs);
    return read;
}

}  // namespace qelvo
