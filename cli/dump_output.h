// The three forms in which foalix-dump writes a loaded roster.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "savedata/roster_csv.h"

namespace foalix::cli {

enum class Format { Text, Csv, Json };

using savedata::Roster;

// An aligned table headed by the window's captions, then the total.
void writeText(std::ostream& out, const Roster& roster);
// {"file": ..., "total": ..., "count": N, "foals": [{"row": R, "name": ..., "Grade": ..., ...}]}
void writeJson(std::ostream& out, const Roster& roster);

void write(std::ostream& out, Format format, const Roster& roster);

}  // namespace foalix::cli
