// One full load of a slot against a baseline that only reads the same bytes the same
// way (one open, the file's size from its handle, the whole file read at once), so the
// difference is the reader's own work: the existence test and the decoding.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

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

void BM_Baseline(benchmark::State& state) {
    const std::string& path = benchSlot();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        struct stat info;
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            std::abort();
        }
        std::vector<Byte> bytes(static_cast<std::size_t>(info.st_size));
        if (::read(fd, bytes.data(), bytes.size()) != info.st_size) {
            std::abort();
        }
        ::close(fd);
        benchmark::DoNotOptimize(bytes);
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
