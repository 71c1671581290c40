// The history of reads: each change of a slot kept once with its number of changes,
// compared with the read before, the newest reads only (their foals going with them),
// shared by two connections (two windows), and cleared; the files of earlier
// releases upgraded; a file it cannot use at first, and damaged ones set aside.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <set>
#include <tuple>

#include "history/history.h"
#include "history/schema.h"
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

// The kept files of the release without versions and of versions 1 and 2: every read stays,
// listed with its number of foals and of changes from the slot's read before, a foal's
// values read back, the stars kept, and foals can be starred and noted. Each list is read by a
// history opened anew: the first upgrades the file, the next finds it done.
TEST(History, UpgradesTheFilesOfEarlierReleases) {
    const std::vector<std::tuple<std::string, std::string, std::array<int, 2>, std::string>>
        fixtures{{"unversioned",
                  "C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA",
                  {1, 3},
                  "3:3:2 2:2:3 1:2:- 4:2:- ミドリD2荒"},
                 {"v1", "D:\\Games\\Galvaro\\SAVEDATA", {2, 4}, "2:3:2 1:2:- 3:1:- ミドリA1荒"},
                 {"v2", "E:\\Galvaro\\SAVEDATA", {1, 2}, "3:2:2 2:2:1 1:2:- 4:1:- カゼB2荒"}};
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
        const std::size_t starsKept = history.allStars().size();
        EXPECT_EQ(starsKept, fixture == "v2" ? 2u : 0u);
        EXPECT_TRUE(history.star(folder, slots[0], 1, foal.name, true, 1));
        EXPECT_EQ(history.allStars().size(), starsKept + 1);
        EXPECT_TRUE(history.note(folder, slots[0], 1, foal.name, "#keep", 1));  // a new table
        EXPECT_EQ(history.allNotes().size(), 1u);
        EXPECT_EQ(history.version(), kSchemaVersion);
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
            Connection(file.string())
                .exec("CREATE TABLE later (x); PRAGMA user_version = " +
                      std::to_string(kSchemaVersion + 1));
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

// A note is kept by save folder, slot, record and name: written, rewritten, removed by an
// empty text, apart from another foal's on the same record, and kept when the reads are
// cleared.
TEST(History, KeepsEachFoalsNoteApartFromTheReads) {
    testing::TempDir dir;
    History history((dir.path() / kHistoryFileName).string());
    const std::string folder = readOf(1, 0).saveFolder;
    history.keep(readOf(1, 1000), roster("A"));
    const std::vector<std::tuple<int, std::string, std::string, std::string>> steps{
        {4, "ハヤテ", "#keep sire line", "4ハヤテ:#keep sire line "},
        {4, "カゼ", "another foal", "4カゼ:another foal 4ハヤテ:#keep sire line "},
        {4, "ハヤテ", "#keep\nbetter", "4カゼ:another foal 4ハヤテ:#keep\nbetter "},
        {4, "カゼ", " \n ", "4ハヤテ:#keep\nbetter "},
    };
    for (const auto& [record, name, text, expected] : steps) {
        EXPECT_TRUE(history.note(folder, 1, record, name, text, 2000));
        std::string listed;
        for (const auto& [foal, note] : history.notes(folder, 1)) {
            listed += std::to_string(foal.first) + foal.second + ":" + note + " ";
        }
        EXPECT_EQ(listed, expected) << text;
    }
    EXPECT_TRUE(history.notes(folder, 2).empty());
    EXPECT_TRUE(history.clear());
    EXPECT_EQ(history.allNotes().size(), 1u);
    EXPECT_EQ(History((dir.path() / kHistoryFileName).string()).allNotes().at(0).text,
              "#keep\nbetter");
}

// A foal's story: the reads of its slot in which its record held it, oldest first; a read
// with the record empty passed over (the foal away), one with another name ending it (another
// foal before it); without a name, the foal of the newest read.
TEST(History, TellsAFoalsStoryOverTheReadsItsRecordHeldIt) {
    testing::TempDir dir;
    History history((dir.path() / kHistoryFileName).string());
    const auto held = [](const char* name, const char* grade) {
        savedata::Foals foals = roster(grade);
        foals.at(4).name = name;
        return foals;
    };
    // Oldest first: another foal, then ハヤテ at D, C, away, B; a read of slot 2 between.
    const std::vector<savedata::Foals> reads{held("カゼ", "S"),
                                             held("ハヤテ", "D"),
                                             held("ハヤテ", "C"),
                                             {{7, held("x", "A").at(4)}},
                                             held("ハヤテ", "B")};
    std::int64_t at = 1000;
    for (const savedata::Foals& foals : reads) {
        history.keep(readOf(1, ++at), foals);
        history.keep(readOf(2, ++at), held("ハヤテ", "A"));
    }
    const std::string folder = readOf(1, 0).saveFolder;
    const auto story = [&](int slot, int record, const std::optional<std::string>& name) {
        const Timeline timeline = history.timeline(folder, slot, record, name);
        std::string told = timeline.name + ":";
        for (const TimelineRead& read : timeline.reads) {
            told += " " + std::to_string(read.read.readAt) + read.foal.Grade;
        }
        return told;
    };
    EXPECT_EQ(story(1, 4, std::nullopt), "ハヤテ: 1003D 1005C 1009B");
    EXPECT_EQ(story(1, 4, "ハヤテ"), "ハヤテ: 1003D 1005C 1009B");
    EXPECT_EQ(story(1, 4, "カゼ"), "カゼ:");                // the record holds another foal now
    EXPECT_EQ(story(2, 4, std::nullopt), "ハヤテ: 1002A");  // the same values, kept once
    EXPECT_EQ(story(1, 7, std::nullopt), ":");              // not in the newest read
    EXPECT_EQ(story(3, 4, std::nullopt), ":");
}

// A backup taken while another program holds a write open is the history as committed; it
// is taken back in place of a history with other reads, which is set aside, and every
// read, star and note comes back with it.
TEST(History, BacksUpWhileAnotherWritesAndRestoresEverything) {
    testing::TempDir dir;
    const std::string file = (dir.path() / kHistoryFileName).string();
    const std::string folder = readOf(1, 0).saveFolder;
    const std::string backup = (dir.path() / "copy.sqlite3").string();
    {
        History history(file);
        history.keep(readOf(1, 1000), roster("A"));
        history.keep(readOf(1, 1001), roster("S"));
        history.star(folder, 1, 4, "ハヤテ", true, 1001);
        history.note(folder, 1, 4, "ハヤテ", "#keep", 1001);
        std::ofstream(backup) << "an older copy";
        Connection other(file);
        other.exec("BEGIN IMMEDIATE; DELETE FROM stars");
        EXPECT_TRUE(history.backUp(backup));
        EXPECT_EQ(history.takeNotice().text(), "");
        other.exec("ROLLBACK");
    }
    EXPECT_FALSE(fs::exists(backup + ".part"));
    const std::string other = (dir.path() / "other" / kHistoryFileName).string();
    History restored(other);
    restored.keep(readOf(2, 5000), roster("C"));
    EXPECT_TRUE(restored.restore(backup));
    EXPECT_TRUE(restored.takeNotice().text().starts_with(
        "The history was restored; the one before it was set aside as "
        "history.sqlite3.replaced-"));
    EXPECT_EQ(restored.reads(folder, 1).size(), 2u);
    EXPECT_TRUE(restored.reads(folder, 2).empty());
    EXPECT_EQ(restored.stars(folder, 1).size(), 1u);
    EXPECT_EQ(restored.notes(folder, 1).begin()->second, "#keep");
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(other).parent_path())) {
        files += entry.path().filename().string().find(".replaced-") != std::string::npos;
    }
    EXPECT_EQ(files, 1u);
}

