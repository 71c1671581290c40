// The game's double-byte text: names are stored in Shift-JIS (Windows code page 932) or,
// in the Chinese edition, in Big5 (Windows code page 950). Both are converted from
// tables of Windows' own mapping, the same on every system and in every locale, so a
// name reads alike wherever Foalix runs. Everything above this layer works in UTF-8.
#pragma once

#include <string>

#include "savedata/format.h"

namespace foalix::savedata {

enum class NameEncoding { ShiftJis, Big5 };

// What a pair that is no text in the code page converts to.
inline constexpr char16_t kReplacementCharacter = 0xFFFD;

// The first character that Windows converts the pair (first, second) to. A double-byte
// character gives itself; a single-byte character gives itself whatever follows it; a
// pair that is not text in the code page gives U+FFFD.
char16_t firstCharacterOfPair(NameEncoding encoding, Byte first, Byte second);

// True when the pair is one double-byte character of the code page.
bool isDoubleByteCharacter(NameEncoding encoding, Byte first, Byte second);

}  // namespace foalix::savedata
