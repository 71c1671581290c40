// One load of a slot, as every window shows it: never changed once made, shared by the
// session, its model and the windows, and replaced whole by the next load.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "savedata/horse_table.h"
#include "savedata/names.h"
#include "savedata/roster_loader.h"
#include "session/read_changes.h"

namespace foalix::session {

// A foal as a note or a star names it: the save folder (as chosen), the slot, the record and
// the name the record held.
struct NotedFoal {
    std::string saveFolder;
    int slot = 0;
    int record = 0;
    std::string name;
    bool operator==(const NotedFoal&) const = default;
};

struct LoadedRoster {
    std::string saveFolder;  // the save folder as chosen: the history's name for it
    int slot = 0;            // 1 to 5
    std::string readFrom;    // the copy the game reads, which was read
    savedata::AgeBoxes ages;
    savedata::HorseTable table;
    std::vector<int> used;    // every used record, in record order
    std::vector<int> listed;  // the records the age boxes list, in list order
    std::string total;        // "12頭"
    savedata::NameEncoding encoding = savedata::NameEncoding::ShiftJis;
    // The file's modification time (Unix seconds) and the SHA-1 of the bytes decoded.
    std::int64_t fileTime = 0;
    std::string contentHash;
    // What changed since the slot's previous kept read.
    ReadChanges changes;
    // The records of the foals the player starred (the record still holding the name
    // starred), as the history keeps them.
    std::set<int> starred;
    // The player's notes, by record (the record still holding the name noted), as the
    // history keeps them.
    std::map<int, std::string> notes;
    // Per field of kHorseFields, the rank marked as the best of the listed foals (0: none).
    std::array<int, savedata::kHorseFields.size()> standouts{};

    int standout(const savedata::HorseField& field) const {
        return standouts.at(static_cast<std::size_t>(&field - savedata::kHorseFields.data()));
    }

    // The player's note on the foal of `record`, or an empty text.
    std::string noteOn(int record) const {
        const auto found = notes.find(record);
        return found == notes.end() ? std::string() : found->second;
    }

    bool lists(int record) const {
        return std::find(listed.begin(), listed.end(), record) != listed.end();
    }
    // The entry of `record` when the record is used (listed or not), else null: an unused
    // record's row holds what an earlier load left there.
    const savedata::HorseEntry* heldBy(int record) const {
        return std::binary_search(used.begin(), used.end(), record) ? &table.row(record) : nullptr;
    }
};

}  // namespace foalix::session
