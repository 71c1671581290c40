// Slot descriptions, as the sample saves are written from them.
#include <gtest/gtest.h>

#include <sstream>

#include "savedata/memory_slot.h"
#include "savedata/roster_loader.h"
#include "tools/slotgen/slot_image.h"

namespace foalix::slotgen {
namespace {

using namespace savedata;

TEST(SlotDescription, EveryStatementReachesTheLoader) {
    std::istringstream in(R"(# a comment
foal 1 100 "ハヤテ" 7 09 50 30 18 0A 00 41 C3 F1   # trailing comment
record 2 101 "ソラ"
link 101 7 F7
rawrecord 3 102 41 42 43 00
ability 8 2C 60 10 13 FF 85 09 7E
link 102 8 00
unused 1
size 600000
)");
    const SlotImage image = parseDescription(in);
    EXPECT_EQ(image.bytes().size(), 600000u);
    HorseTable table;
    const auto result = Load_Horses(MemorySlot("d", image.bytes()), {}, table);
    EXPECT_EQ(result.listedRows, (std::vector<int>{2, 3}));
    EXPECT_EQ(table.row(2).name, "ソラ");
    EXPECT_EQ(table.row(2).Grade, "S");
    EXPECT_EQ(table.row(2).Sex, "牡");
    EXPECT_EQ(table.row(3).name, "AC");
    EXPECT_EQ(table.row(3).Age, "2");
}

}  // namespace
}  // namespace foalix::slotgen
