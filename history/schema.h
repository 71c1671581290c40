// The history's tables and their versions. `PRAGMA user_version` says which tables a file
// holds; each version after the first is one step from the one before, so a file of any
// earlier release is brought to this one's tables, its reads, stars and notes kept.
#pragma once

#include <array>
#include <string>

#include "savedata/horse_table.h"

namespace foalix::history {

class Connection;

// The tables this release reads and writes: version 3 (1 the reads and foals, 2 the stars,
// 3 the notes).
inline constexpr int kSchemaVersion = 3;

// The foals table's columns after `record`, each with the value it holds. Fixed here, not
// taken from the fields the window shows, so a change to the display never changes the
// tables players' scripts read.
struct FoalColumn {
    const char* name;
    std::string savedata::HorseEntry::*member;
};

inline constexpr std::array<FoalColumn, 15> kFoalColumns{{
    {"name", &savedata::HorseEntry::name},
    {"Grade", &savedata::HorseEntry::Grade},
    {"SP", &savedata::HorseEntry::SP},
    {"ST", &savedata::HorseEntry::ST},
    {"Age", &savedata::HorseEntry::Age},
    {"Strong", &savedata::HorseEntry::Strong},
    {"Win", &savedata::HorseEntry::Win},
    {"When", &savedata::HorseEntry::When},
    {"Burst", &savedata::HorseEntry::Burst},
    {"Grass", &savedata::HorseEntry::Grass},
    {"Mud", &savedata::HorseEntry::Mud},
    {"Sex", &savedata::HorseEntry::Sex},
    {"Mind", &savedata::HorseEntry::Mind},
    {"Temper", &savedata::HorseEntry::Temper},
    {"Brian", &savedata::HorseEntry::Brian},
}};

// ", "name", "Grade"…: the value columns as SQL lists them.
std::string foalColumns();

int userVersion(Connection& db);
bool hasTable(Connection& db, const char* name);

// Brings `db` to kSchemaVersion in one transaction, which another window's upgrade waits
// for; a new file is made at version 1 and takes the steps after it. Returns the version
// found in it: newer than kSchemaVersion when a newer Foalix got there first (then nothing
// changed).
int upgrade(Connection& db);

}  // namespace foalix::history
