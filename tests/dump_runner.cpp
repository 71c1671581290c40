#include "tests/dump_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <sstream>

#include "cli/dump_command.h"

namespace foalix::testing {

DumpRun dump(std::vector<std::string> args) {
    args.insert(args.begin(), "foalix-dump");
    auto run = std::async(std::launch::async, [args] {
        std::vector<const char*> argv;
        for (const auto& a : args) {
            argv.push_back(a.c_str());
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runDump(static_cast<int>(argv.size()), argv.data(), out, err);
        return DumpRun{status, out.str(), err.str()};
    });
    if (run.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "foalix-dump hangs";
        std::_Exit(1);  // the hung thread cannot be joined
    }
    return run.get();
}

}  // namespace foalix::testing
