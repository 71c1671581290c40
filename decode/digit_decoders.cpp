// Digit-code decoders. The game stores these abilities in the low hexadecimal digit
// of a byte; each decoder maps the sixteen digits to its texts. Get_Age is the
// exception: it tests the whole byte against two ranges.
#include <array>

#include "decode/decoders.h"

namespace foalix::decode {
namespace {

using DigitTable = std::array<const char*, 16>;

int lowDigit(Byte byte) {
    return byte & 0x0F;
}

constexpr DigitTable kStrong{"D", "D", "C", "B", "B", "A", "A", "A",
                             "D", "D", "C", "B", "B", "A", "A", "A"};
constexpr DigitTable kWin{"C", "C", "C", "C", "C", "C", "C", "C",
                          "B", "B", "B", "B", "A", "A", "A", "A"};
constexpr std::array<const char*, 4> kTemper{"激", "荒", "普", "大"};
constexpr std::array<const char*, 8> kBrian{"D", "D", "C", "B", "B", "B", "A", "A"};

}  // namespace

std::string Get_Age(Byte byte3) {
    if (byte3 >= 8 && byte3 <= 15) {
        return "1";
    }
    if (byte3 >= 16 && byte3 <= 23) {
        return "2";
    }
    return "-";
}

std::string Get_Strong(Byte byte3) {
    return kStrong[lowDigit(byte3)];
}

std::string Get_Win(Byte byte5) {
    return kWin[lowDigit(byte5)];
}

std::string Get_Temper(Byte byte7) {
    return kTemper[byte7 % 4];
}

std::string Get_Brian(Byte byte6, Byte byte5) {
    // The digits 1, 5, 9 and D sit between C and B; the top bit of byte 5 decides.
    return kBrian[2 * (byte6 % 4) + byte5 / 128];
}

std::string Get_Sex(Byte linkByte8) {
    return (linkByte8 & 0x08) ? "牝" : "牡";
}

}  // namespace foalix::decode
