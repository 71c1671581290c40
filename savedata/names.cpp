#include "savedata/names.h"

#include <cstdint>
#include <vector>

#include "savedata/code_page.h"

namespace foalix::savedata {
namespace {

// Converting a pair through the code page costs far more than looking it up, and names
// share their characters, so each pair is converted once per thread. An entry holds the
// character's UTF-8 bytes with their count in the top byte; 0 is not yet converted.
class PairCache {
  public:
    void append(std::string& name, Byte first, Byte second) {
        std::uint32_t& entry = packed_[static_cast<std::size_t>(first << 8 | second)];
        if (entry == 0) {
            const std::string character = firstCharacterOfPair(first, second);
            if (character.size() > 3) {
                name += character;  // beyond what an entry holds; code page 932 has none
                return;
            }
            entry = static_cast<std::uint32_t>(character.size()) << 24;
            for (std::size_t i = 0; i < character.size(); ++i) {
                entry |= std::uint32_t{static_cast<unsigned char>(character[i])} << (8 * i);
            }
        }
        for (std::uint32_t i = 0; i < entry >> 24; ++i) {
            name += static_cast<char>((entry >> (8 * i)) & 0xFF);
        }
    }

  private:
    std::vector<std::uint32_t> packed_ = std::vector<std::uint32_t>(1 << 16, 0);
};

}  // namespace

std::string Get_Name(std::span<const Byte, kNameFieldBytes> field) {
    thread_local PairCache cache;
    std::string name;
    for (std::size_t k = 0; k < field.size(); k += 2) {
        const Byte first = field[k];
        const Byte second = field[k + 1];
        if (first == 0 && second == 0) {
            break;
        }
        cache.append(name, first, second);
    }
    return name;
}

}  // namespace foalix::savedata
