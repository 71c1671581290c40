// Whatever lies at a slot file's name: what foalix-dump and the loader report for it,
// that nothing hangs or crashes, and that nothing on disk changes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "history/history.h"
#include "history/sqlite.h"
#include "savedata/roster_loader.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"

namespace foalix::testing {
namespace {

namespace fs = std::filesystem;
using savedata::LoadStatus;
using slotgen::SlotImage;

// What is put at a slot file's name (in `subfolder` of a fresh folder), the exit status
// and the end of stderr, and what is added to the folder foalix-dump is given.
struct BadInput {
    const char* what;
    std::function<void(const fs::path& slot)> put;
    int status;
    std::string err;
    std::string subfolder = "";
    std::string suffix = "";
};

TEST(BadInput, WhatTheUserSeesAndNothingChanges) {
    const auto write = [](const fs::path& slot) {
        SlotImage().foal(1, 1, "イチ", 1, 0x00, kExampleOne).writeTo(slot.string());
    };
    const std::string notFound = "Save Data not found\n";
    const std::vector<BadInput> cases{
        {"one byte short of the roster",
         [](const fs::path& slot) { SlotImage().resize(535343).writeTo(slot.string()); }, 3,
         "Save Data is damaged\n"},
        {"larger than a save can be",
         [&](const fs::path& slot) {
             write(slot);
             fs::resize_file(slot, savedata::kMaxSlotFileBytes + 1);
         },
         3, "Save Data is damaged\n"},
        {"a folder", [](const fs::path& slot) { fs::create_directory(slot); }, 2, notFound},
        {"a FIFO", [](const fs::path& slot) { mkfifo(slot.c_str(), 0644); }, 2, notFound},
        {"a link to a slot file",
         [&](const fs::path& slot) {
             write(slot.parent_path() / "elsewhere.rk5");
             fs::create_symlink("elsewhere.rk5", slot);
         },
         0, ""},
        {"a read-only file in a read-only folder",
         [&](const fs::path& slot) {
             write(slot);
             fs::permissions(slot, fs::perms::owner_read);
             fs::permissions(slot.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
         },
         0, "", "ro"},
        {"a folder with a non-ASCII name", write, 0, "", "セーブ データ"},
        {"a path longer than the system allows", [](const fs::path&) {}, 4,
         "Run-time error '75': Path/File access error\n", "", "/" + std::string(300, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const fs::path folder = dir.path() / c.subfolder;
        fs::create_directories(folder);
        c.put(savedata::composeSlotFile(folder.string(), 1));
        const auto before = snapshot(dir.path());
        const DumpRun run = dump({"--format", "json", folder.string() + c.suffix, "1"});
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.ends_with(c.err)) << run.err;
        EXPECT_EQ(run.out.empty(), c.status != 0);
        EXPECT_EQ(snapshot(dir.path()), before);
        fs::permissions(folder, fs::perms::owner_all);
    }
}

// A slot file that changes between the existence test and the one read.
struct ChangingSlot final : savedata::SlotFile {
    ChangingSlot(std::string path, std::function<void()> change)
        : SlotFile(std::move(path)), change(std::move(change)) {}
    std::optional<savedata::SlotContents> read() const override {
        change();
        return SlotFile::read();
    }
    std::function<void()> change;
};

// What the file becomes, and the outcome. A load that fails leaves the table as it was;
// one that loads lists the save that took the file's place, all of it.
TEST(BadInput, FileThatChangesBeforeItIsRead) {
    using Change = std::function<void(const std::string& file)>;
    const std::vector<std::pair<Change, std::string>> cases{
        {[](const std::string& file) { fs::remove(file); }, "error 53"},
        {[](const std::string& file) {
             fs::remove(file);
             mkfifo(file.c_str(), 0644);
         },
         "error 53"},
        {[](const std::string& file) { fs::resize_file(file, 1000); }, "damaged"},
        {[](const std::string& file) {
             SlotImage().foal(1, 7, "ニ", 3, 0x08, kExampleOne).writeTo(file + "~");
             fs::rename(file + "~", file);
         },
         "loaded"},
    };
    for (const auto& [change, outcome] : cases) {
        TempDir dir;
        const std::string file =
            dir.writeSlot(1, SlotImage().foal(1, 60000, "イチ", 2, 0x08, kExampleTwo));
        const ChangingSlot slot(file, [&] { change(file); });
        savedata::HorseTable table;
        table.row(5).name = "マエ";
        LoadStatus status{};
        const auto error = errorOf([&] { status = savedata::Load_Horses(slot, {}, table).status; });
        const std::string got = error                           ? "error " + std::to_string(*error)
                                : status == LoadStatus::Loaded  ? "loaded"
                                : status == LoadStatus::Damaged ? "damaged"
                                                                : "not found";
        EXPECT_EQ(got, outcome);
        EXPECT_EQ(table.row(1).name + table.row(1).Sex + table.row(5).name,
                  got == "loaded" ? "ニ牝" : "マエ");
    }
}

// What the history does with a database it cannot use, as a window meets it: a damaged
// one is set aside and a fresh one started, unless its folder is read-only; a locked or
// full one leaves the read unkept. Each row readies the history's folder (and may hold something
// until the read is over); then a history is opened there and keeps a read. Then: its one-line
// notice, the reads the slot holds, and the name a damaged file was set aside under.
struct BadHistory {
    const char* what;
    std::function<std::shared_ptr<void>(const fs::path& file, history::Limits& limits)> ready;
    std::string notice;
    std::size_t kept;
    std::string aside = "";
    bool unprivileged = false;  // run as a user the folder's permissions bind (not root)
};

TEST(BadInput, HistoryThatCannotBeUsed) {
    using history::History;
    const history::ReadInfo read{"/saves", 1, 1000, 990, "ab"};
    const auto foals = [](const char* grade) {  // a full roster: a read takes pages
        savedata::Foals roster;
        for (int r = 1; r <= savedata::kRosterRecords; ++r) {
            roster[r].name = std::string(200, 'x') + std::to_string(r);
            roster[r].Grade = grade;
        }
        return roster;
    };
    const auto keptBefore = [&](const fs::path& file) {
        History(file.string()).keep(read, foals("B"));
    };
    const std::string notKept = "This read was not kept in the history: ";
    const std::vector<BadHistory> cases{
        {"pages that contradict each other",
         [&](const fs::path& file, auto&) {
             keptBefore(file);
             std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(3 * 4096 + 8)
                 << std::string(64, '\xA5');
             return nullptr;
         },
         "History was damaged: set aside as history.sqlite3.damaged-", 1,
         "history.sqlite3.damaged-"},
        {"locked by another window beyond the wait",
         [&](const fs::path& file, auto&) {
             keptBefore(file);
             auto other = std::make_shared<history::Connection>(file.string());
             other->exec("BEGIN IMMEDIATE; DELETE FROM foals;");
             return other;
         },
         "This read waits to be kept in the history: another program is using it", 1},
        {"full",
         [&](const fs::path& file, history::Limits& limits) {
             keptBefore(file);
             limits.maxPageCount = static_cast<std::int64_t>(fs::file_size(file) / 4096);
             return nullptr;
         },
         notKept + "the disk is full", 1},
        // Set aside by the check below, once the folder can be written again.
        {"damaged, in a read-only folder",
         [&](const fs::path& file, auto&) {
             std::ofstream(file) << std::string(5000, 'x');
             fs::permissions(file.parent_path().parent_path(), fs::perms::all);
             fs::permissions(
                 file.parent_path(),
                 fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                 fs::perm_options::remove);
             return nullptr;
         },
         "History not kept: it is damaged and could not be set aside", 0,
         "history.sqlite3.damaged-", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const fs::path folder = dir.path() / "history";
        fs::create_directory(folder);
        const fs::path file = folder / history::kHistoryFileName;
        history::Limits limits{.busyTimeoutMs = 100};
        std::string notice;
        {
            const auto held = c.ready(file, limits);
            const auto keepOnce = [&] {
                History history(file.string(), limits);
                history.keep(read, foals("A"));
                return history.takeNotice().text();
            };
            // Root writes wherever it likes: the read is kept as "nobody" (root stays the
            // saved user, so it is taken back after).
            const bool drop = c.unprivileged && geteuid() == 0;
            ASSERT_TRUE(!drop || setresuid(65534, 65534, 0) == 0);
            notice = keepOnce();
            ASSERT_TRUE(!drop || setresuid(0, 0, 0) == 0);
        }
        EXPECT_TRUE(notice.starts_with(c.notice)) << notice;
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        EXPECT_EQ(History(file.string()).reads(read.saveFolder, read.slot).size(), c.kept);
        std::string aside;
        for (const auto& entry : fs::directory_iterator(folder, ignored)) {
            if (entry.path().filename().string().find(".damaged-") != std::string::npos) {
                aside = entry.path().filename().string();
            }
        }
        EXPECT_TRUE(aside.starts_with(c.aside) && aside.empty() == c.aside.empty()) << aside;
    }
}

}  // namespace
}  // namespace foalix::testing
