#include "cli/screen_command.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "air/screening/builtin_engine.h"
#include "cli/cli.h"

namespace qelvo::cli {

int runScreen(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        err << "qelvo-calc: screen 从标准输入读取估算输入文件，不带参数：qelvo-calc screen < screen3.inp\n";
        return kExitUsage;
    }
    const std::string deck{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    air::BuiltinScreeningEngine engine;
    const air::ScreeningOutcome outcome = engine.run(deck);
    if (!outcome.ok()) {
        err << outcome.failure << "\n";
        return kExitRefused;
    }
    out << outcome.result->listing;
    return kExitOk;
}

}  // namespace qelvo::cli
