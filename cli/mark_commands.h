// `foalix-dump stars` and `foalix-dump notes`: every star, every note of the window's
// history.
#pragma once

#include <ostream>

namespace foalix::cli {

int runStars(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
int runNotes(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
