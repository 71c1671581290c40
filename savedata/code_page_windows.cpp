// The system's ANSI code page through the Win32 converters.
#include <windows.h>

#include <string>

#include "savedata/code_page.h"

namespace foalix::savedata {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

std::string toUtf8(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

// Characters of `bytes` in the ANSI code page; empty when they are not valid text.
std::wstring fromAnsi(const char* bytes, int length) {
    wchar_t wide[4];
    const int count = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, length, wide, 4);
    return std::wstring(wide, count > 0 ? static_cast<std::size_t>(count) : 0);
}

}  // namespace

std::string firstCharacterOfPair(Byte first, Byte second) {
    // Only where the system's code page is 932: elsewhere these bytes are other letters.
    static const bool japanese = GetACP() == 932;
    if (const std::string_view single = windowsSingleByte(first); japanese && !single.empty()) {
        return std::string(single);
    }
    const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
    std::wstring wide = fromAnsi(pair, 2);
    if (wide.empty()) {
        wide = fromAnsi(pair, 1);
    }
    if (wide.empty()) {
        return std::string(kReplacement);
    }
    const bool surrogatePair = wide.size() > 1 && IS_HIGH_SURROGATE(wide[0]);
    return toUtf8(wide.data(), surrogatePair ? 2 : 1);
}

std::optional<std::string> encodeToCodePage(std::string_view utf8) {
    if (utf8.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(utf8.size());
    const int wideSize =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (wideSize <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideSize);
    BOOL lossy = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideSize, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) {
        return std::nullopt;
    }
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideSize, result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace foalix::savedata
