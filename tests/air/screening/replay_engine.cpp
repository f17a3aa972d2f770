#include "replay_engine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "air/screening/listing_reader.h"

namespace qelvo::air::testing {
namespace {

const std::filesystem::path kData = QELVO_SCREENING_DATA;

}  // namespace

std::vector<std::string> storedCases()
{
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::directory_iterator(kData))
        if (entry.is_directory()) cases.push_back(entry.path().filename().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::string storedFile(const std::string& caseName, const std::string& file)
{
    std::ifstream in(kData / caseName / file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ScreeningOutcome ReplayEngine::run(const std::string& deck, const std::function<bool()>&)
{
    decks.push_back(deck);
    for (const auto& name : storedCases()) {
        if (storedFile(name, "screen3.inp") != deck) continue;
        ScreeningResult result = readListing(storedFile(name, "SCREEN.OUT"));
        result.engine = this->name();
        return {std::move(result), {}};
    }
    return {std::nullopt, "没有与此输入文件对应的SCREEN3结果"};
}

}  // namespace qelvo::air::testing
