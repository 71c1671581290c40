// UTF-8, the one text encoding above the code-page layer: every name, path and output is
// UTF-8, so its encoding and decoding live here once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace foalix::savedata {

// What a byte sequence that is not UTF-8 decodes to.
inline constexpr char32_t kReplacementCodePoint = 0xFFFD;

// Appends `c` (a code point that is not a surrogate) as UTF-8.
void appendUtf8(std::string& text, char32_t c);

// How many bytes the sequence that `lead` starts takes; 1 for a byte that starts none.
std::size_t utf8SequenceLength(unsigned char lead);

// The code points of `text`. A byte that does not start a whole, valid sequence (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate, a value past
// U+10FFFF) decodes to U+FFFD, and decoding goes on at the next byte.
std::u32string decodeUtf8(std::string_view text);

}  // namespace foalix::savedata
