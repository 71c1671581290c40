// Running foalix-dump in the test process, as a player would run it.
#pragma once

#include <string>
#include <vector>

namespace foalix::testing {

struct DumpRun {
    int status;
    std::string out;
    std::string err;
};

// foalix-dump with `args`. A run that hangs is caught by the test's time limit.
DumpRun dump(std::vector<std::string> args);

}  // namespace foalix::testing
