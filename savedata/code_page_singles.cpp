// Code page 932's single bytes that Windows maps and other converters reject.
#include "savedata/code_page.h"

namespace foalix::savedata {

std::string_view windowsSingleByte(Byte b) {
    switch (b) {
        case 0x80:
            return "\xC2\x80";  // U+0080
        case 0xA0:
            return "\xEF\xA3\xB0";  // U+F8F0
        case 0xFD:
            return "\xEF\xA3\xB1";  // U+F8F1
        case 0xFE:
            return "\xEF\xA3\xB2";  // U+F8F2
        case 0xFF:
            return "\xEF\xA3\xB3";  // U+F8F3
        default:
            return {};
    }
}

}  // namespace foalix::savedata
