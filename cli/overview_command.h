// foalix-dump overview: the stable at a glance, as the window's Stable Overview counts it:
// for the foals --ages and --where list, how many hold each value of each field, and with
// --weights or --profile how their scores spread.
#pragma once

#include <ostream>

namespace foalix::cli {

int runOverview(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace foalix::cli
