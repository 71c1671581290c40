// A reload of a full 40-foal slot as the window does it when the game saves: the read,
// the list, the selected foal's values and the roster table, repainted. Measured without
// a history, with one whose last read already holds these foals, and with one that keeps
// every reload (the save changes one foal's grade each time; its writing is not timed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "savedata/slot_path.h"
#include "session/roster_session.h"
#include "tests/ui/fakes.h"
#include "tools/slotgen/slot_image.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"

namespace {

using namespace foalix;

enum Keeping { kNoHistory, kUnchanged, kKeptEachTime };

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

void BM_ReloadWithRosterTable(benchmark::State& state) {
    testing::FakePlatform fake;
    QTemporaryDir historyFolder;
    const std::string slot = savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1);
    const std::array<slotgen::SlotImage, 2> saves{fullSlot(0x10), fullSlot(0x50)};
    saves[0].writeTo(slot);
    ui::MainWindow window(fake.platform,
                          state.range(0) == kNoHistory ? QString() : historyFolder.path());
    window.Form_Load();
    window.show();
    window.findChild<QPushButton*>("cmdApply")->click();
    window.session().setCurrentRecord(20);
    window.showRosterTable();
    QApplication::processEvents();
    std::size_t reloads = 0;
    for (auto _ : state) {
        if (state.range(0) == kKeptEachTime) {
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
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
