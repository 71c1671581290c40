// The player's notes on foals, kept apart from the reads (clearing the reads keeps them),
// keyed as stars are: by save folder (in one spelling), slot, record and name. A note is the
// foal's while the note's record holds the note's name, and it waits while the foal is away.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::history {

class Connection;

struct FoalNote {
    std::string saveFolder;
    int slot = 0;
    int record = 0;
    std::string name;
    std::string text;
    std::int64_t writtenAt = 0;  // Unix time, seconds: when the note was last changed
};

// Whether `text` says nothing: empty, or blanks alone (spaces, tabs, line breaks, the
// ideographic space an input method types, the no-break space).
bool isBlankNote(std::string_view text);

// Keeps `text` as the note on the foal of `record` holding `name` (`at`: now); a blank
// text removes it.
void setNote(Connection& db, const std::string& saveFolder, int slot, int record,
             const std::string& name, const std::string& text, std::int64_t at);
// The notes kept, in order; only those of one slot when `saveFolder` is given. A file made
// before notes were kept has none.
std::vector<FoalNote> notesIn(Connection& db, const std::string* saveFolder, int slot);

// A slot's notes by (record, name), as History::notes gives them.
using SlotNotes = std::map<std::pair<int, std::string>, std::string>;

// The notes of `notes` whose record, among `records` of `table`, still holds the foal noted,
// by record.
std::map<int, std::string> notesAmong(const SlotNotes& notes, const savedata::HorseTable& table,
                                      const std::vector<int>& records);

}  // namespace foalix::history
