#include "savedata/code_page.h"

#include "savedata/code_page_tables.h"

namespace foalix::savedata {
namespace {

const PairTable& pairsOf(NameEncoding encoding) {
    return encoding == NameEncoding::Big5 ? kCodePage950Pairs : kCodePage932Pairs;
}

constexpr std::size_t pairIndex(Byte first, Byte second) {
    return static_cast<std::size_t>(first) << 8 | second;
}

}  // namespace

char16_t firstCharacterOfPair(NameEncoding encoding, Byte first, Byte second) {
    return pairsOf(encoding)[pairIndex(first, second)];
}

bool isDoubleByteCharacter(NameEncoding encoding, Byte first, Byte second) {
    // A lead byte converts to nothing on its own, so a pair that starts with one and
    // converts to a character is that double-byte character.
    const PairTable& pairs = pairsOf(encoding);
    return pairs[pairIndex(first, 0)] == kReplacementCharacter &&
           pairs[pairIndex(first, second)] != kReplacementCharacter;
}

}  // namespace foalix::savedata
