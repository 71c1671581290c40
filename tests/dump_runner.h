// Running foalix-dump in the test process, as a player would run it. A run that hangs
// is caught by the test's time limit.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/dump_command.h"

namespace foalix::testing {

struct DumpRun {
    int status;
    std::string out;
    std::string err;
};

inline DumpRun dump(std::vector<std::string> args) {
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
