#include "savedata/utf8.h"

namespace foalix::savedata {

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t utf8SequenceLength(unsigned char lead) {
    return lead >= 0xF5 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = utf8SequenceLength(lead);
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool ok = length > 1 ? at + length <= text.size() : lead < 0x80;
        for (std::size_t i = 1; ok && i < length; ++i) {
            const auto trail = static_cast<unsigned char>(text[at + i]);
            ok = (trail & 0xC0) == 0x80;
            c = c << 6 | (trail & 0x3F);
        }
        // The shortest form only, and no surrogates.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && c >= kLeast[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        decoded += ok ? c : kReplacementCodePoint;
        at += ok ? length : 1;
    }
    return decoded;
}

}  // namespace foalix::savedata
