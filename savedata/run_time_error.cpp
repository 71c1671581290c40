#include "savedata/run_time_error.h"

#include <utility>

namespace foalix::savedata {

namespace {
std::string reportText(int number, const std::string& description) {
    return "Run-time error '" + std::to_string(number) + "': " + description;
}
}  // namespace

RunTimeError::RunTimeError(int number) : RunTimeError(number, standardText(number)) {}

RunTimeError::RunTimeError(int number, std::string description)
    : std::runtime_error(reportText(number, description)),
      number_(number),
      description_(std::move(description)) {}

std::string RunTimeError::standardText(int number) {
    switch (number) {
        case error::kOverflow:
            return "Overflow";
        case error::kOutOfMemory:
            return "Out of memory";
        case error::kSubscriptOutOfRange:
            return "Subscript out of range";
        case error::kTypeMismatch:
            return "Type mismatch";
        case error::kInternalError:
            return "Internal error";
        case error::kFileNotFound:
            return "File not found";
        case error::kDeviceIoError:
            return "Device I/O error";
        case error::kTooManyFiles:
            return "Too many files";
        case error::kDeviceUnavailable:
            return "Device unavailable";
        case error::kPathFileAccessError:
            return "Path/File access error";
        case error::kPathNotFound:
            return "Path not found";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace foalix::savedata
