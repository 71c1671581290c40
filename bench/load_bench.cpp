// One full load of a slot against a baseline that only opens the file and reads the
// same bytes the same way (the roster on one handle, each foal's link and ability
// entries on a handle of its own), so the difference is the reader's own work.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "savedata/roster_loader.h"
#include "savedata/slot_file.h"
#include "tools/slotgen/slot_image.h"

namespace {

using namespace foalix::savedata;

const std::string& benchSlot() {
    static const std::string path = [] {
        foalix::slotgen::SlotImage image;
        const char* names[] = {"ハヤテノカゼ", "ミドリノユメ", "アカツキボシ", "シラユキヒメ"};
        for (int r = 1; r <= kRosterRecords; ++r) {
            image.foal(r, 1000 + r, names[r % 4], 300 + r, static_cast<Byte>(r),
                       {static_cast<Byte>(r * 7), 0x30, 0x18, static_cast<Byte>(8 + r % 16), 0,
                        0x41, 0xC3, 0xF1});
        }
        const auto file = std::filesystem::temp_directory_path() / "foalix-bench-Svdata1a.rk5";
        image.writeTo(file.string());
        return file.string();
    }();
    return path;
}

void readAt(int fd, std::int64_t offset, Byte* buffer, std::size_t size) {
    if (::pread(fd, buffer, size, offset) < 0) {
        std::abort();
    }
}

void BM_Baseline(benchmark::State& state) {
    const std::string& path = benchSlot();
    std::array<Byte, kRosterStride * kRosterRecords> roster;
    std::array<Byte, kLinkBytesRead> link;
    std::array<Byte, kAbilityBytesRead> ability;
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        readAt(fd, kRosterOffset, roster.data(), roster.size());
        for (int r = 0; r < kRosterRecords; ++r) {
            const int lookup = ::open(path.c_str(), O_RDONLY);
            const int id = roster[r * kRosterStride] | roster[r * kRosterStride + 1] << 8;
            readAt(lookup, kLinkOffset + kLinkStride * id, link.data(), link.size());
            const int index = link[0] | link[1] << 8;
            readAt(lookup, kAbilityOffset + kAbilityStride * index, ability.data(), ability.size());
            ::close(lookup);
        }
        ::close(fd);
        benchmark::DoNotOptimize(ability);
    }
}
BENCHMARK(BM_Baseline);

void BM_Load(benchmark::State& state) {
    const SlotFile slot(benchSlot());
    HorseTable table;
    for (auto _ : state) {
        const LoadResult result = Load_Horses(slot, {}, table);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Load);

}  // namespace

BENCHMARK_MAIN();
