// A roster as CSV, the one CSV writer of the tool: foalix-dump prints it and the
// window's roster table exports it, so a spreadsheet reads both alike.
#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "savedata/horse_table.h"
#include "savedata/score.h"

namespace foalix::savedata {

// Foals of one load, in the order they are shown.
struct Roster {
    std::string file;
    std::string total;      // "12頭"
    std::vector<int> rows;  // record numbers
    const HorseTable* table = nullptr;
    std::set<int> starred = {};  // the records of the foals the player starred
    // The profile the foals are scored by, or none (no score column).
    const ScoreProfile* profile = nullptr;
    std::map<int, std::string> notes = {};  // the player's notes, by record
};

// `cell` as a spreadsheet shows it, never runs it: a cell of more than one character that
// starts with =, +, -, @, tab or CR would be taken for a formula, so it gets a leading
// apostrophe, which marks text. (A lone "-", the unknown age, is no formula.)
std::string asSpreadsheetText(const std::string& cell);

// The one row of a foal that the CSV, the comparison and foalix-dump's JSON and text are
// made of: its keys ("row", "name", then the fourteen field keys) and one foal's cells
// (record number, name, the fourteen values), in the fields' order.
std::vector<std::string> rosterHeader();
std::vector<std::string> rosterCells(int row, const HorseEntry& entry);

// One CSV record (RFC 4180, CRLF line end) of `fields`.
void writeCsvRecord(std::ostream& out, const std::vector<std::string>& fields);

// RFC 4180 CSV in UTF-8 with CRLF line ends: a header row of field names, a record per
// foal, then a record "total" with the total text. Every cell as asSpreadsheetText. The
// column "starred" holds 1 for a starred foal and nothing for the others (nor in the
// total), so a spreadsheet filters on it and its SUM counts the starred foals; "note" holds
// the player's note, line breaks and all. With a profile, a last column "score" holds each
// foal's (nothing for a foal without one).
void writeCsv(std::ostream& out, const Roster& roster);

}  // namespace foalix::savedata
