// Slot files through POSIX calls. Files are opened non-blocking, so that a pipe put
// in place of a slot file after the existence test cannot hang the program.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "savedata/run_time_error.h"
#include "savedata/slot_file.h"

namespace foalix::savedata {
namespace {

bool isFolder(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder part of a path: everything before its last separator.
std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

RunTimeError fileError(int errnoValue, const std::string& path) {
    switch (errnoValue) {
        case ENOENT:
            // A missing folder is a missing path, not a missing file.
            return RunTimeError(isFolder(folderOf(path)) ? error::kFileNotFound
                                                         : error::kPathNotFound);
        case ENOTDIR:
            return RunTimeError(error::kPathNotFound);
        case EIO:
            return RunTimeError(error::kDeviceIoError);
        case EMFILE:
        case ENFILE:
            return RunTimeError(error::kTooManyFiles);
        case ENXIO:
        case ENODEV:
            return RunTimeError(error::kDeviceUnavailable);
        default:  // EACCES, EPERM, ENAMETOOLONG, ELOOP, EISDIR, ...
            return RunTimeError(error::kPathFileAccessError);
    }
}

class PosixHandle final : public SlotHandle {
  public:
    PosixHandle(int fd, const std::string& path) : fd_(fd), path_(path) {}
    ~PosixHandle() override { ::close(fd_); }
    PosixHandle(const PosixHandle&) = delete;
    PosixHandle& operator=(const PosixHandle&) = delete;

    std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                                      static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw fileError(errno, path_);
            }
            if (n == 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::int64_t size() override {
        struct stat info;
        if (::fstat(fd_, &info) != 0) {
            throw fileError(errno, path_);
        }
        if (!S_ISREG(info.st_mode)) {
            // Replaced since the existence test by something that is no file.
            throw RunTimeError(error::kFileNotFound);
        }
        return info.st_size;
    }

  private:
    int fd_;
    const std::string& path_;
};

}  // namespace

bool SlotFile::exists() const {
    struct stat info;
    if (::stat(path_.c_str(), &info) != 0) {
        if (errno == ENAMETOOLONG) {
            throw fileError(errno, path_);  // no file can have this name
        }
        return false;
    }
    return S_ISREG(info.st_mode);
}

std::unique_ptr<SlotHandle> SlotFile::open() const {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        throw fileError(errno, path_);
    }
    return std::make_unique<PosixHandle>(fd, path_);
}

}  // namespace foalix::savedata
