// Where the loader's bytes come from. The program reads slot files; tests and the
// fuzzer hand the same loader bytes held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "savedata/format.h"

namespace foalix::savedata {

// One open handle on a slot with its own read position.
class SlotHandle {
  public:
    virtual ~SlotHandle() = default;
    // Reads up to out.size() bytes at a 0-based offset and returns how many were
    // read: fewer when the slot ends first. Raises RunTimeError when reading fails.
    virtual std::size_t readAt(std::int64_t offset, std::span<Byte> out) = 0;
    // The slot's length in bytes. Raises RunTimeError 53 when what is open is no longer
    // an ordinary file (something took its place since the existence test).
    virtual std::int64_t size() = 0;
};

class SlotSource {
  public:
    virtual ~SlotSource() = default;
    // True when the slot is an ordinary file (not a folder, device, pipe, or a
    // hidden or system file). Never blocks; raises RunTimeError only for a path the
    // system refuses outright (one longer than it allows).
    virtual bool exists() const = 0;
    // A new handle; any number may be open at once. Raises RunTimeError on failure.
    virtual std::unique_ptr<SlotHandle> open() const = 0;
};

}  // namespace foalix::savedata
