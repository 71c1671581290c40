#include "savedata/numbers.h"

#include <cstdint>
#include <limits>
#include <string>

#include "savedata/run_time_error.h"
#include "savedata/utf8.h"

namespace foalix::savedata {
namespace {

constexpr std::int64_t kMaxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMinLong = std::numeric_limits<std::int32_t>::min();

std::int32_t checked(std::int64_t value) {
    if (value > kMaxLong || value < kMinLong) {
        throw RunTimeError(error::kOverflow);
    }
    return static_cast<std::int32_t>(value);
}

// Upper-case hexadecimal text of a byte without leading zeros ("0" to "FF").
std::string hexText(Byte value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (value >= 16) {
        text += kDigits[value / 16];
    }
    text += kDigits[value % 16];
    return text;
}

int digitValue(char c) {
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    throw RunTimeError(error::kTypeMismatch);
}

}  // namespace

std::int32_t Get_Word(const Byte* bytes) {
    std::string low = hexText(bytes[0]);
    if (low.size() == 1) {
        low.insert(low.begin(), '0');
    }
    return Hex_To_Dec(hexText(bytes[1]) + low);
}

std::int32_t Hex_To_Dec(std::string_view hexNum) {
    // The position counter is 8-bit. The last position of an empty text or of one
    // longer than 256 characters does not fit, so those overflow before a digit is
    // read; a text of exactly 256 characters overflows when the counter steps past
    // its last position, after every digit has been read.
    const std::size_t length = decodeUtf8(hexNum).size();
    if (length == 0 || length > 256) {
        throw RunTimeError(error::kOverflow);
    }
    std::int32_t accumulator = 0;
    // Walk from the right. A non-ASCII character ends in a continuation byte, which
    // is no digit, so it raises the type mismatch as any other stray character does.
    for (std::size_t p = 0; p < hexNum.size(); ++p) {
        std::int32_t weighted = digitValue(hexNum[hexNum.size() - 1 - p]);
        for (std::size_t i = 0; i < p && weighted != 0; ++i) {
            weighted = checked(std::int64_t{weighted} * 16);
        }
        accumulator = checked(std::int64_t{accumulator} + weighted);
    }
    if (length == 256) {
        throw RunTimeError(error::kOverflow);
    }
    return accumulator;
}

std::int32_t checkedMulAdd(std::int32_t a, std::int32_t b, std::int32_t c) {
    return checked(std::int64_t{checked(std::int64_t{a} * b)} + c);
}

}  // namespace foalix::savedata
