// The built-in tables against the system's own converter, MultiByteToWideChar, for every
// pair of code pages 932 and 950, whatever the system's ANSI code page is.
#include <windows.h>

#include <gtest/gtest.h>

#include "savedata/code_page.h"

namespace foalix::savedata {
namespace {

// Single bytes Windows maps and Wine leaves undefined: under Wine the converter gives
// U+FFFD for every pair they start, the table Windows' character.
struct WineGap {
    UINT codePage;
    Byte first;
    char16_t windows;
};
constexpr WineGap kWineGaps[] = {
    {932, 0xA0, 0xF8F0}, {932, 0xFD, 0xF8F1}, {932, 0xFE, 0xF8F2},
    {932, 0xFF, 0xF8F3}, {950, 0xFF, 0xF8F8},
};

char16_t systemFirstCharacter(UINT codePage, Byte first, Byte second) {
    const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
    wchar_t wide[4];
    for (int length : {2, 1}) {
        if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, pair, length, wide, 4) > 0) {
            return static_cast<char16_t>(wide[0]);
        }
    }
    return 0xFFFD;
}

TEST(CodePages, TablesAreTheSystemsConversion) {
    for (const auto& [codePage, encoding] :
         {std::pair{932u, NameEncoding::ShiftJis}, std::pair{950u, NameEncoding::Big5}}) {
        int differing = 0;
        for (int pair = 0; pair < 0x10000; ++pair) {
            const auto first = static_cast<Byte>(pair >> 8);
            const auto second = static_cast<Byte>(pair & 0xFF);
            const char16_t system = systemFirstCharacter(codePage, first, second);
            const char16_t table = firstCharacterOfPair(encoding, first, second);
            bool wineGap = false;
            for (const WineGap& gap : kWineGaps) {
                wineGap = wineGap || (gap.codePage == codePage && gap.first == first &&
                                      system == 0xFFFD && table == gap.windows);
            }
            if (system != table && !wineGap && ++differing <= 5) {
                ADD_FAILURE() << codePage << ": pair " << std::hex << pair << " gives " << +system
                              << ", the table " << +table;
            }
        }
        EXPECT_EQ(differing, 0) << "code page " << codePage << ", ANSI code page " << GetACP();
    }
}

}  // namespace
}  // namespace foalix::savedata
