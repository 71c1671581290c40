// Loading a slot: the roster records in order, each used one followed through its
// link and ability entries, decoded, and offered to the age filter.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "savedata/horse_table.h"
#include "savedata/names.h"
#include "savedata/slot_source.h"
#include "savedata/translatable.h"

namespace foalix::savedata {

// A check box's value: only a ticked box lists its age.
enum class BoxValue { Unticked = 0, Ticked = 1, Greyed = 2 };

struct AgeBoxes {
    BoxValue one = BoxValue::Ticked;  // foals of age 1
    BoxValue two = BoxValue::Ticked;  // every other age
};

enum class LoadStatus { Loaded, NotFound, Damaged };

inline constexpr const char* kSaveDataNotFound = QT_TRANSLATE_NOOP("Load", "Save Data not found");
inline constexpr const char* kSaveDataDamaged = QT_TRANSLATE_NOOP("Load", "Save Data is damaged");

struct LoadResult {
    LoadStatus status = LoadStatus::NotFound;
    // Record numbers of the listed foals, in the order the age filter added them.
    std::vector<int> listedRows;
    // Record numbers of every used record, listed or not, in record order.
    std::vector<int> usedRows;
    // The listed count followed by "頭"; empty unless the slot loaded.
    std::string total;
    // The encoding the names were read in: the one chosen, or the one detected.
    NameEncoding encoding = NameEncoding::ShiftJis;
    // What Load_Horses read: the bytes decoded and the file's modification time, so a
    // caller names exactly the save it lists. Empty when nothing was read.
    SlotContents contents;
};

// Loads the slot into `table`: the existence test, one read of the whole slot, then
// decodeSlot on what was read, which the result keeps. A missing slot gives NotFound and a
// file whose size can be no save's gives Damaged without being read; both leave `table`
// as it was. File failures raise RunTimeError and also leave `table` as it was.
LoadResult Load_Horses(const SlotSource& slot, AgeBoxes ages, HorseTable& table,
                       NameEncodingChoice names = NameEncodingChoice::Automatic);

// Decodes a slot's bytes into `table`. A slot too short to hold the roster gives Damaged
// and leaves `table` as it was; one that loads replaces all 40 rows, so rows of unused
// records are empty. Names are read in the encoding `names` fixes, or by default in the
// one detected from the roster's used records. The result's contents stay empty.
LoadResult decodeSlot(std::span<const Byte> slot, AgeBoxes ages, HorseTable& table,
                      NameEncodingChoice names = NameEncodingChoice::Automatic);

// Fills the fourteen decoded fields of row r from the link entry of `rosterId` and
// the ability entry it points to. Entries, or their parts, past the end of the slot
// read as zero bytes.
void Get_Ability(std::span<const Byte> slot, int r, std::int32_t rosterId, HorseTable& table);

// True when row r's age box is ticked: "1" goes by `one`, any other age by `two`.
bool Add_To_List(const HorseTable& table, int r, AgeBoxes ages);

// The total text of `count` listed foals: the number followed by "頭".
std::string totalText(std::size_t count);

// The message a player sees for a slot that did not load, or nothing.
const char* statusMessage(LoadStatus status);

}  // namespace foalix::savedata
