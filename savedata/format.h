// The layout of a Galvaro save slot file: the one place that knows where the roster,
// link and ability regions lie and how their entries are laid out. All offsets are
// 0-based; every 16-bit number in the file is unsigned little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace foalix::savedata {

using Byte = std::uint8_t;

// Slot file names: "Svdata" + slot number + "a.rk5".
inline constexpr std::string_view kSlotFilePrefix = "Svdata";
inline constexpr std::string_view kSlotFileSuffix = "a.rk5";
inline constexpr int kFirstSlot = 1;
inline constexpr int kSlotCount = 5;

// Roster region: 40 records of 86 bytes, back to back.
inline constexpr std::int64_t kRosterOffset = 531904;  // 0x81DC0
inline constexpr int kRosterStride = 86;
inline constexpr int kRosterRecords = 40;
inline constexpr std::int64_t kRosterEnd = kRosterOffset + kRosterStride * kRosterRecords;
static_assert(kRosterEnd == 535344);

// The largest file read as a slot. A save is about half a megabyte; a file many times
// that size is something else at the slot's name, and is not read into memory.
inline constexpr std::int64_t kMaxSlotFileBytes = 16 * 1024 * 1024;

// True when a file of `bytes` bytes can be a save: long enough to hold the roster and
// no larger than kMaxSlotFileBytes.
constexpr bool slotFileSizeFits(std::int64_t bytes) {
    return bytes >= kRosterEnd && bytes <= kMaxSlotFileBytes;
}

// Link region: one 10-byte entry per roster id; bytes 0 to 8 are read.
inline constexpr std::int64_t kLinkOffset = 237606;  // 0x3A026
inline constexpr int kLinkStride = 10;
inline constexpr int kLinkBytesRead = 9;

// Ability region: one 10-byte entry per ability index; bytes 0 to 7 are read.
inline constexpr std::int64_t kAbilityOffset = 1876;  // 0x754
inline constexpr int kAbilityStride = 10;
inline constexpr int kAbilityBytesRead = 8;

// A roster record with this id (stored FC 08) is an unused place.
inline constexpr std::int32_t EMPTY_ROSTER_ID = 2300;

inline constexpr int kNameFieldBytes = 84;  // up to 42 two-byte characters

// One roster record as read: the id field and the double-byte name field.
struct RosterRecord {
    std::array<Byte, 2> id{};
    std::array<Byte, kNameFieldBytes> name{};
};
static_assert(sizeof(RosterRecord) == kRosterStride);

// The bytes of a link entry that are read: the ability index (bytes 0 and 1),
// six bytes the tool ignores, and the sex byte.
struct LinkEntry {
    static constexpr int kAbilityIndex = 0;
    static constexpr int kSexByte = 8;
    std::array<Byte, kLinkBytesRead> bytes{};
};

// The bytes of an ability entry that are read; the decoders take them by position.
struct AbilityBlock {
    std::array<Byte, kAbilityBytesRead> bytes{};
};

}  // namespace foalix::savedata
