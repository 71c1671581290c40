#include "tests/dump_runner.h"

#include <sstream>

#include "cli/dump_command.h"

namespace foalix::testing {

DumpRun dump(std::vector<std::string> args) {
    args.insert(args.begin(), "foalix-dump");
    std::vector<const char*> argv;
    for (const auto& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runDump(static_cast<int>(argv.size()), argv.data(), out, err);
    return DumpRun{status, out.str(), err.str()};
}

}  // namespace foalix::testing
