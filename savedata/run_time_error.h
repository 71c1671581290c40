// The one error type of the reader: a run-time error with the number and text the
// player knows from the game's platform (6 "Overflow", 53 "File not found", ...).
#pragma once

#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace foalix::savedata {

namespace error {
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace error

class RunTimeError : public std::runtime_error {
  public:
    explicit RunTimeError(int number);
    RunTimeError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

    // The standard text of a run-time error number ("Overflow", "File not found", ...).
    static std::string standardText(int number);

  private:
    int number_;
    std::string description_;
};

// Runs `action` and gives what it raised as the run-time error a player is told of: its
// own, 7 for running out of memory, 51 for anything else; nothing when it returned.
template <typename Action>
std::optional<RunTimeError> failureOf(Action&& action) {
    try {
        action();
    } catch (const RunTimeError& raised) {
        return raised;
    } catch (const std::bad_alloc&) {
        return RunTimeError(error::kOutOfMemory);
    } catch (const std::exception&) {
        return RunTimeError(error::kInternalError);
    }
    return std::nullopt;
}

}  // namespace foalix::savedata
