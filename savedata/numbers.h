// Stored 16-bit numbers. The game's numbers are unsigned little-endian; they are
// turned into integers by way of hexadecimal text, which keeps the conversion's
// errors (overflow, type mismatch) exactly as players have always seen them.
#pragma once

#include <cstdint>
#include <string_view>

#include "savedata/format.h"

namespace foalix::savedata {

// Bytes b0 b1 to the number b0 + 256 * b1 (0 to 65535). Never fails.
std::int32_t Get_Word(const Byte* bytes);

// Hexadecimal text (upper or lower case, no sign, prefix or blank) to a number.
// Raises RunTimeError 6 for an empty text, a text of 256 or more characters or a
// value above 2147483647, and 13 for a character that is not a digit.
std::int32_t Hex_To_Dec(std::string_view hexNum);

// a * b + c in signed 32-bit arithmetic, each step checked; raises RunTimeError 6
// on overflow. Used for the file offsets that the lookup computes from stored numbers.
std::int32_t checkedMulAdd(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace foalix::savedata
