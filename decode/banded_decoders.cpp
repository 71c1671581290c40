// Banded grade decoders. Each reduces its byte to the low bits that carry the
// ability, then tests closed bands in order; the first band that holds the value
// gives the text.
#include <array>

#include "decode/decoders.h"

namespace foalix::decode {
namespace {

struct Band {
    int upper;  // inclusive; bands are tested from the lowest, so the lower bound is implied
    const char* text;
};

template <std::size_t N>
std::string inBand(int value, const std::array<Band, N>& bands) {
    for (const Band& band : bands) {
        if (value <= band.upper) {
            return band.text;
        }
    }
    return bands.back().text;  // unreachable: the last band always ends at the reduction's top
}

int lowBits(Byte byte, int bits) {
    return byte & ((1 << bits) - 1);
}

constexpr std::array<Band, 5> kGradeBands{{{44, "D"}, {59, "C"}, {69, "B"}, {79, "A"}, {127, "S"}}};
constexpr std::array<Band, 4> kSpBands{{{32, "D"}, {39, "C"}, {47, "B"}, {63, "A"}}};
constexpr std::array<Band, 4> kStBands{{{16, "D"}, {19, "C"}, {23, "B"}, {31, "A"}}};
constexpr std::array<Band, 4> kWhenBands{{{31, "早"}, {63, "普"}, {95, "遲"}, {127, "晚"}}};
constexpr std::array<Band, 3> kBurstBands{{{159, "C"}, {191, "B"}, {255, "A"}}};
constexpr std::array<Band, 4> kMindBands{{{7, "D"}, {15, "C"}, {23, "B"}, {31, "A"}}};
constexpr std::array<Band, 3> kGrassBands{{{127, "C"}, {191, "B"}, {255, "A"}}};
constexpr std::array<Band, 3> kMudBands{{{31, "C"}, {47, "B"}, {63, "A"}}};

}  // namespace

std::string Get_Grade(Byte byte0) {
    return inBand(lowBits(byte0, 7), kGradeBands);
}

std::string Get_SP(Byte byte1) {
    return inBand(lowBits(byte1, 6), kSpBands);
}

std::string Get_ST(Byte byte2, Byte byte1) {
    int v = lowBits(byte2, 5);
    // A stamina value sitting exactly on the D/C boundary is lifted into C when the
    // speed byte carries either of its top two bits.
    if (v == 16 && byte1 > 63) {
        v = 17;
    }
    return inBand(v, kStBands);
}

std::string Get_When(Byte byte5) {
    return inBand(lowBits(byte5, 7), kWhenBands);
}

std::string Get_Burst(Byte byte6) {
    return inBand(byte6, kBurstBands);
}

std::string Get_Mind(Byte byte6) {
    return inBand(lowBits(byte6, 5), kMindBands);
}

std::string Get_Grass(Byte byte7) {
    return inBand(byte7, kGrassBands);
}

std::string Get_Mud(Byte byte7) {
    return inBand(lowBits(byte7, 6), kMudBands);
}

}  // namespace foalix::decode
