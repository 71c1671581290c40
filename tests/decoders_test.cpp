// The fourteen decoders over every byte value: each banded decoder by where its bands
// start, each digit decoder by its sixteen digits.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "decode/decoders.h"

namespace foalix::decode {
namespace {

using OneByte = std::function<std::string(Byte)>;

// The text every byte must give: that of the last band starting at or below the
// byte's low bits (the byte modulo `period`).
void expectBands(const char* name, const OneByte& decoder, const std::map<int, std::string>& starts,
                 int period = 256) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(decoder(static_cast<Byte>(b)), std::prev(starts.upper_bound(b % period))->second)
            << name << "(" << b << ")";
    }
}

TEST(Decoders, BandsOverEveryByte) {
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
}

// Digit decoders: the text of each low hexadecimal digit, 0 to F (Brian's second row is
// for byte 5 from 128).
TEST(Decoders, DigitsOverEveryByte) {
    const std::vector<std::pair<OneByte, const char*>> digits{
        {Get_Strong, "D D C B B A A A D D C B B A A A"},
        {Get_Win, "C C C C C C C C B B B B A A A A"},
        {Get_Temper, "激 荒 普 大 激 荒 普 大 激 荒 普 大 激 荒 普 大"},
        {Get_Sex, "牡 牡 牡 牡 牡 牡 牡 牡 牝 牝 牝 牝 牝 牝 牝 牝"},
        {[](Byte b) { return Get_Brian(b, 0x7F); }, "D C B A D C B A D C B A D C B A"},
        {[](Byte b) { return Get_Brian(b, 0x80); }, "D B B A D B B A D B B A D B B A"},
    };
    for (const auto& [decoder, texts] : digits) {
        std::istringstream words(texts);
        const std::vector<std::string> expected{std::istream_iterator<std::string>(words), {}};
        for (int b = 0; b < 256; ++b) {
            EXPECT_EQ(decoder(static_cast<Byte>(b)), expected[static_cast<std::size_t>(b % 16)])
                << texts << " " << b;
        }
    }
}

}  // namespace
}  // namespace foalix::decode
