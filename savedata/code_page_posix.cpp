// Code page 932 through the C library's iconv.
#include <errno.h>
#include <iconv.h>

#include <array>

#include "savedata/code_page.h"

namespace foalix::savedata {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One converter per thread and direction, opened on first use: opening is far
// dearer than converting two bytes.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of input into output; false when input is not complete valid text.
    // The state is reset first, so nothing of an earlier call carries over.
    bool convert(std::string_view input, std::string& output) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        output.clear();
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::array<char, 64> buffer;
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t result = iconv(cd_, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd_, nullptr, nullptr, &out, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
        return true;
    }

  private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& encoder() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return 4;
}

}  // namespace

std::string firstCharacterOfPair(Byte first, Byte second) {
    if (const std::string_view single = windowsSingleByte(first); !single.empty()) {
        return std::string(single);
    }
    Converter& converter = decoder();
    if (!converter.ok()) {
        return std::string(kReplacement);
    }
    const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
    std::string text;
    // The whole pair first: one double-byte character, or two single-byte ones.
    // Failing that, the first byte alone may still be a character of its own
    // (a single-byte character followed by a byte that starts no character).
    if (converter.convert(std::string_view(pair, 2), text) ||
        converter.convert(std::string_view(pair, 1), text)) {
        if (!text.empty()) {
            return text.substr(0, utf8SequenceLength(static_cast<unsigned char>(text[0])));
        }
    }
    return std::string(kReplacement);
}

std::optional<std::string> encodeToCodePage(std::string_view utf8) {
    Converter& converter = encoder();
    std::string text;
    if (!converter.ok() || !converter.convert(utf8, text)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace foalix::savedata
