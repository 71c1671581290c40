#include "cli/window_profiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace foalix::cli {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

#ifdef _WIN32
// A REG_SZ value of the current user's registry, as UTF-8.
std::string registryValue(const wchar_t* key, const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    value.resize(wcsnlen(value.data(), value.size()));
    const int size = WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(value.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.data(), static_cast<int>(value.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}
#endif

// The window's setting `key` of `section`, as Qt keeps it (ASCII names).
std::string windowSetting(std::string_view section, std::string_view key) {
#ifdef _WIN32
    const std::wstring path =
        L"Software\\Foalix RK5\\" + std::wstring(section.begin(), section.end());
    return registryValue(path.c_str(), std::wstring(key.begin(), key.end()).c_str());
#else
    std::ifstream file(xdgFolder("XDG_CONFIG_HOME", ".config") + "/Foalix RK5.conf",
                       std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    return iniValue(text, section, key);
#endif
}

}  // namespace

std::string xdgFolder(const char* variable, const char* underHome) {
    const char* set = std::getenv(variable);
    const char* home = std::getenv("HOME");
    return set != nullptr && *set != '\0'
               ? set
               : std::string(home != nullptr ? home : "") + "/" + underHome;
}

std::string windowSaveFolder() {
    std::string folder = windowSetting("Setting", "RK5Path");
#ifndef _WIN32
    // Qt's INI file doubles a backslash.
    for (std::size_t at = folder.find("\\\\"); at != std::string::npos;
         at = folder.find("\\\\", at + 1)) {
        folder.erase(at, 1);
    }
#endif
    return folder;
}

std::string iniValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string_view word = trimmed(line);
        if (word.starts_with('[')) {
            inSection = word.size() == section.size() + 2 && word.ends_with(']') &&
                        word.substr(1, section.size()) == section;
            continue;
        }
        const auto equals = word.find('=');
        if (!inSection || equals == std::string_view::npos ||
            trimmed(word.substr(0, equals)) != key) {
            continue;
        }
        std::string_view value = trimmed(word.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }
    return {};
}

std::string fromBase64(std::string_view base64) {
    constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    unsigned bits = 0;
    int held = 0;
    for (const char c : base64) {
        const auto digit = kDigits.find(c);
        if (digit == std::string_view::npos) {
            break;
        }
        bits = (bits << 6) | static_cast<unsigned>(digit);
        held += 6;
        if (held >= 8) {
            held -= 8;
            bytes += static_cast<char>((bits >> held) & 0xFF);
        }
    }
    return bytes;
}

std::vector<savedata::ScoreProfile> windowProfiles() {
    return savedata::profilesFromText(fromBase64(windowSetting("Score", "Profiles")));
}

}  // namespace foalix::cli
