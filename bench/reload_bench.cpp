// A reload of a full 40-foal slot as the window does it when the game saves: the read,
// the list, the selected foal's values and the roster table, repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "savedata/slot_path.h"
#include "tests/ui/fakes.h"
#include "tools/slotgen/slot_image.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"

namespace {

using namespace foalix;

void BM_ReloadWithRosterTable(benchmark::State& state) {
    testing::FakePlatform fake;
    slotgen::SlotImage image;
    for (int r = 1; r <= savedata::kRosterRecords; ++r) {
        image.foal(r, 1000 + r, "ハヤテノカゼ" + std::to_string(r), 300 + r,
                   static_cast<savedata::Byte>(r),
                   {static_cast<savedata::Byte>(r * 7), 0x30, 0x18,
                    static_cast<savedata::Byte>(8 + r % 16), 0, 0x41, 0xC3, 0xF1});
    }
    image.writeTo(savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1));
    ui::MainWindow window(fake.platform);
    window.Form_Load();
    window.show();
    window.findChild<QPushButton*>("cmdApply")->click();
    window.findChild<ui::FoalList*>("lstHorse")->selectRecord(20);
    window.showRosterTable();
    QApplication::processEvents();
    for (auto _ : state) {
        window.reloadSlot();
        QApplication::processEvents();  // the list and the table repaint
    }
}
BENCHMARK(BM_ReloadWithRosterTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
