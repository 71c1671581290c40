// A foal's story: every kept read of its slot in which its record held it, oldest first.
// The foal is the record's while the record holds its name (the one same-foal rule); going
// back, a read whose record held another name ends the story there (that was another foal),
// and a read whose record was empty is passed over (the foal was away).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history/reads.h"
#include "savedata/horse_table.h"

namespace foalix::history {

class Connection;

struct TimelineRead {
    KeptRead read;
    savedata::HorseEntry foal;
};

struct Timeline {
    int record = 0;
    std::string name;
    std::vector<TimelineRead> reads;  // oldest first
};

// The record's entry in each of a slot's kept reads, newest first (none: the record empty).
using RecordReads = std::vector<std::pair<KeptRead, std::optional<savedata::HorseEntry>>>;

// The story of the foal `name` of `record` among `newestFirst`.
Timeline timelineAmong(int record, const std::string& name, const RecordReads& newestFirst);

// What the slot's kept reads hold in `record`, newest first, in one query.
RecordReads recordReads(Connection& db, const std::string& saveFolder, int slot, int record);

}  // namespace foalix::history
