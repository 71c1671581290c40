// foalix-dump compare: what changed between two slot files.
#pragma once

#include <ostream>

namespace foalix::cli {

// Exit status 0 when nothing changed, 1 when something did, else as foalix-dump.
inline constexpr int kExitChanged = 1;

// `argv[0]` is "compare".
int runCompare(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
