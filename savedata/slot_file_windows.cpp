// Slot files through the Win32 file API, with paths converted from UTF-8.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"

namespace foalix::savedata {
namespace {

std::wstring widePath(const std::string& path) {
    const int length = static_cast<int>(path.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), length, wide.data(), size);
    return wide;
}

RunTimeError fileError(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return RunTimeError(error::kFileNotFound);
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return RunTimeError(error::kPathNotFound);
        case ERROR_NOT_READY:
            return RunTimeError(error::kDeviceUnavailable);
        case ERROR_TOO_MANY_OPEN_FILES:
            return RunTimeError(error::kTooManyFiles);
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
            return RunTimeError(error::kDeviceIoError);
        default:  // access denied, sharing violation, bad or too long names, ...
            return RunTimeError(error::kPathFileAccessError);
    }
}

// A file time (100-nanosecond steps since 1601-01-01 UTC) in seconds since 1970-01-01.
std::int64_t unixSeconds(FILETIME time) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
    const std::uint64_t steps = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(steps / 10000000) - kSecondsFrom1601To1970;
}

}  // namespace

bool SlotFile::exists() const {
    const DWORD attributes = GetFileAttributesW(widePath(path_).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILENAME_EXCED_RANGE) {
        throw fileError(ERROR_FILENAME_EXCED_RANGE);  // no file can have this name
    }
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) == 0;
}

std::optional<SlotContents> SlotFile::read() const {
    HANDLE file = CreateFileW(widePath(path_).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw fileError(GetLastError());
    }
    const std::unique_ptr<void, decltype(&CloseHandle)> closing(file, &CloseHandle);
    if (GetFileType(file) != FILE_TYPE_DISK) {
        // Replaced since the existence test by something that is no file.
        throw RunTimeError(error::kFileNotFound);
    }
    LARGE_INTEGER length;
    FILETIME written;
    if (!GetFileSizeEx(file, &length) || !GetFileTime(file, nullptr, nullptr, &written)) {
        throw fileError(GetLastError());
    }
    if (!slotFileSizeFits(length.QuadPart)) {
        return std::nullopt;
    }
    SlotContents contents;
    contents.modified = unixSeconds(written);
    contents.bytes.resize(static_cast<std::size_t>(length.QuadPart));
    std::size_t done = 0;
    while (done < contents.bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file, contents.bytes.data() + done,
                      static_cast<DWORD>(contents.bytes.size() - done), &n, nullptr)) {
            const DWORD code = GetLastError();
            if (code == ERROR_HANDLE_EOF) {
                break;
            }
            throw fileError(code);
        }
        if (n == 0) {
            break;  // cut short since its size was taken: the bytes it still had
        }
        done += n;
    }
    contents.bytes.resize(done);
    return contents;
}

}  // namespace foalix::savedata
