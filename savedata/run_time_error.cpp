#include "savedata/run_time_error.h"

#include <utility>

#include "savedata/translatable.h"

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
            return QT_TRANSLATE_NOOP("RunTimeError", "Overflow");
        case error::kOutOfMemory:
            return QT_TRANSLATE_NOOP("RunTimeError", "Out of memory");
        case error::kSubscriptOutOfRange:
            return QT_TRANSLATE_NOOP("RunTimeError", "Subscript out of range");
        case error::kTypeMismatch:
            return QT_TRANSLATE_NOOP("RunTimeError", "Type mismatch");
        case error::kInternalError:
            return QT_TRANSLATE_NOOP("RunTimeError", "Internal error");
        case error::kFileNotFound:
            return QT_TRANSLATE_NOOP("RunTimeError", "File not found");
        case error::kDeviceIoError:
            return QT_TRANSLATE_NOOP("RunTimeError", "Device I/O error");
        case error::kTooManyFiles:
            return QT_TRANSLATE_NOOP("RunTimeError", "Too many files");
        case error::kDeviceUnavailable:
            return QT_TRANSLATE_NOOP("RunTimeError", "Device unavailable");
        case error::kPathFileAccessError:
            return QT_TRANSLATE_NOOP("RunTimeError", "Path/File access error");
        case error::kPathNotFound:
            return QT_TRANSLATE_NOOP("RunTimeError", "Path not found");
        default:
            return QT_TRANSLATE_NOOP("RunTimeError", "Application-defined or object-defined error");
    }
}

}  // namespace foalix::savedata
