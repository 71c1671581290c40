// A reload of a full 40-foal slot as the window does it when the game saves: the read,
// the list, the selected foal's values and the roster table, repainted. Measured without
// a history, with one whose last read already holds these foals, with one that keeps
// every reload (the save changes one foal's grade each time; its writing is not timed),
// and with a long-time player's full history that keeps every reload. Then the first
// Apply of a window, which opens the history, with an empty and with a full history.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "bench/full_history.h"
#include "savedata/slot_path.h"
#include "session/roster_session.h"
#include "tests/platform_fakes.h"
#include "tools/slotgen/slot_image.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"

namespace {

using namespace foalix;

enum Keeping { kNoHistory, kUnchanged, kKeptEachTime, kFullKeptEachTime };

slotgen::SlotImage fullSlot(savedata::Byte firstGrade) {
    slotgen::SlotImage image;
    for (int r = 1; r <= savedata::kRosterRecords; ++r) {
        image.foal(r, 1000 + r, "ハヤテノカゼ" + std::to_string(r), 300 + r,
                   static_cast<savedata::Byte>(r),
                   {static_cast<savedata::Byte>(r == 1 ? firstGrade : r * 7), 0x30, 0x18,
                    static_cast<savedata::Byte>(8 + r % 16), 0, 0x41, 0xC3, 0xF1});
    }
    return image;
}

// A folder holding a history, full or empty.
std::unique_ptr<QTemporaryDir> historyFolder(bool full) {
    auto folder = std::make_unique<QTemporaryDir>();
    bench::writeHistory(folder->filePath(history::kHistoryFileName).toStdString(), full);
    return folder;
}

void BM_ReloadWithRosterTable(benchmark::State& state) {
    testing::FakePlatform fake;
    const auto folder = historyFolder(state.range(0) == kFullKeptEachTime);
    const std::string slot = savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1);
    const std::array<slotgen::SlotImage, 2> saves{fullSlot(0x10), fullSlot(0x50)};
    saves[0].writeTo(slot);
    ui::MainWindow window(fake.platform, state.range(0) == kNoHistory ? QString() : folder->path());
    window.Form_Load();
    window.show();
    window.findChild<QPushButton*>("cmdApply")->click();
    window.session().setCurrentRecord(20);
    window.showRosterTable();
    QApplication::processEvents();
    std::size_t reloads = 0;
    for (auto _ : state) {
        if (state.range(0) >= kKeptEachTime) {
            state.PauseTiming();
            saves[++reloads % 2].writeTo(slot);
            state.ResumeTiming();
        }
        window.session().reload();
        QApplication::processEvents();  // the list and the table repaint
    }
}
BENCHMARK(BM_ReloadWithRosterTable)
    ->ArgName("history")
    ->Arg(kNoHistory)
    ->Arg(kUnchanged)
    ->Arg(kKeptEachTime)
    ->Arg(kFullKeptEachTime)
    ->Unit(benchmark::kMillisecond);

// The first Apply of a new window: the history is opened then, and the read kept.
void BM_FirstApply(benchmark::State& state) {
    testing::FakePlatform fake;
    fullSlot(0x10).writeTo(savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1));
    const auto kept = historyFolder(state.range(0) != 0);
    const QString file = kept->filePath(history::kHistoryFileName);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        QFile::copy(file, folder.filePath(history::kHistoryFileName));
        ui::MainWindow window(fake.platform, folder.path());
        window.Form_Load();
        window.show();
        QApplication::processEvents();
        state.ResumeTiming();
        window.findChild<QPushButton*>("cmdApply")->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FirstApply)->ArgName("full")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
