// The history of reads: each change of a slot kept once with its number of changes,
// compared with the read before, the newest reads only (their foals going with them),
// shared by two connections (two windows), and cleared; the files of earlier
// releases upgraded; a file it cannot use at first, and damaged ones set aside.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <tuple>

#include "history/history.h"
#include "history/sqlite.h"
#include "tests/test_support.h"

namespace foalix::history {
namespace {

namespace fs = std::filesystem;

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

// Each step keeps a roster (by its grade) in a slot; then the slot's kept reads, newest
// first (each one's grade and number of changes, "-" for none), and the grade of the read
// it is compared with ("" for none).
TEST(History, KeepsEachChangeOnceAndComparesWithTheReadBefore) {
    testing::TempDir dir;
    const std::string file = (dir.path() / kHistoryFileName).string();
    History first(file, {.readsPerSlot = 3});
    History second(file, {.readsPerSlot = 3});  // another window on the same database
    const std::vector<std::tuple<History*, int, std::string, std::string, std::string>> steps{
        {&first, 1, "B", "B-", ""},       {&second, 1, "B", "B-", ""},
        {&second, 1, "A", "A1B-", "B"},   {&first, 1, "A", "A1B-", "B"},
        {&first, 2, "C", "C-", ""},       {&first, 1, "B", "B1A1B-", "A"},
        {&second, 1, "S", "S1B1A1", "B"},  // the oldest read goes, with its foals
    };
    std::int64_t at = 1000;
    for (const auto& [history, slot, grade, kept, comparedWith] : steps) {
        SCOPED_TRACE(std::to_string(at));
        const auto baseline = history->keep(readOf(slot, ++at), roster(grade));
        EXPECT_EQ(baseline ? baseline->foals.at(4).Grade : "", comparedWith);
        std::string listed;
        for (const KeptRead& read : first.reads(readOf(slot, 0).saveFolder, slot)) {
            listed += first.foalsOf(read.id).at(4).Grade +
                      (read.changes ? std::to_string(*read.changes) : "-");
            EXPECT_EQ(read.foals, 1);
        }
        EXPECT_EQ(listed, kept);
        EXPECT_EQ(history->takeNotice().text(), "");
    }
    Connection db(file);
    Statement foals(db, "SELECT count(*) FROM foals");  // those of the reads kept, no more
    foals.step();
    EXPECT_EQ(foals.integer(0), 4);
    const auto newest = second.reads(readOf(1, 0).saveFolder, 1).front();
    EXPECT_EQ(newest.readAt, at);
    EXPECT_EQ(second.foalsOf(newest.id), roster("S"));
    EXPECT_TRUE(second.clear());
    EXPECT_TRUE(first.reads(readOf(1, 0).saveFolder, 1).empty());
}

// Another program holds the history (a database browser, a backup): a read gives up waiting
// at once and waits in memory, compared with the newest read kept or waiting; the same save
// read again waits once. Retries while the lock is held cost nothing; once it frees, the
// waiting reads are kept, oldest first, without another save.
TEST(History, AReadThatMeetsALockWaitsAndIsKeptOnceItFrees) {
    using Clock = std::chrono::steady_clock;
    const auto millisSince = [](Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    };
    testing::TempDir dir;
    const std::string file = (dir.path() / kHistoryFileName).string();
    History history(file);
    history.keep(readOf(1, 1000), roster("B"));
    Connection other(file);
    other.exec("BEGIN EXCLUSIVE");
    // Each read: its grade, the grade of the read it is compared with, and whether it waits
    // anew (the same save read again is the read waiting already).
    const std::string waits =
        "This read waits to be kept in the history: another program is using it";
    for (const auto& [at, grade, comparedWith, notice] :
         std::vector<std::tuple<int, std::string, std::string, std::string>>{
             {1001, "A", "B", waits}, {1002, "A", "B", ""}, {1003, "S", "A", waits}}) {
        SCOPED_TRACE(at);
        const auto start = Clock::now();
        const auto baseline = history.keep(readOf(1, at), roster(grade));
        EXPECT_LT(millisSince(start), 400);
        EXPECT_EQ(baseline ? baseline->foals.at(4).Grade : "", comparedWith);
        EXPECT_EQ(history.takeNotice().text(), notice);
    }
    const auto start = Clock::now();
    EXPECT_FALSE(history.keepWaiting());
    EXPECT_LT(millisSince(start), 50);
    EXPECT_EQ(history.takeNotice().text(), "");
    EXPECT_EQ(history.reads(readOf(1, 0).saveFolder, 1).size(), 1u);  // reading never waits
    other.exec("COMMIT");
    EXPECT_TRUE(history.keepWaiting());
    EXPECT_FALSE(history.hasWaiting());
    EXPECT_EQ(history.takeNotice().text(), "The reads that waited are kept in the history");
    std::string listed;
    for (const KeptRead& read : history.reads(readOf(1, 0).saveFolder, 1)) {
        listed += std::to_string(read.readAt) + history.foalsOf(read.id).at(4).Grade +
                  (read.changes ? std::to_string(*read.changes) : "-") + " ";
    }
    EXPECT_EQ(listed, "1003S1 1001A1 1000B- ");
}

// The kept files of the release without versions and of version 1: every read stays,
// listed with its number of foals and of changes from the slot's read before, a foal's
// values read back, and foals can be starred. Each list is read by a history opened anew:
// the first upgrades the file, the next finds it done.
TEST(History, UpgradesTheFilesOfEarlierReleases) {
    const std::vector<std::tuple<std::string, std::string, std::array<int, 2>, std::string>>
        fixtures{{"unversioned",
                  "C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA",
                  {1, 3},
                  "3:3:2 2:2:3 1:2:- 4:2:- ミドリD2荒"},
                 {"v1", "D:\\Games\\Galvaro\\SAVEDATA", {2, 4}, "2:3:2 1:2:- 3:1:- ミドリA1荒"}};
    for (const auto& [fixture, folder, slots, expected] : fixtures) {
        testing::TempDir dir;
        const fs::path file = dir.path() / kHistoryFileName;
        fs::copy_file(fs::path(FOALIX_FIXTURES) / ("history-" + fixture + ".sqlite3"), file);
        std::string listed;
        for (const int slot : slots) {
            for (const KeptRead& read : History(file.string()).reads(folder, slot)) {
                listed += std::to_string(read.id) + ":" + std::to_string(read.foals) + ":" +
                          (read.changes ? std::to_string(*read.changes) : "-") + " ";
            }
        }
        History history(file.string());
        const savedata::HorseEntry foal =
            history.foalsOf(history.reads(folder, slots[0])[0].id).begin()->second;
        EXPECT_EQ(listed + foal.name + foal.Grade + foal.Age + foal.Temper, expected);
        EXPECT_TRUE(history.star(folder, slots[0], 1, foal.name, true, 1));  // an empty table
        EXPECT_EQ(history.stars(folder, slots[0]).size(), 1u);
    }
}

// A history it cannot use at the first read, which leaves its place as it was: the next
// read is kept once a file no longer stands where its folder goes; a file a newer Foalix
// made is never written.
TEST(History, TriesAgainAtTheNextUseAndLeavesANewerFileAlone) {
    for (const bool newer : {false, true}) {
        testing::TempDir dir;
        const fs::path file = dir.path() / "history" / kHistoryFileName;
        if (newer) {
            History(file.string()).keep(readOf(1, 999), roster("S"));
            Connection(file.string()).exec("CREATE TABLE later (x); PRAGMA user_version = 3");
        } else {
            std::ofstream{file.parent_path()};
        }
        const auto before = testing::snapshot(dir.path());
        History history(file.string());
        history.keep(readOf(1, 1000), roster("A"));
        EXPECT_EQ(history.takeNotice().text(), newer ? "History not kept: made by a newer Foalix"
                                                     : "History not kept: it cannot be written");
        EXPECT_EQ(testing::snapshot(dir.path()), before);
        std::error_code notEmpty;
        fs::remove(file.parent_path(), notEmpty);
        history.keep(readOf(1, 1001), roster("B"));
        EXPECT_EQ(history.reads(readOf(1, 0).saveFolder, 1).size(), newer ? 0u : 1u);
    }
}

// Two damaged files set aside one after the other both stay, under names of their own.
TEST(History, SetsEachDamagedFileAsideUnderANameOfItsOwn) {
    testing::TempDir dir;
    const fs::path file = dir.path() / kHistoryFileName;
    for (const std::size_t size : {4096, 5000}) {
        std::ofstream(file) << std::string(size, 'x');
        History history(file.string());
        history.keep(readOf(1, 1000), roster("A"));
        EXPECT_TRUE(history.takeNotice().text().starts_with(
            "History was damaged: set aside as history.sqlite3.damaged-"));
    }
    std::multiset<std::uintmax_t> sizes;  // and the fresh file's, of several pages
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        sizes.insert(entry.file_size());
    }
    EXPECT_EQ(sizes.count(4096) + sizes.count(5000), 2u);
}

}  // namespace
}  // namespace foalix::history
