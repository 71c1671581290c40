// Names from the roster's double-byte name field.
#include <gtest/gtest.h>

#include <initializer_list>

#include "savedata/names.h"

namespace foalix::savedata {
namespace {

std::array<Byte, kNameFieldBytes> field(std::initializer_list<int> bytes) {
    std::array<Byte, kNameFieldBytes> f{};
    std::size_t i = 0;
    for (int b : bytes) {
        f[i++] = static_cast<Byte>(b);
    }
    return f;
}

TEST(GetName, PairsBecomeCharacters) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::array<Byte, kNameFieldBytes> field;
        std::string name;
    };
    const std::vector<Case> cases{
        {"all zero", field({}), ""},
        {"kana and kanji", field({0x83, 0x54, 0x8D, 0x95}), "サ黒"},
        {"bytes after the terminator are ignored", field({0x83, 0x54, 0, 0, 0x83, 0x4E}), "サ"},
        {"single-byte pair keeps its first character", field({'A', 'B', 'C', 'D'}), "AC"},
        {"single-byte character before 00", field({'A', 0, 'B', 0}), "AB"},
        {"half-width katakana", field({0xB6, 0xBE, 0xDE, 0xC9}), "ｶﾞ"},
        // Single bytes the Windows code page maps, read alike on every system.
        {"0x80 and 0xA0", field({0x80, 'A', 0xA0, 0}), "\u0080\uF8F0"},
        {"0xFD to 0xFF", field({0xFD, 0xFE, 'A', 0xFE, 0xFF, 0}), "\uF8F1A\uF8F3"},
        {"00 then a byte gives U+0000 and goes on", field({0, 'A', 'B', 0}), "\0B"s},
        {"00 00 across two pairs does not end the name", field({'A', 0, 0, 'B', 'C', 0}), "A\0C"s},
        {"lead byte without a trail byte", field({0x81, 0x00, 'A', 0}), "\uFFFDA"},
        {"single-byte character then a dangling lead byte", field({'A', 0x81, 0x83, 0x54}), "Aサ"},
        {"a dangling lead byte does not reach into the next pair", field({'A', 0x83, 0x54, 'B'}),
         "AT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get_Name(c.field), c.name) << c.what;
    }
}

}  // namespace
}  // namespace foalix::savedata
