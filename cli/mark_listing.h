// The lists of what the player keeps on foals (`foalix-dump stars`, `foalix-dump notes`):
// a line per foal marked, its save folder, slot, record and name, then the mark's own
// columns, as text (times in local time), CSV or JSON (times in Unix seconds).
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/dump_common.h"

namespace foalix::cli {

enum class MarkColumnKind { Text, Time, List };

struct MarkColumn {
    const char* caption;  // the text output's
    const char* key;      // CSV's and JSON's
    MarkColumnKind kind;
};

struct MarkedFoal {
    std::string saveFolder;
    int slot = 0;
    int record = 0;
    std::string name;
    // One per column: a text, a number of Unix seconds, or a list of texts.
    std::vector<nlohmann::ordered_json> values;
};

// Writes `foals` in `format`; JSON as {"history": FILE, LIST_KEY: [...]}.
void writeMarkedFoals(std::ostream& out, Format format, const std::string& file,
                      const char* listKey, const std::vector<MarkColumn>& columns,
                      const std::vector<MarkedFoal>& foals);

}  // namespace foalix::cli
