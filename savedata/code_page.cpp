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

void appendUtf8(std::string& text, char16_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | character >> 6);
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | character >> 12);
        text += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

}  // namespace foalix::savedata
