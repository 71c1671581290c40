// A damaged history, or one a restored history replaces, is never deleted: it is renamed
// aside, with its write-ahead log, under
// a name no earlier one has, so a player (or a bug report) still has its reads.
#pragma once

#include <string>

namespace foalix::history {

struct SetAside {
    bool done = false;
    std::string name;   // done: the file's new name, without its folder
    std::string error;  // not done: the system's words
};

// Renames `file` and its log aside as `file`.<why>-<local time to the millisecond>
// (with -2, -3… when that is taken): `why` is "damaged", or "replaced" for a history a
// restored one took the place of. The log's index is rebuilt from the log and goes.
// Nothing is half set aside: when the file cannot follow its log, the log goes back.
SetAside setAside(const std::string& file, const char* why = "damaged");

}  // namespace foalix::history
