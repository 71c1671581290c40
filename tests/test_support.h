// Helpers shared by the tests: temporary folders and slot files written into them.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "savedata/run_time_error.h"
#include "tools/slotgen/slot_image.h"

namespace foalix::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    // Writes `image` as slot `slot` of this folder and returns the file's path.
    std::string writeSlot(int slot, const slotgen::SlotImage& image) const;

  private:
    std::filesystem::path path_;
};

// What a folder holds: every entry's kind and its bytes and modification time (a file)
// or its target (a link), so a test can show that reading left it exactly as it was.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);

// The number of the run-time error `call` raises, or nothing when it returns.
template <typename F>
std::optional<int> errorOf(F&& call) {
    try {
        call();
    } catch (const savedata::RunTimeError& e) {
        return e.number();
    }
    return std::nullopt;
}

// The ability bytes of the two worked examples foals are checked against.
inline constexpr std::array<savedata::Byte, 8> kExampleOne{0x50, 0x30, 0x18, 0x0A,
                                                           0x00, 0x41, 0xC3, 0xF1};
inline constexpr std::array<savedata::Byte, 8> kExampleTwo{0x2C, 0x60, 0x10, 0x13,
                                                           0xFF, 0x85, 0x09, 0x7E};

}  // namespace foalix::testing
