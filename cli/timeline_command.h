// `foalix-dump timeline [FOLDER] SLOT RECORD`: a foal's values at every kept read of the
// window's history, oldest first.
#pragma once

#include <ostream>

namespace foalix::cli {

int runTimeline(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
