// A slot held in memory, for the tests and the fuzzer: the loader reads it exactly as it
// reads a file. The bytes are not copied: they must outlive the slot.
#pragma once

#include <algorithm>

#include "savedata/slot_source.h"

namespace foalix::savedata {

struct MemorySlot final : SlotSource, SlotHandle {
    explicit MemorySlot(std::span<const Byte> bytes) : bytes(bytes) {}
    bool exists() const override { return true; }
    std::unique_ptr<SlotHandle> open() const override {
        return std::make_unique<MemorySlot>(bytes);
    }
    std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
        const auto rest = bytes.subspan(std::min<std::uint64_t>(offset, bytes.size()));
        const std::size_t n = std::min(out.size(), rest.size());
        std::copy_n(rest.begin(), n, out.begin());
        return n;
    }
    std::int64_t size() override { return static_cast<std::int64_t>(bytes.size()); }

    std::span<const Byte> bytes;
};

}  // namespace foalix::savedata
