// The fourteen decoders over every byte value, each by where its bands start in the low
// bits it reads.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "decode/decoders.h"

namespace foalix::decode {
namespace {

// The text every byte must give: that of the last band starting at or below the
// byte's low bits (the byte modulo `period`).
void expectBands(const char* name, const std::function<std::string(Byte)>& decoder,
                 const std::map<int, std::string>& starts, int period = 256) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(decoder(static_cast<Byte>(b)), std::prev(starts.upper_bound(b % period))->second)
            << name << "(" << b << ")";
    }
}

TEST(Decoders, EveryByteFallsInItsBand) {
    expectBands("Grade", Get_Grade, {{0, "D"}, {45, "C"}, {60, "B"}, {70, "A"}, {80, "S"}}, 128);
    expectBands("SP", Get_SP, {{0, "D"}, {33, "C"}, {40, "B"}, {48, "A"}}, 64);
    expectBands("When", Get_When, {{0, "早"}, {32, "普"}, {64, "遲"}, {96, "晚"}}, 128);
    expectBands("Burst", Get_Burst, {{0, "C"}, {160, "B"}, {192, "A"}});
    expectBands("Mind", Get_Mind, {{0, "D"}, {8, "C"}, {16, "B"}, {24, "A"}}, 32);
    expectBands("Grass", Get_Grass, {{0, "C"}, {128, "B"}, {192, "A"}});
    expectBands("Mud", Get_Mud, {{0, "C"}, {32, "B"}, {48, "A"}}, 64);
    expectBands("Age", Get_Age, {{0, "-"}, {8, "1"}, {16, "2"}, {24, "-"}});
    // Stamina: the D/C boundary is lifted when the speed byte has either top bit.
    expectBands(
        "ST", [](Byte b) { return Get_ST(b, 63); }, {{0, "D"}, {17, "C"}, {20, "B"}, {24, "A"}},
        32);
    expectBands(
        "ST", [](Byte b) { return Get_ST(b, 64); }, {{0, "D"}, {16, "C"}, {20, "B"}, {24, "A"}},
        32);
    // The digit decoders go by the low bits alone.
    expectBands("Strong", Get_Strong, {{0, "D"}, {2, "C"}, {3, "B"}, {5, "A"}}, 8);
    expectBands("Win", Get_Win, {{0, "C"}, {8, "B"}, {12, "A"}}, 16);
    expectBands("Temper", Get_Temper, {{0, "激"}, {1, "荒"}, {2, "普"}, {3, "大"}}, 4);
    expectBands("Sex", Get_Sex, {{0, "牡"}, {8, "牝"}}, 16);
    // Brian's second row is for byte 5 from 128.
    expectBands(
        "Brian", [](Byte b) { return Get_Brian(b, 0x7F); },
        {{0, "D"}, {1, "C"}, {2, "B"}, {3, "A"}}, 4);
    expectBands(
        "Brian", [](Byte b) { return Get_Brian(b, 0x80); }, {{0, "D"}, {1, "B"}, {3, "A"}}, 4);
}

}  // namespace
}  // namespace foalix::decode
