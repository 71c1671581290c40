#include "tools/slotgen/encode_name.h"

#include <array>
#include <cstdint>
#include <memory>

namespace foalix::slotgen {
namespace {

using savedata::Byte;
using savedata::kReplacementCharacter;
using savedata::NameEncoding;

// The code of each character, for encoding: a single byte, or a pair as first * 256 +
// second; 0 where the code page has none (U+0000 is the byte 00 itself).
using CodeTable = std::array<std::uint16_t, 0x10000>;

std::unique_ptr<CodeTable> codesOf(NameEncoding encoding) {
    auto codes = std::make_unique<CodeTable>();
    // Descending, so the lowest code of a character is written last and kept; a
    // single byte wins over every pair.
    for (int code = 0xFFFF; code >= 0x100; --code) {
        const auto first = static_cast<Byte>(code >> 8);
        const auto second = static_cast<Byte>(code & 0xFF);
        if (savedata::isDoubleByteCharacter(encoding, first, second)) {
            (*codes)[savedata::firstCharacterOfPair(encoding, first, second)] =
                static_cast<std::uint16_t>(code);
        }
    }
    for (int byte = 0xFF; byte > 0; --byte) {
        const char16_t character =
            savedata::firstCharacterOfPair(encoding, static_cast<Byte>(byte), 0);
        if (character != kReplacementCharacter) {
            (*codes)[character] = static_cast<std::uint16_t>(byte);
        }
    }
    return codes;
}

const CodeTable& codeTableOf(NameEncoding encoding) {
    static const std::unique_ptr<CodeTable> shiftJis = codesOf(NameEncoding::ShiftJis);
    static const std::unique_ptr<CodeTable> big5 = codesOf(NameEncoding::Big5);
    return encoding == NameEncoding::Big5 ? *big5 : *shiftJis;
}

// The next character of UTF-8 text, or nothing when the text is not UTF-8 there or the
// character lies beyond 16 bits (neither code page has one).
std::optional<char16_t> nextCharacter(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                                                       : 0;
    if (length == 0 || at + length > utf8.size()) {
        return std::nullopt;
    }
    char32_t character = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
    for (std::size_t i = 1; i < length; ++i) {
        const auto trail = static_cast<unsigned char>(utf8[at + i]);
        if ((trail & 0xC0) != 0x80) {
            return std::nullopt;
        }
        character = character << 6 | (trail & 0x3F);
    }
    at += length;
    const bool overlong = (length == 2 && character < 0x80) || (length == 3 && character < 0x800);
    if (overlong || (character >= 0xD800 && character <= 0xDFFF)) {
        return std::nullopt;
    }
    return static_cast<char16_t>(character);
}

}  // namespace

std::optional<std::string> encodeToCodePage(NameEncoding encoding, std::string_view utf8) {
    const CodeTable& codes = codeTableOf(encoding);
    std::string encoded;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char16_t> character = nextCharacter(utf8, at);
        if (!character) {
            return std::nullopt;
        }
        const std::uint16_t code = codes[*character];
        if (code == 0 && *character != 0) {
            return std::nullopt;
        }
        if (code > 0xFF) {
            encoded += static_cast<char>(code >> 8);
        }
        encoded += static_cast<char>(code & 0xFF);
    }
    return encoded;
}

}  // namespace foalix::slotgen
