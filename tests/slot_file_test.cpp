// Slot files on disk: their names, the existence test and the file errors.
#include <gtest/gtest.h>

#include <fstream>

#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "savedata/slot_path.h"
#include "tests/test_support.h"

namespace foalix::savedata {
namespace {

using testing::TempDir;

TEST(SlotPath, FolderIsUsedExactlyAsStored) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(composeSlotFile("saves", 1), "saves" + sep + "Svdata1a.rk5");
    EXPECT_EQ(composeSlotFile("saves", 3), "saves" + sep + "Svdata3a.rk5");
    EXPECT_EQ(composeSlotFile("saves", 5), "saves" + sep + "Svdata5a.rk5");
    EXPECT_EQ(composeSlotFile("saves" + sep, 2), "saves" + sep + sep + "Svdata2a.rk5");
    EXPECT_EQ(composeSlotFile("", 4), sep + "Svdata4a.rk5");
#ifdef _WIN32
    EXPECT_EQ(composeSlotFile("C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA", 3),
              "C:\\Program Files\\Vantrel\\Galvaro\\SAVEDATA\\Svdata3a.rk5");
#else
    EXPECT_EQ(composeSlotFile("/home/p/SAVEDATA", 3), "/home/p/SAVEDATA/Svdata3a.rk5");
#endif
}

TEST(SlotFile, LoadsThroughADoubledSeparator) {
    TempDir dir;
    slotgen::SlotImage image;
    image.foal(1, 1, "イチ", 1, 0, testing::kExampleOne);
    dir.writeSlot(2, image);
    HorseTable table;
    const auto result = Load_Horses(SlotFile(composeSlotFile(dir.str() + "/", 2)), {}, table);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(table.row(1).name, "イチ");
}

TEST(SlotFile, MissingSlotIsReportedAndChangesNothing) {
    TempDir dir;
    HorseTable table;
    table.row(7).name = "ノコリ";
    const auto result = Load_Horses(SlotFile(composeSlotFile(dir.str(), 1)), {}, table);
    EXPECT_EQ(result.status, LoadStatus::NotFound);
    EXPECT_STREQ(statusMessage(result.status), "Save Data not found");
    EXPECT_EQ(result.total, "");
    EXPECT_EQ(table.row(7).name, "ノコリ");
}

TEST(SlotFile, OpenFailuresCarryTheFileErrorNumbers) {
    TempDir dir;
    std::ofstream(dir.path() / "plain").flush();
    struct Case {
        std::string path;
        int number;
        const char* text;
    };
    const std::vector<Case> cases{
        {(dir.path() / "missing").string(), 53, "File not found"},
        {(dir.path() / "no-such-folder" / "Svdata1a.rk5").string(), 76, "Path not found"},
        {(dir.path() / "plain" / "Svdata1a.rk5").string(), 76, "Path not found"},
    };
    for (const auto& c : cases) {
        try {
            SlotFile(c.path).open();
            ADD_FAILURE() << c.path;
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.path;
            EXPECT_EQ(e.description(), c.text) << c.path;
        }
    }
}

}  // namespace
}  // namespace foalix::savedata
