// Slot files through the Win32 file API, with paths converted from UTF-8.
#include <windows.h>

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

class WindowsHandle final : public SlotHandle {
  public:
    explicit WindowsHandle(HANDLE file) : file_(file) {}
    ~WindowsHandle() override { CloseHandle(file_); }
    WindowsHandle(const WindowsHandle&) = delete;
    WindowsHandle& operator=(const WindowsHandle&) = delete;

    std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
        std::size_t done = 0;
        while (done < out.size()) {
            OVERLAPPED at{};
            const auto position = static_cast<std::uint64_t>(offset) + done;
            at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
            at.OffsetHigh = static_cast<DWORD>(position >> 32);
            DWORD n = 0;
            if (!ReadFile(file_, out.data() + done, static_cast<DWORD>(out.size() - done), &n,
                          &at)) {
                const DWORD code = GetLastError();
                if (code == ERROR_HANDLE_EOF) {
                    break;
                }
                throw fileError(code);
            }
            if (n == 0) {
                break;
            }
            done += n;
        }
        return done;
    }

    std::int64_t size() override {
        LARGE_INTEGER length;
        if (!GetFileSizeEx(file_, &length)) {
            throw fileError(GetLastError());
        }
        return length.QuadPart;
    }

  private:
    HANDLE file_;
};

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

std::unique_ptr<SlotHandle> SlotFile::open() const {
    HANDLE file = CreateFileW(widePath(path_).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw fileError(GetLastError());
    }
    auto handle = std::make_unique<WindowsHandle>(file);
    if (GetFileType(file) != FILE_TYPE_DISK) {
        throw RunTimeError(error::kFileNotFound);
    }
    return handle;
}

}  // namespace foalix::savedata
