// The difference between two reads: which foals arrived and left (same record number and
// same name is the same foal), which values moved, and which way by what they mean.
#include <gtest/gtest.h>

#include "savedata/roster_diff.h"

namespace foalix::savedata {
namespace {

HorseEntry foal(const std::string& name, const std::string& grade, const std::string& age,
                const std::string& when = "早") {
    HorseEntry entry;
    entry.name = name;
    entry.Grade = grade;
    entry.Age = age;
    entry.When = when;
    return entry;
}

std::string joined(const std::vector<std::vector<std::string>>& lines) {
    std::string text;
    for (const auto& line : lines) {
        for (const auto& cell : line) {
            text += cell + ",";
        }
        text += "\n";
    }
    return text;
}

// The lines that follow the header: removed before added within a record (a renamed
// record), records in order, changed values as old→new in their field's place.
TEST(RosterDiff, FoalsArrivedLeftAndChanged) {
    const Foals before{
        {1, foal("イチ", "B", "1")}, {2, foal("ニ", "S", "2")}, {3, foal("サン", "A", "1", "普")}};
    const std::vector<std::tuple<const char*, Foals, std::string>> cases{
        {"the same", before, ""},
        {"one gone, one new",
         {{1, foal("イチ", "B", "1")},
          {3, foal("サン", "A", "1", "普")},
          {7, foal("ナナ", "D", "2")}},
         "removed,2,ニ,S,,,2,,,早,,,,,,,,\nadded,7,ナナ,D,,,2,,,早,,,,,,,,\n"},
        {"renamed in its record",
         {{1, foal("イチ", "B", "1")},
          {2, foal("ニイ", "S", "2")},
          {3, foal("サン", "A", "1", "普")}},
         "removed,2,ニ,S,,,2,,,早,,,,,,,,\nadded,2,ニイ,S,,,2,,,早,,,,,,,,\n"},
        {"values moved",
         {{1, foal("イチ", "A", "2")},
          {2, foal("ニ", "S", "2")},
          {3, foal("サン", "A", "1", "晚")}},
         "changed,1,イチ,B→A,,,1→2,,,,,,,,,,,\nchanged,3,サン,,,,,,,普→晚,,,,,,,,\n"},
    };
    for (const auto& [what, after, expected] : cases) {
        SCOPED_TRACE(what);
        const RosterDiff diff = diffRosters(before, after);
        const auto lines = diffLines(diff);
        EXPECT_EQ(joined(lines).substr(joined({lines.front()}).size()), expected);
        EXPECT_EQ(diff.empty(), expected.empty());
    }
}

// Grades and aptitudes go from D up to S; age, growth, sex and temper only differ, and a
// text the field does not know has no direction.
TEST(RosterDiff, WhichWayAValueMoved) {
    const std::vector<std::tuple<const char*, const char*, const char*, Trend>> cases{
        {"Grade", "B", "A", Trend::Better},     {"SP", "A", "C", Trend::Worse},
        {"Brian", "D", "A", Trend::Better},     {"Mud", "A", "C", Trend::Worse},
        {"Brian", "D", "S", Trend::Neither},  // S is none of Wits' values
        {"Age", "1", "2", Trend::Neither},      {"When", "早", "晚", Trend::Neither},
        {"Temper", "激", "大", Trend::Neither}, {"Sex", "牡", "牝", Trend::Neither},
        {"Grade", "?", "A", Trend::Neither},    {"Grade", "A", "A", Trend::Neither},
    };
    for (const auto& [key, old, now, trend] : cases) {
        EXPECT_EQ(trendOf(*fieldByKey(key), old, now), trend) << key << " " << old << "→" << now;
    }
}

}  // namespace
}  // namespace foalix::savedata
