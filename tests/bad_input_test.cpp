// Whatever lies at a slot file's name: what foalix-dump and the loader report for it,
// that nothing hangs or crashes, and that nothing on disk changes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "cli/dump_command.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"

namespace foalix::testing {
namespace {

namespace fs = std::filesystem;
using savedata::HorseTable;
using savedata::LoadStatus;
using slotgen::SlotImage;

SlotImage oneFoal() {
    SlotImage image;
    image.foal(1, 1, "イチ", 1, 0x00, kExampleOne);
    return image;
}

struct BadInput {
    const char* what;
    // What is put at the slot file's name, in `subfolder` of a fresh folder.
    std::function<void(const fs::path& slot)> put;
    int status;
    std::string err;  // what stderr holds
    std::string subfolder = "";
    std::string suffix = "";  // added to the folder foalix-dump is given
};

TEST(BadInput, WhatTheUserSeesAndNothingChanges) {
    const auto write = [](SlotImage image) {
        return [image](const fs::path& slot) { image.writeTo(slot.string()); };
    };
    const auto linkTo = [](const fs::path& target) {
        return [target](const fs::path& slot) { fs::create_symlink(target, slot); };
    };
    const auto nothing = [](const fs::path&) {};
    const std::string notFound = "Save Data not found\n";
    const std::string damaged = "Save Data is damaged\n";
    const std::vector<BadInput> cases{
        {"empty file", write(SlotImage().resize(0)), 3, damaged},
        {"one byte short of the roster", write(SlotImage().resize(535343)), 3, damaged},
        {"exactly the roster", write(oneFoal()), 0, ""},
        {"a folder", [](const fs::path& slot) { fs::create_directory(slot); }, 2, notFound},
        {"a FIFO", [](const fs::path& slot) { mkfifo(slot.c_str(), 0644); }, 2, notFound},
        {"a dangling link", linkTo("gone"), 2, notFound},
        {"a link to /dev/zero", linkTo("/dev/zero"), 2, notFound},
        {"a link to a slot file",
         [&](const fs::path& slot) {
             write(oneFoal())(slot.parent_path() / "elsewhere.rk5");
             linkTo("elsewhere.rk5")(slot);
         },
         0, ""},
        {"a folder with spaces", write(oneFoal()), 0, "", "Old Saves"},
        {"a folder with a non-ASCII name", write(oneFoal()), 0, "", "セーブ データ"},
        {"a trailing separator", write(oneFoal()), 0, "", "", "/"},
        {"a path longer than the system allows", nothing, 4,
         "Run-time error '75': Path/File access error\n", "", "/" + std::string(300, 'x')},
        {"a path through a file",
         [&](const fs::path& slot) { write(oneFoal())(slot.parent_path() / "file"); }, 2, notFound,
         "", "/file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const fs::path folder = dir.path() / c.subfolder;
        fs::create_directories(folder);
        c.put(savedata::composeSlotFile(folder.string(), 1));
        const FolderSnapshot before = snapshot(dir.path());
        const DumpRun run = dump({"--format", "json", folder.string() + c.suffix, "1"});
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(c.err.empty() ? run.err.empty() : run.err.ends_with(c.err)) << run.err;
        if (c.status == 0) {
            EXPECT_EQ(nlohmann::json::parse(run.out)["total"], "1頭");
        } else {
            EXPECT_EQ(run.out, "");
        }
        EXPECT_EQ(snapshot(dir.path()), before);
    }
}

TEST(BadInput, UnreadableFileIsReportedWithItsErrorNumber) {
    TempDir dir;
    const std::string file = dir.writeSlot(1, oneFoal());
    fs::permissions(file, fs::perms::none);
    const FolderSnapshot before = snapshot(dir.path());
    const int loaderError = runWithoutPrivileges([&] {
        try {
            HorseTable table;
            savedata::Load_Horses(savedata::SlotFile(file), {}, table);
            return 0;
        } catch (const savedata::RunTimeError& e) {
            return e.number();
        }
    });
    EXPECT_EQ(loaderError, 75);
    const int dumpStatus = runWithoutPrivileges([&] {
        const DumpRun run = dump({dir.str(), "1"});
        const bool reported =
            run.err.find("Run-time error '75': Path/File access error") != std::string::npos;
        return reported && run.out.empty() ? run.status : 100;
    });
    EXPECT_EQ(dumpStatus, cli::kExitOtherError);
    EXPECT_EQ(snapshot(dir.path()), before);
}

// A slot file that changes under the reader: `change` runs before the open numbered
// `at` (1 is the roster's, 2 the first lookup's).
class ChangingSlot final : public savedata::SlotSource {
  public:
    ChangingSlot(std::string path, int at, std::function<void()> change)
        : file_(std::move(path)), at_(at), change_(std::move(change)) {}
    bool exists() const override { return file_.exists(); }
    std::unique_ptr<savedata::SlotHandle> open() const override {
        if (++opens_ == at_) {
            change_();
        }
        return file_.open();
    }
    const std::string& path() const override { return file_.path(); }

  private:
    savedata::SlotFile file_;
    int at_;
    std::function<void()> change_;
    mutable int opens_ = 0;
};

TEST(BadInput, FileThatChangesWhileItIsRead) {
    struct Case {
        const char* what;
        int at;
        std::function<void(const std::string&)> change;
        std::optional<int> error;
        LoadStatus status;
    };
    const std::vector<Case> cases{
        {"deleted after the existence test", 1, [](const auto& f) { fs::remove(f); }, 53, {}},
        {"truncated after the existence test",
         1,
         [](const auto& f) { fs::resize_file(f, 1000); },
         {},
         LoadStatus::Damaged},
        {"deleted after the roster was read", 2, [](const auto& f) { fs::remove(f); }, 53, {}},
        {"cut to the roster after it was read",
         2,
         [](const auto& f) { fs::resize_file(f, 535344); },
         {},
         LoadStatus::Loaded},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        SlotImage image;
        // The foal's link entry lies past the roster, so cutting the file there loses it.
        image.foal(1, 60000, "イチ", 2, 0x08, kExampleTwo);
        const std::string file = dir.writeSlot(1, image);
        HorseTable table;
        table.row(5).name = "マエ";
        const HorseTable before = table;
        try {
            const auto result =
                savedata::Load_Horses(ChangingSlot(file, c.at, [&] { c.change(file); }), {}, table);
            EXPECT_FALSE(c.error);
            EXPECT_EQ(result.status, c.status);
            if (result.status == LoadStatus::Loaded) {
                // The link entry reads as zero bytes: ability entry 0, sex byte 0.
                EXPECT_EQ(table.row(1).name, "イチ");
                EXPECT_EQ(table.row(1).Grade, "D");
                EXPECT_EQ(table.row(1).Age, "-");
                EXPECT_EQ(table.row(1).Sex, "牡");
            } else {
                EXPECT_EQ(table, before);
            }
        } catch (const savedata::RunTimeError& e) {
            EXPECT_EQ(std::optional<int>(e.number()), c.error);
            EXPECT_EQ(table, before);
        }
    }
}

TEST(BadInput, NamesThatAreNoText) {
    TempDir dir;
    SlotImage image;
    // A name with no terminator, pairs that are no text, and NUL characters.
    std::vector<savedata::Byte> name(84, 0x41);
    name[0] = 0x00;  // 00 41: U+0000, and the name goes on
    name[2] = 0x81;  // 81 00: a lead byte without its trail byte
    name[3] = 0x00;
    name[4] = 0x85;  // 85 40: a lead byte and trail byte with no character
    name[5] = 0x40;
    image.recordRaw(2, 7, name).link(7, 0, 0x00);
    const std::string file = dir.writeSlot(1, image);
    const FolderSnapshot before = snapshot(dir.path());
    const DumpRun run = dump({"--format", "json", "--file", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    ASSERT_EQ(doc["foals"].size(), 1u);
    const std::string expectedName = std::string("\0", 1) + "\uFFFD\uFFFD" + std::string(39, 'A');
    EXPECT_EQ(doc["foals"][0]["name"].get<std::string>(), expectedName);
    EXPECT_NE(run.out.find("\\u0000"), std::string::npos);
    EXPECT_EQ(snapshot(dir.path()), before);
}

}  // namespace
}  // namespace foalix::testing
