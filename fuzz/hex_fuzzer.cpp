// Hexadecimal text to a number: any text gives a number or one of the conversion's
// own errors (6 overflow, 13 type mismatch), never anything else.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "savedata/numbers.h"
#include "savedata/run_time_error.h"

using namespace foalix::savedata;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        if (Hex_To_Dec(text) < 0) {
            std::abort();  // no text gives a negative number
        }
    } catch (const RunTimeError& e) {
        if (e.number() != error::kOverflow && e.number() != error::kTypeMismatch) {
            std::abort();
        }
    }
    return 0;
}