// A file that is not whole, not a history, or made by a newer Foalix is refused, and the
// history in use and its folder stay as they were; so does a backup that cannot be written.
TEST(History, RefusesAFileItCannotTakeAndChangesNothing) {
    testing::TempDir dir;
    const fs::path place = dir.path() / "history";
    const std::string file = (place / kHistoryFileName).string();
    History(file).keep(readOf(1, 1000), roster("A"));
    const fs::path offered = dir.path() / "offered.sqlite3";
    const std::vector<std::pair<std::function<void()>, std::string>> offers{
        {[&] { std::ofstream(offered) << std::string(8192, 'x'); }, "the file is damaged"},
        {[&] { Connection(offered.string()).exec("CREATE TABLE songs (x)"); },
         "the file is not a Foalix history"},
        {[&] {
             fs::copy_file(file, offered);
             Connection(offered.string())
                 .exec("PRAGMA user_version = " + std::to_string(kSchemaVersion + 1));
         },
         "made by a newer Foalix"},
    };
    for (const auto& [make, reason] : offers) {
        fs::remove(offered);
        make();
        EXPECT_FALSE(checkBackup(offered.string()).usable);
        const auto before = testing::snapshot(place);
        History history(file);
        EXPECT_FALSE(history.restore(offered.string()));
        EXPECT_EQ(history.takeNotice().text(), "The history was not restored: " + reason);
        EXPECT_EQ(testing::snapshot(place), before);
        EXPECT_EQ(history.reads(readOf(1, 0).saveFolder, 1).size(), 1u);
    }
    History history(file);
    EXPECT_FALSE(history.backUp((dir.path() / "absent" / "copy.sqlite3").string()));
    EXPECT_TRUE(history.takeNotice().text().starts_with("The history was not backed up: "));
}

}  // namespace
}  // namespace foalix::history
