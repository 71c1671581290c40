// Loading a slot: roster, link and ability lookups, the age filter and the total; and the
// stored numbers, through hexadecimal text, with the errors of their conversion.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>

#include "savedata/numbers.h"
#include "savedata/roster_csv.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"
#include "tests/memory_slot.h"
#include "tests/test_support.h"

namespace foalix::savedata {
namespace {

using slotgen::SlotImage;
using testing::kExampleOne;
using testing::kExampleTwo;

constexpr AgeBoxes kBoth{BoxValue::Ticked, BoxValue::Ticked};

struct Loaded {
    LoadResult result;
    HorseTable table;
};

Loaded load(const SlotImage& image, AgeBoxes ages = kBoth) {
    Loaded loaded;
    loaded.result = Load_Horses(MemorySlot(image.bytes()), ages, loaded.table);
    return loaded;
}

// One slot holding every way a record reaches its values.
TEST(LoadHorses, EveryUsedRecordFollowedToItsValues) {
    SlotImage image;
    image.foal(1, 7, "サクラ", 30, 0x09, kExampleOne).foal(2, 8, "モミジ", 31, 0xF7, kExampleTwo);
    // Id bytes 00 00 are roster id 0, a used record linked at the region's start.
    image.recordRaw(3, 0, {}).link(0, 5, 0x08).ability(5, kExampleOne);
    image.recordRaw(4, 2051, std::vector<Byte>{',', 0}).link(2051, 6, 0).ability(6, kExampleTwo);
    // Roster id 1's link entry at 237616 names ability index 0x1034, at 43356.
    image.recordRaw(40, 1, std::vector<Byte>{'\n', 0})
        .put(237616, std::array<Byte, 2>{0x34, 0x10})
        .put(43356, kExampleTwo);
    // Id 65535's link entry lies far past the end of the file: index 0, sex byte 0.
    image.recordRaw(6, 65535, std::vector<Byte>{'"', 0}).ability(0, kExampleOne);
    // Index 65535's ability entry at 657226 is cut short by the end of the file.
    image.recordRaw(7, 3, std::vector<Byte>{'\r', 0}).link(3, 65535, 0x08);
    image.resize(657226 + 3).put(657226, std::array<Byte, 3>{0x50, 0x30, 0x18});
    const Loaded loaded = load(image);
    // The listed foals through the CSV writer: record, name, the fourteen values, then 1 for
    // a starred foal (record 5, starred, is not listed), then the note (a formula kept as
    // text, a line break quoted); a name with a comma, a quote (doubled), CR or LF quoted
    // (records 4, 6, 7, 40).
    std::ostringstream csv;
    writeCsv(csv, {"",
                   loaded.result.total,
                   loaded.result.listedRows,
                   &loaded.table,
                   {2, 5},
                   nullptr,
                   {{1, "=1+1 #keep\nsire"}, {5, "unlisted"}}});
    EXPECT_EQ(csv.str(),
              "row,name,Grade,SP,ST,Age,Strong,Win,When,Burst,Grass,Mud,Sex,Mind,Temper,Brian,"
              "starred,note\r\n"
              "1,サクラ,S,A,A,1,C,C,遲,A,A,A,牝,D,荒,A,,\"'=1+1 #keep\nsire\"\r\n"
              "2,モミジ,D,D,C,2,B,C,早,C,C,A,牡,C,普,B,1,\r\n"
              "3,,S,A,A,1,C,C,遲,A,A,A,牝,D,荒,A,,\r\n"
              "4,\",\",D,D,C,2,B,C,早,C,C,A,牡,C,普,B,,\r\n"
              "6,\"\"\"\",S,A,A,1,C,C,遲,A,A,A,牡,D,荒,A,,\r\n"
              "7,\"\r\",S,A,A,-,D,C,早,C,C,C,牝,D,激,D,,\r\n"
              "40,\"\n\",D,D,C,2,B,C,早,C,C,A,牡,C,普,B,,\r\n"
              "total,7頭,,,,,,,,,,,,,,,,\r\n");
    EXPECT_TRUE(loaded.table.row(5) == HorseEntry{});  // the unused record stays empty
    // The age boxes decide the list only: "1" goes by the first, any other age by the
    // second, a greyed box is not ticked, and every used row is filled either way.
    const std::vector<std::tuple<AgeBoxes, std::vector<int>, std::string>> filters{
        {{BoxValue::Ticked, BoxValue::Unticked}, {1, 3, 6}, "3頭"},
        {{BoxValue::Greyed, BoxValue::Ticked}, {2, 4, 7, 40}, "4頭"},
        {{BoxValue::Unticked, BoxValue::Unticked}, {}, "0頭"},
    };
    for (const auto& [ages, rows, total] : filters) {
        const Loaded filtered = load(image, ages);
        EXPECT_EQ(filtered.result.listedRows, rows) << total;
        EXPECT_EQ(filtered.result.total, total);
        EXPECT_EQ(filtered.table.row(7).name, "\r");
    }
}

// A load keeps the bytes it decoded and the file's modification time. A slot too short
// for the roster is damaged, wherever its bytes come from.
TEST(LoadHorses, KeepsWhatItReadAndWhenTheFileChanged) {
    testing::TempDir dir;
    SlotImage image;
    image.foal(1, 7, "サクラ", 30, 0x09, kExampleOne);
    const std::string file = dir.writeSlot(1, image);
    using namespace std::chrono;
    std::filesystem::last_write_time(file, file_clock::from_sys(sys_seconds(1000000000s)));
    HorseTable table;
    const LoadResult result = Load_Horses(SlotFile(file), kBoth, table);
    EXPECT_EQ(result.contents.bytes, image.bytes());
    EXPECT_EQ(result.contents.modified, 1000000000);
    EXPECT_EQ(load(SlotImage().resize(kRosterEnd - 1)).result.status, LoadStatus::Damaged);
}

TEST(HexToDec, ConvertsOrRaises) {
    // Text, then the value or the error number (6 overflow, 13 type mismatch).
    const std::vector<std::tuple<std::string, std::int32_t, std::optional<int>>> cases{
        {"8fc", 2300, {}},
        {"7fffffff", 2147483647, {}},
        {"80000000", 0, 6},
        {std::string(255, '0') + "1", 0, 6},  // 256 characters: every digit, then 6
        {"1g", 0, 13},
    };
    for (const auto& [text, value, error] : cases) {
        std::int32_t got = -1;
        EXPECT_EQ(testing::errorOf([&] { got = Hex_To_Dec(text); }), error) << text;
        if (!error) {
            EXPECT_EQ(got, value) << text;
        }
    }
}

}  // namespace
}  // namespace foalix::savedata
