#include "savedata/roster_diff.h"

#include "savedata/roster_csv.h"

namespace foalix::savedata {
namespace {

std::vector<std::string> foalLine(const char* change, int row, const HorseEntry& entry) {
    std::vector<std::string> line = rosterCells(row, entry);
    line.insert(line.begin(), change);
    return line;
}

}  // namespace

Foals foalsOf(const HorseTable& table, const std::vector<int>& used) {
    Foals foals;
    for (int row : used) {
        foals.emplace(row, table.row(row));
    }
    return foals;
}

bool isSameFoal(const HorseEntry* now, const std::string& name) {
    return now != nullptr && now->name == name;
}

const HorseEntry* entryOf(const Foals& foals, int record) {
    const auto found = foals.find(record);
    return found == foals.end() ? nullptr : &found->second;
}

const char* trendMark(Trend trend) {
    switch (trend) {
        case Trend::Better:
            return "▲";
        case Trend::Worse:
            return "▼";
        case Trend::Neither:
            break;
    }
    return "◆";
}

Trend trendOf(const HorseField& field, const std::string& old, const std::string& now) {
    const int before = field.scale.rank(old);
    const int after = field.scale.rank(now);
    if (!field.scale.graded || before == 0 || after == 0 || before == after) {
        return Trend::Neither;
    }
    return after > before ? Trend::Better : Trend::Worse;
}

RosterDiff diffRosters(const Foals& old, const Foals& now) {
    RosterDiff diff;
    for (const auto& [row, entry] : old) {
        const HorseEntry* same = entryOf(now, row);
        if (!isSameFoal(same, entry.name)) {
            diff.removed.emplace(row, entry);
            continue;
        }
        for (const auto& field : kHorseFields) {
            const std::string& before = entry.*field.member;
            const std::string& after = same->*field.member;
            if (before != after) {
                diff.changed.push_back(
                    {row, entry.name, &field, before, after, trendOf(field, before, after)});
            }
        }
    }
    for (const auto& [row, entry] : now) {
        if (!isSameFoal(entryOf(old, row), entry.name)) {
            diff.added.emplace(row, entry);
        }
    }
    return diff;
}

std::vector<std::vector<std::string>> diffLines(const RosterDiff& diff) {
    std::vector<std::string> header = rosterHeader();
    header.insert(header.begin(), "change");
    // Keyed by record, then removed before added (a renamed record), then changed.
    std::map<std::pair<int, int>, std::vector<std::string>> byRecord;
    for (const auto& [row, entry] : diff.removed) {
        byRecord[{row, 0}] = foalLine("removed", row, entry);
    }
    for (const auto& [row, entry] : diff.added) {
        byRecord[{row, 1}] = foalLine("added", row, entry);
    }
    for (const ValueChange& change : diff.changed) {
        auto& line = byRecord[{change.row, 2}];
        if (line.empty()) {
            line = {"changed", std::to_string(change.row), change.name};
            line.resize(header.size());
        }
        line[static_cast<std::size_t>(change.field - kHorseFields.data()) + 3] =
            change.old + "→" + change.now;
    }
    std::vector<std::vector<std::string>> lines{header};
    for (auto& [key, line] : byRecord) {
        lines.push_back(std::move(line));
    }
    return lines;
}

void writeDiffCsv(std::ostream& out, const RosterDiff& diff) {
    for (const auto& line : diffLines(diff)) {
        writeCsvRecord(out, line);
    }
}

}  // namespace foalix::savedata
