// The game's double-byte text. On Windows it is the system's ANSI code page (932 on
// the Japanese systems the game runs on); elsewhere there is no ANSI code page and
// code page 932 (Shift-JIS, Windows variant) is used. Everything above this layer
// works in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "savedata/format.h"

namespace foalix::savedata {

// The first character that the pair (first, second) converts to, as UTF-8. A
// double-byte character gives itself; a single-byte character gives itself whatever
// follows it; a pair that is not text in the code page gives U+FFFD.
std::string firstCharacterOfPair(Byte first, Byte second);

// The single bytes of code page 932 that Windows maps but glibc's and Wine's converters
// reject, as UTF-8: 0x80 is U+0080, 0xA0 U+F8F0 and 0xFD to 0xFF U+F8F1 to U+F8F3. Empty
// for any other byte. Both converters take these first, so a name reads the same on
// every system.
std::string_view windowsSingleByte(Byte b);

// UTF-8 text in the code page, or nothing when a character has no encoding there.
std::optional<std::string> encodeToCodePage(std::string_view utf8);

}  // namespace foalix::savedata
