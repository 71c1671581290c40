// A slot held in memory, for the tests and the fuzzer: the loader reads it exactly as it
// reads a file.
#pragma once

#include <algorithm>
#include <vector>

#include "savedata/slot_source.h"

namespace foalix::savedata {

class MemorySlot final : public SlotSource {
  public:
    explicit MemorySlot(std::span<const Byte> bytes) : bytes_(bytes.begin(), bytes.end()) {}

    bool exists() const override { return true; }
    std::unique_ptr<SlotHandle> open() const override { return std::make_unique<Handle>(bytes_); }

  private:
    class Handle final : public SlotHandle {
      public:
        explicit Handle(const std::vector<Byte>& bytes) : bytes_(bytes) {}
        std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
            if (offset < 0 || offset >= size()) {
                return 0;
            }
            const auto start = static_cast<std::size_t>(offset);
            const std::size_t n = std::min(out.size(), bytes_.size() - start);
            std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(start), n, out.begin());
            return n;
        }
        std::int64_t size() override { return static_cast<std::int64_t>(bytes_.size()); }

      private:
        const std::vector<Byte>& bytes_;
    };

    std::vector<Byte> bytes_;
};

}  // namespace foalix::savedata
