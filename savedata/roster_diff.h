// What changed between two reads of a roster: the foals that arrived, the foals that
// left and the values that moved. A foal is the same foal in both reads when its record
// number and its name are the same; a record whose name changed is one foal gone and
// one arrived.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::savedata {

// The used records of one read, by record number.
using Foals = std::map<int, HorseEntry>;

// The rows `used` of `table`.
Foals foalsOf(const HorseTable& table, const std::vector<int>& used);

// The one rule of which foal a record holds, wherever a foal is followed from read to read
// (what changed, the stars, the foal shown, the foals compared): a record holds the same
// foal while it holds the same name; a record whose name changed holds another foal, and
// an empty record none. `now` is the record's entry now, null when the record is empty.
bool isSameFoal(const HorseEntry* now, const std::string& name);
// The entry of `record` among `foals`, or null.
const HorseEntry* entryOf(const Foals& foals, int record);

// Which way a value moved. Grades and aptitudes have a better end (S); age, growth, sex
// and temper only differ.
enum class Trend { Better, Worse, Neither };

Trend trendOf(const HorseField& field, const std::string& old, const std::string& now);
// The mark of a value that moved, in UTF-8: ▲ better, ▼ worse, ◆ only different.
const char* trendMark(Trend trend);

struct ValueChange {
    int row;
    std::string name;
    const HorseField* field;
    std::string old;
    std::string now;
    Trend trend;
};

struct RosterDiff {
    Foals added;
    Foals removed;
    // In record order, and within a foal in field order.
    std::vector<ValueChange> changed;

    bool empty() const { return added.empty() && removed.empty() && changed.empty(); }
};

RosterDiff diffRosters(const Foals& old, const Foals& now);

// The difference as table lines: a header (change, row, name, the fourteen field keys),
// then a line per foal in record order: "added" and "removed" with the foal's values,
// "changed" with "old→new" in the fields that changed.
std::vector<std::vector<std::string>> diffLines(const RosterDiff& diff);
// The same lines as CSV, as foalix-dump compare writes it.
void writeDiffCsv(std::ostream& out, const RosterDiff& diff);

}  // namespace foalix::savedata
