// The three forms in which foalix-dump writes a loaded roster.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::cli {

enum class Format { Text, Csv, Json };

struct Roster {
    std::string file;
    std::string total;      // "12頭"
    std::vector<int> rows;  // listed record numbers, in list order
    const savedata::HorseTable* table = nullptr;
};

// An aligned table headed by the window's captions, then the total.
void writeText(std::ostream& out, const Roster& roster);
// RFC 4180 CSV in UTF-8: a header row of field names, a record per foal, then a
// record "total" with the total text.
void writeCsv(std::ostream& out, const Roster& roster);
// {"file": ..., "total": ..., "count": N, "foals": [{"row": R, "name": ..., "Grade": ..., ...}]}
void writeJson(std::ostream& out, const Roster& roster);

void write(std::ostream& out, Format format, const Roster& roster);

}  // namespace foalix::cli
