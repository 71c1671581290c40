// foalix-dump: the roster of one save slot on standard output.
#pragma once

#include <ostream>

namespace foalix::cli {

// Exit statuses besides 0.
inline constexpr int kExitNotFound = 2;
inline constexpr int kExitDamaged = 3;
inline constexpr int kExitOtherError = 4;
inline constexpr int kExitUsage = 64;

int runDump(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
