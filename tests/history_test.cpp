// The history of reads: each change of a slot kept once, compared with the read before,
// the newest reads only, shared by two connections (two windows), and cleared.
#include <gtest/gtest.h>

#include "history/history.h"
#include "tests/test_support.h"

namespace foalix::history {
namespace {

savedata::Foals roster(const std::string& grade) {
    savedata::HorseEntry entry;
    entry.name = "ハヤテ";
    entry.Grade = grade;
    entry.Brian = "賢";
    return {{4, entry}};
}

ReadInfo readOf(int slot, std::int64_t at) {
    return {"C:\\Galvaro\\SAVEDATA", slot, at, at - 5, "ab12"};
}

// Each step keeps a roster (by its grade) in a slot; then the slot's kept reads (their
// grades, newest first) and the grade of the read it is compared with ("" for none).
TEST(History, KeepsEachChangeOnceAndComparesWithTheReadBefore) {
    testing::TempDir dir;
    const std::string file = (dir.path() / kHistoryFileName).string();
    History first(file, {.readsPerSlot = 3});
    History second(file, {.readsPerSlot = 3});  // another window on the same database
    const std::vector<std::tuple<History*, int, std::string, std::string, std::string>> steps{
        {&first, 1, "B", "B", ""},     {&second, 1, "B", "B", ""}, {&second, 1, "A", "AB", "B"},
        {&first, 1, "A", "AB", "B"},   {&first, 2, "C", "C", ""},  {&first, 1, "B", "BAB", "A"},
        {&second, 1, "S", "SBA", "B"},  // the oldest read goes
    };
    std::int64_t at = 1000;
    for (const auto& [history, slot, grade, kept, comparedWith] : steps) {
        SCOPED_TRACE(std::to_string(at));
        const auto baseline = history->keep(readOf(slot, ++at), roster(grade));
        EXPECT_EQ(baseline ? baseline->foals.at(4).Grade : "", comparedWith);
        std::string grades;
        for (const KeptRead& read : first.reads(readOf(slot, 0).saveFolder, slot)) {
            grades += first.foalsOf(read.id).at(4).Grade;
            EXPECT_EQ(read.foals, 1);
        }
        EXPECT_EQ(grades, kept);
        EXPECT_EQ(history->takeNotice(), "");
    }
    const auto newest = second.reads(readOf(1, 0).saveFolder, 1).front();
    EXPECT_EQ(newest.readAt, at);
    EXPECT_EQ(second.foalsOf(newest.id), roster("S"));
    EXPECT_TRUE(second.clear());
    EXPECT_TRUE(first.reads(readOf(1, 0).saveFolder, 1).empty());
    EXPECT_TRUE(first.reads(readOf(2, 0).saveFolder, 2).empty());
}

}  // namespace
}  // namespace foalix::history
