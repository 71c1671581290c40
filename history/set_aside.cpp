#include "history/set_aside.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "history/folder_spelling.h"

namespace foalix::history {
namespace {

namespace fs = std::filesystem;

// Local time to the millisecond: 20250102-140530.123.
std::string localTimeStamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    char text[40];
    const std::size_t length =
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", std::localtime(&seconds));
    std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(millis));
    return text;
}

}  // namespace

SetAside setAside(const std::string& file, const char* why) {
    const std::string stamped = file + "." + why + "-" + localTimeStamp();
    std::string aside = stamped;
    std::error_code error;
    for (int n = 2;
         fs::exists(utf8Path(aside), error) || fs::exists(utf8Path(aside + "-wal"), error); ++n) {
        aside = stamped + "-" + std::to_string(n);
    }
    // The log first: one left behind would be read into the fresh file.
    const bool log = fs::exists(utf8Path(file + "-wal"), error);
    if (log) {
        fs::rename(utf8Path(file + "-wal"), utf8Path(aside + "-wal"), error);
    }
    if (!error) {
        fs::rename(utf8Path(file), utf8Path(aside), error);
        if (error && log) {
            std::error_code ignored;
            fs::rename(utf8Path(aside + "-wal"), utf8Path(file + "-wal"), ignored);
        }
    }
    if (error) {
        return {false, {}, error.message()};
    }
    fs::remove(utf8Path(file + "-shm"), error);
    return {true, utf8Path(aside).filename().string(), {}};
}

}  // namespace foalix::history
