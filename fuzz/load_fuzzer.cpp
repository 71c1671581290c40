// The whole load — roster, link and ability lookups, decoders, names — on arbitrary
// slot contents. Only a finished load may come out, or the reader's own errors.
//
// An input is a change to one of the sample saves, so every run starts from full rosters
// and a fuzzer's few bytes land where the reader looks: a byte choosing the sample, then
// chunks of a region byte, a 2-byte little-endian number N, a length byte L and L bytes
// written at N's place in the region: the roster (N is a byte offset in it), the link or
// the ability table (N is an entry). Region 3 takes no bytes: it cuts or pads the file
// to N * 16 + L % 16 bytes.
//
// The sample is never copied: the slot the loader reads lays the input's changes over
// it as it reads, so an input costs what the loader reads, not the size of a save.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "savedata/format.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"
#include "savedata/slot_source.h"

using namespace foalix::savedata;

namespace {

std::vector<std::vector<Byte>> samples;

// One change, in input order: bytes written at an offset, or the file cut or padded
// with zeros to a size (which also zeroes whatever lay beyond that size before).
struct Change {
    std::size_t offset;  // where the bytes go, or the new size
    std::span<const Byte> bytes;
    bool resize;
};

class ChangedSample final : public SlotSource {
  public:
    ChangedSample(const std::vector<Byte>& sample, const Byte* data, std::size_t size)
        : sample_(sample), size_(sample.size()) {
        std::size_t at = 0;
        const auto take = [&](std::size_t n) {
            std::size_t value = 0;
            for (std::size_t i = 0; i < n && at < size; ++i, ++at) {
                value |= std::size_t{data[at]} << (8 * i);
            }
            return value;
        };
        while (at < size) {
            const std::size_t region = take(1) % 4;
            const std::size_t n = take(2);
            const std::size_t length = take(1);
            if (region == 3) {
                size_ = n * 16 + length % 16;
                changes_.push_back({size_, {}, true});
                continue;
            }
            const std::size_t starts[] = {kRosterOffset + n % (kRosterStride * kRosterRecords),
                                          kLinkOffset + n * kLinkStride,
                                          kAbilityOffset + n * kAbilityStride};
            const std::size_t taken = std::min(length, size - at);
            // Bytes past the end of the file as it is now are dropped.
            const std::size_t kept =
                starts[region] < size_ ? std::min(taken, size_ - starts[region]) : 0;
            changes_.push_back({starts[region], {data + at, kept}, false});
            at += taken;
        }
    }

    bool exists() const override { return true; }
    std::unique_ptr<SlotHandle> open() const override { return std::make_unique<Handle>(*this); }
    const std::string& path() const override { return path_; }

  private:
    class Handle final : public SlotHandle {
      public:
        explicit Handle(const ChangedSample& slot) : slot_(slot) {}
        std::size_t readAt(std::int64_t offset, std::span<Byte> out) override {
            return slot_.readAt(offset, out);
        }
        std::int64_t size() override { return static_cast<std::int64_t>(slot_.size_); }

      private:
        const ChangedSample& slot_;
    };

    std::size_t readAt(std::int64_t offset, std::span<Byte> out) const {
        if (offset < 0 || static_cast<std::size_t>(offset) >= size_) {
            return 0;
        }
        const auto start = static_cast<std::size_t>(offset);
        const std::size_t end = std::min(start + out.size(), size_);
        // Whole ranges at a time: a loop per byte would cost more than the load.
        const auto clear = [&](std::size_t from) {
            if (from < end) {
                std::fill(out.begin() + (from - start), out.begin() + (end - start), Byte{0});
            }
        };
        const std::size_t sampleEnd = std::clamp(sample_.size(), start, end);
        if (start < sampleEnd) {
            std::copy(sample_.begin() + start, sample_.begin() + sampleEnd, out.begin());
        }
        clear(sampleEnd);
        for (const Change& change : changes_) {
            if (change.resize) {
                clear(std::max(start, change.offset));
                continue;
            }
            const std::size_t from = std::max(start, change.offset);
            const std::size_t to = std::min(end, change.offset + change.bytes.size());
            if (from < to) {
                std::copy(change.bytes.begin() + (from - change.offset),
                          change.bytes.begin() + (to - change.offset),
                          out.begin() + (from - start));
            }
        }
        return end - start;
    }

    const std::vector<Byte>& sample_;
    std::size_t size_;
    std::vector<Change> changes_;
    std::string path_ = "fuzz";
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const auto& entry : std::filesystem::directory_iterator(FOALIX_SAMPLE_SAVEDATA)) {
        std::ifstream in(entry.path(), std::ios::binary);
        samples.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (samples.empty()) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the sample; an empty input reads the first one unchanged.
    const std::size_t skip = size > 0 ? 1 : 0;
    const ChangedSample slot(samples[(skip ? data[0] : 0) % samples.size()], data + skip,
                             size - skip);
    HorseTable table;
    const LoadResult result = Load_Horses(slot, {}, table);
    if (result.status != LoadStatus::Loaded) {
        // A slot that does not load lists nothing and leaves the table alone.
        if (!result.listedRows.empty() || !result.total.empty() || !(table == HorseTable{})) {
            std::abort();
        }
        return 0;
    }
    for (int row : result.listedRows) {
        const HorseEntry& entry = table.row(row);
        for (const auto& field : kHorseFields) {
            // Every decoded field is exactly one character: 1 to 3 bytes of UTF-8.
            const std::string& text = entry.*field.member;
            if (text.empty() || text.size() > 3) {
                std::abort();
            }
        }
    }
    return 0;
}
