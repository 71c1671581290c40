#include "savedata/text_width.h"

#include "savedata/utf8.h"

namespace foalix::savedata {
namespace {

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (char32_t c : savedata::decodeUtf8(utf8)) {
        width += isWide(c) ? 2 : 1;
    }
    return width;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t used = displayWidth(text);
    if (used < width) {
        padded.append(width - used, ' ');
    }
    return padded;
}

}  // namespace foalix::savedata
