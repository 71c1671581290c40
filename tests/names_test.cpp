// Names from the roster's double-byte name field.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "savedata/names.h"

namespace foalix::savedata {
namespace {

// What a name field gives: the bytes at its start (the rest zero), then the name.
TEST(GetName, PairsBecomeCharacters) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::vector<Byte>, std::string>> cases{
        {{}, ""},
        {{0x83, 0x54, 0x8D, 0x95}, "サ黒"},      // kana and kanji
        {{0x83, 0x54, 0, 0, 0x83, 0x4E}, "サ"},  // bytes after the terminator are ignored
        {{'A', 'B', 'C', 'D'}, "AC"},            // a single-byte pair keeps its first
        {{'A', 0, 'B', 0}, "AB"},                // single-byte characters before 00
        {{0xB6, 0xBE, 0xDE, 0xC9}, "ｶﾞ"},        // half-width katakana
        {{0x80, 'A', 0xA0, 0}, "\u0080\uF8F0"},  // single bytes the Windows code page
        {{0xFD, 0xFE, 'A', 0xFE, 0xFF, 0}, "\uF8F1A\uF8F3"},  // maps, alike everywhere
        {{0, 'A', 'B', 0}, "\0B"s},                           // 00 then a byte: U+0000, and on
        {{'A', 0, 0, 'B', 'C', 0}, "A\0C"s},                  // 00 00 across two pairs goes on
        {{0x81, 0x00, 'A', 0}, "\uFFFDA"},                    // a lead byte without a trail byte
        {{'A', 0x81, 0x83, 0x54}, "Aサ"},                     // a dangling lead byte, then a pair
        {{'A', 0x83, 0x54, 'B'}, "AT"},                       // which does not reach the next pair
    };
    for (const auto& [bytes, name] : cases) {
        std::array<Byte, kNameFieldBytes> field{};
        std::copy(bytes.begin(), bytes.end(), field.begin());
        EXPECT_EQ(Get_Name(field), name) << ::testing::PrintToString(bytes);
    }
}

}  // namespace
}  // namespace foalix::savedata
