#include "tools/slotgen/encode_name.h"

#include <array>
#include <cstdint>
#include <memory>

#include "savedata/utf8.h"

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

}  // namespace

std::optional<std::string> encodeToCodePage(NameEncoding encoding, std::string_view utf8) {
    const CodeTable& codes = codeTableOf(encoding);
    std::string encoded;
    // Text that is not UTF-8, or a character beyond 16 bits, is in neither code page.
    for (const char32_t character : savedata::decodeUtf8(utf8)) {
        if (character == savedata::kReplacementCodePoint || character > 0xFFFF) {
            return std::nullopt;
        }
        const std::uint16_t code = codes[character];
        if (code == 0 && character != 0) {
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
