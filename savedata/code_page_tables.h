// Windows' conversion of every two-byte pair of code pages 932 and 950: entry
// first * 256 + second is the first character of the pair (see firstCharacterOfPair).
// The build makes them from savedata/code_pages/*.bin, which tools/code_pages wrote
// under Windows' converters.
#pragma once

#include <array>

namespace foalix::savedata {

using PairTable = std::array<char16_t, 0x10000>;

extern const PairTable kCodePage932Pairs;
extern const PairTable kCodePage950Pairs;

}  // namespace foalix::savedata
