// The history as a window meets it, in a full history (five slots of 1,000 reads of 40
// foals: the most it keeps) against an empty one: the first read after opening (the file
// opened and the read kept), a read kept once it is open, and the list of a slot's reads.
// Each read kept changes a foal, so it is written; the full history stays full (the
// oldest read goes), the empty one is emptied again between reads (not timed).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <optional>

#include "bench/full_history.h"

namespace {

using namespace foalix;
namespace fs = std::filesystem;

using bench::fortyFoals;
using bench::kHistorySaveFolder;
using bench::readOf;

// The two histories in a folder of this run's own, made once and removed at the end.
struct Histories {
    fs::path folder =
        fs::temp_directory_path() / ("foalix-history-bench-" + std::to_string(getpid()));
    std::string empty = (folder / "empty.sqlite3").string();
    std::string full = (folder / "full.sqlite3").string();

    Histories() {
        fs::create_directories(folder);
        bench::writeHistory(empty, false);
        bench::writeHistory(full, true);
    }
    ~Histories() { fs::remove_all(folder); }
};

const std::string& historyFile(bool full) {
    static const Histories histories;
    return full ? histories.full : histories.empty;
}

const std::array<savedata::Foals, 2> kRosters{fortyFoals("A"), fortyFoals("S")};

// Opening the history and keeping the first read: what the window's first read waits for.
void BM_FirstReadAfterOpening(benchmark::State& state) {
    const std::string& file = historyFile(state.range(0) != 0);
    std::optional<history::History> history;
    std::int64_t at = 2'000'000;
    for (auto _ : state) {
        history.emplace(file);
        ++at;
        history->keep(readOf(1, at), kRosters[at % 2]);
        state.PauseTiming();
        if (state.range(0) == 0) {
            history->clear();
        }
        history.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstReadAfterOpening)->ArgName("full")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Keeping a read into a history already open.
void BM_KeepARead(benchmark::State& state) {
    history::History history(historyFile(state.range(0) != 0));
    history.reads(kHistorySaveFolder, 1);
    std::int64_t at = 3'000'000;
    for (auto _ : state) {
        ++at;
        history.keep(readOf(1, at), kRosters[at % 2]);
        if (state.range(0) == 0) {
            state.PauseTiming();
            history.clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeepARead)->ArgName("full")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The History window's list of a slot: every kept read with its foals and changes.
void BM_ListASlot(benchmark::State& state) {
    history::History history(historyFile(state.range(0) != 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.reads(kHistorySaveFolder, 2));
    }
}
BENCHMARK(BM_ListASlot)->ArgName("full")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
