// The three forms in which foalix-dump writes a loaded roster.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "savedata/roster_csv.h"

namespace foalix::cli {

enum class Format { Text, Csv, Json };

using savedata::Roster;

// `lines` as columns lined up by display width, control characters escaped so a cell
// keeps to its line.
void writeAligned(std::ostream& out, std::vector<std::vector<std::string>> lines);
// A foal as {"row": R, "name": ..., "Grade": ..., ...}.
nlohmann::ordered_json foalJson(int row, const savedata::HorseEntry& entry);
// `document` indented by two blanks, then a line end.
void writeJsonDocument(std::ostream& out, const nlohmann::ordered_json& document);

// An aligned table headed by the window's captions, then the total (no stars: the table
// stays as scripts have read it); with a profile, the score last (評分).
void writeText(std::ostream& out, const Roster& roster);
// {"file": ..., "total": ..., "count": N,
//  "foals": [{"row": R, "name": ..., "Grade": ..., ..., "starred": false}]}, with a profile
//  each foal's "score" too (null without one)
void writeJson(std::ostream& out, const Roster& roster);

void write(std::ostream& out, Format format, const Roster& roster);

}  // namespace foalix::cli
