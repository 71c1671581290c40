// A slot file given sparsely, so a fuzzer's few bytes can reach all three regions of a
// 500 KB file: a 4-byte little-endian file size, then chunks of a 4-byte offset, a 2-byte
// length and that many bytes. Everything no chunk covers reads as zero.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "savedata/slot_source.h"

namespace foalix::fuzz {

using savedata::Byte;

// Larger sizes behave alike; keeping them small keeps every read cheap.
inline constexpr std::uint32_t kMaxSize = 4u << 20;

class SparseSlot final : public savedata::SlotSource {
  public:
    SparseSlot(const Byte* data, std::size_t size) {
        std::size_t at = 0;
        const auto take = [&](std::size_t n) {
            std::uint64_t value = 0;
            for (std::size_t i = 0; i < n && at < size; ++i, ++at) {
                value |= std::uint64_t{data[at]} << (8 * i);
            }
            return value;
        };
        size_ = static_cast<std::int64_t>(take(4) % (kMaxSize + 1));
        while (at < size) {
            const auto offset = static_cast<std::int64_t>(take(4) % kMaxSize);
            const auto length = std::min<std::size_t>(take(2), size - at);
            chunks_[offset].assign(data + at, data + at + length);
            at += length;
        }
    }

    bool exists() const override { return true; }
    std::unique_ptr<savedata::SlotHandle> open() const override {
        return std::make_unique<Handle>(*this);
    }
    const std::string& path() const override { return path_; }

  private:
    class Handle final : public savedata::SlotHandle {
      public:
        explicit Handle(const SparseSlot& slot) : slot_(slot) {}
        std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
            if (offset < 0 || offset >= slot_.size_) {
                return 0;
            }
            const auto n =
                static_cast<std::size_t>(std::min<std::int64_t>(out.size(), slot_.size_ - offset));
            std::fill_n(out.begin(), n, Byte{0});
            for (const auto& [start, bytes] : slot_.chunks_) {
                const std::int64_t from = std::max(start, offset);
                const std::int64_t to =
                    std::min<std::int64_t>(start + static_cast<std::int64_t>(bytes.size()),
                                           offset + static_cast<std::int64_t>(n));
                for (std::int64_t i = from; i < to; ++i) {
                    out[static_cast<std::size_t>(i - offset)] =
                        bytes[static_cast<std::size_t>(i - start)];
                }
            }
            return n;
        }
        std::int64_t size() override { return slot_.size_; }

      private:
        const SparseSlot& slot_;
    };

    std::int64_t size_ = 0;
    std::map<std::int64_t, std::vector<Byte>> chunks_;
    std::string path_ = "fuzz";
};

// The sparse form of a whole file: its size, then every run of non-zero bytes.
inline std::vector<Byte> toSparse(const std::vector<Byte>& file) {
    std::vector<Byte> out;
    const auto put = [&out](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<Byte>(value >> (8 * i)));
        }
    };
    put(file.size(), 4);
    for (std::size_t at = 0; at < file.size();) {
        if (file[at] == 0) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < file.size() && end - at < 0xFFFF &&
               (file[end] != 0 || (end + 1 < file.size() && file[end + 1] != 0))) {
            ++end;
        }
        put(at, 4);
        put(end - at, 2);
        out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                   file.begin() + static_cast<std::ptrdiff_t>(end));
        at = end;
    }
    return out;
}

}  // namespace foalix::fuzz
