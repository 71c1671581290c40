// Slot files through POSIX calls. Files are opened non-blocking, so that a pipe put
// in place of a slot file after the existence test cannot hang the program.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
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

// Closes a descriptor when the read is over, however it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

  private:
    int fd_;
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

std::optional<SlotContents> SlotFile::read() const {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        throw fileError(errno, path_);
    }
    const Descriptor closing(fd);
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        throw fileError(errno, path_);
    }
    if (!S_ISREG(info.st_mode)) {
        // Replaced since the existence test by something that is no file.
        throw RunTimeError(error::kFileNotFound);
    }
    if (!slotFileSizeFits(info.st_size)) {
        return std::nullopt;
    }
    SlotContents contents;
    contents.modified = info.st_mtime;
    contents.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < contents.bytes.size()) {
        const ssize_t n = ::read(fd, contents.bytes.data() + done, contents.bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw fileError(errno, path_);
        }
        if (n == 0) {
            break;  // cut short since its size was taken: the bytes it still had
        }
        done += static_cast<std::size_t>(n);
    }
    contents.bytes.resize(done);
    return contents;
}

}  // namespace foalix::savedata
