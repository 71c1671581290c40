// A slot held in memory, for the tests: Load_Horses reads it as it reads a file, with no
// bound on its size. The bytes are not copied until a read: they must outlive the slot.
#pragma once

#include <span>

#include "savedata/slot_source.h"

namespace foalix::savedata {

struct MemorySlot final : SlotSource {
    explicit MemorySlot(std::span<const Byte> bytes) : bytes(bytes) {}
    bool exists() const override { return true; }
    std::optional<SlotContents> read() const override {
        return SlotContents{{bytes.begin(), bytes.end()}};
    }

    std::span<const Byte> bytes;
};

}  // namespace foalix::savedata
