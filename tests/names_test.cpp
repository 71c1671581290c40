// Names from the roster's double-byte name field, in either code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "savedata/names.h"
#include "savedata/utf8.h"

namespace foalix::savedata {
namespace {

constexpr auto kSjis = NameEncoding::ShiftJis;
constexpr auto kBig5 = NameEncoding::Big5;

std::array<Byte, kNameFieldBytes> fieldOf(const std::vector<Byte>& bytes) {
    std::array<Byte, kNameFieldBytes> field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

// What a name field gives: the bytes at its start (the rest zero), then the name. Which
// character a pair is, is the tables' part (checked pair by pair against Windows' own
// converter in the Windows suite); these are the rules of pairing, the end mark and the
// UTF-8 written.
TEST(GetName, PairsBecomeCharacters) {
    using namespace std::string_literals;
    const std::vector<std::tuple<NameEncoding, std::vector<Byte>, std::string>> cases{
        {kSjis, {}, ""},
        {kSjis, {0x83, 0x54, 0, 0, 0x83, 0x4E}, "サ"},  // bytes after the terminator are ignored
        {kSjis, {'A', 'B', 'C', 'D'}, "AC"},            // a single-byte pair keeps its first
        {kSjis, {0x80, 'A', 0xA0, 0}, "\u0080\uF8F0"},  // single bytes Windows maps
        {kSjis, {0, 'A', 'B', 0}, "\0B"s},              // 00 then a byte: U+0000, and on
        {kSjis, {'A', 0, 0, 'B', 'C', 0}, "A\0C"s},     // 00 00 across two pairs goes on
        {kSjis, {0x81, 0x00, 'A', 0}, "\uFFFDA"},       // a lead byte without a trail byte
        {kSjis, {'A', 0x81, 0x83, 0x54}, "Aサ"},        // a dangling lead byte, then a pair
        {kSjis, {'A', 0x83, 0x54, 'B'}, "AT"},          // which does not reach the next pair
        {kBig5, {0xA4, 0xA4, 0xB0, 0xA8}, "中馬"},
        {kBig5, {0x80, 'A', 0xFF, 0, 0xA3, 0xC0}, "\u0080\uF8F8\uFFFD"},
        {kBig5, {0xB6, 0xBE, 'A', 0xA4}, "馮A"},  // a lead byte that reaches no trail byte
    };
    for (const auto& [encoding, bytes, name] : cases) {
        EXPECT_EQ(Get_Name(fieldOf(bytes), encoding), name) << ::testing::PrintToString(bytes);
    }
}

// A roster's names decide its encoding: the one in which they are all double-byte text.
TEST(DetectNameEncoding, TheEncodingInWhichEveryNameIsDoubleByteText) {
    const std::vector<Byte> kana{0x83, 0x54, 0x83, 0x4E, 0x83, 0x89};  // サクラ
    const std::vector<Byte> hanzi{0xA4, 0xA4, 0xB0, 0xA8};             // 中馬 in Big5
    const std::vector<Byte> ascii{'A', 0, 'B', 0};
    const std::vector<Byte> halfWidth{0xB6, 0xBE, 0xDE, 0xC9};  // ｶﾞ, also Big5 馮
    const std::vector<Byte> both{0xE0, 0xA1};                   // valid in both
    const std::vector<Byte> userDefined{0xF0, 0x40};            // Shift-JIS private use, Big5 text
    const std::vector<std::pair<std::vector<std::vector<Byte>>, NameEncoding>> cases{
        {{kana, ascii}, kSjis},
        {{hanzi, ascii}, kBig5},
        {{ascii}, kSjis},                           // ASCII decides nothing
        {{both}, kSjis},                            // both fit
        {{hanzi, kana}, kSjis},                     // neither fits
        {{halfWidth}, kBig5},                       // half-width pairs are no Shift-JIS names
        {{userDefined, both}, kBig5},               // private use fits neither
        {{{0xA4, 0xA4, 0xA3, 0xC0}}, kSjis},        // a pair Big5 does not define
        {{{0xA4, 0xA4, 0, 0, 0x83, 0x54}}, kBig5},  // bytes after the end do not count
    };
    for (const auto& [names, expected] : cases) {
        std::vector<std::array<Byte, kNameFieldBytes>> fields;
        for (const auto& name : names) {
            fields.push_back(fieldOf(name));
        }
        EXPECT_EQ(detectNameEncoding({fields.begin(), fields.end()}), expected)
            << ::testing::PrintToString(names);
    }
}

// UTF-8 read back, as the console and the text widths read it: a sequence that is not
// UTF-8 reads as U+FFFD, one byte at a time, and the text goes on.
TEST(DecodeUtf8, WholeSequencesOnly) {
    const std::vector<std::pair<std::string, std::u32string>> cases{
        {"A\u00E9\u99AC\U0001F40E", U"A\u00E9\u99AC\U0001F40E"},
        {"\xC1\xBF", U"\uFFFD\uFFFD"},            // an overlong form of "\x7F"
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"\xE9\xA6", U"\uFFFD\uFFFD"},            // cut short
        {"\x80"
         "A",
         U"\uFFFDA"},  // a stray continuation byte
    };
    for (const auto& [text, decoded] : cases) {
        EXPECT_TRUE(decodeUtf8(text) == decoded) << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace foalix::savedata
