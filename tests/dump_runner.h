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

// foalix-dump with `args`; a run that hangs past 10 s fails the test run.
DumpRun dump(std::vector<std::string> args);

}  // namespace foalix::testing
