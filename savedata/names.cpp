#include "savedata/names.h"

#include "savedata/code_page.h"

namespace foalix::savedata {

std::string Get_Name(std::span<const Byte, kNameFieldBytes> field) {
    std::string name;
    for (std::size_t k = 0; k < field.size(); k += 2) {
        const Byte first = field[k];
        const Byte second = field[k + 1];
        if (first == 0 && second == 0) {
            break;
        }
        name += firstCharacterOfPair(first, second);
    }
    return name;
}

}  // namespace foalix::savedata
