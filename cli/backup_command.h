// `foalix-dump backup OUT`: a copy of the window's whole history, consistent while the
// window writes, for another computer or a new start.
#pragma once

#include <ostream>

namespace foalix::cli {

int runBackup(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
