// The history in the windows: two windows sharing one database, what changed marked in
// the list and the roster table, the kept reads compared and exported as foalix-dump
// compare writes them, clearing after asking, and a damaged database in one line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "history/history.h"
#include "savedata/slot_path.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"
#include "tests/ui/fakes.h"
#include "ui/comparison_view.h"
#include "ui/foal_list.h"
#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"
#include "ui/table_copy.h"

namespace foalix::testing {
namespace {

using slotgen::SlotImage;

// Three foals; later record 1 loses grade (S to D), record 2 leaves, record 7 arrives.
SlotImage roster(bool later) {
    SlotImage image;
    auto first = kExampleOne;
    first[0] = later ? 0x10 : 0x50;
    image.foal(1, 11, "ミドリ", 1, 0x00, first).foal(5, 15, "アオ", 5, 0x08, kExampleTwo);
    if (later) {
        image.foal(7, 17, "アカ", 7, 0x00, kExampleTwo);
    } else {
        image.foal(2, 12, "キイロ", 2, 0x08, kExampleTwo);
    }
    return image;
}

std::unique_ptr<ui::MainWindow> windowOn(FakePlatform& fake, const QString& history) {
    auto window = std::make_unique<ui::MainWindow>(fake.platform, history);
    window->Form_Load();
    window->show();
    return window;
}

TEST(HistoryWindows, TwoWindowsShareTheHistoryAndShowWhatChanged) {
    FakePlatform fake;
    TempDir dir;
    const QString history = QString::fromStdString(dir.str());
    const std::string slot = savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1);
    const std::string earlier = dir.writeSlot(3, roster(false));
    roster(false).writeTo(slot);
    auto first = windowOn(fake, history);
    auto second = windowOn(fake, history);
    control<QPushButton>(first.get(), "cmdApply")->click();
    control<QPushButton>(second.get(), "cmdApply")->click();
    roster(true).writeTo(slot);
    second->reloadSlot();

    // The second window's read is compared with the first window's.
    ui::RosterTableWindow* table = second->showRosterTable();
    EXPECT_TRUE(control<QLabel>(table, "lblChanges")
                    ->text()
                    .contains(QRegularExpression("^Since \\d\\d:\\d\\d: 1 new, "
                                                 "<a href=\"gone\">1 gone</a>, 1 values changed$")))
        << control<QLabel>(table, "lblChanges")->text().toStdString();
    const QAbstractItemModel* model = control<QTableView>(table, "tblRoster")->model();
    QStringList marks;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 1; column < model->columnCount(); ++column) {
            const QString tip = model->index(row, column).data(Qt::ToolTipRole).toString();
            if (!tip.isEmpty()) {
                marks << model->index(row, 0).data().toString() + " " + tip.section(' ', 0, 2);
                EXPECT_FALSE(model->index(row, column).data(Qt::DecorationRole).isNull());
            }
        }
    }
    EXPECT_EQ(marks.join(", "), "7 新: new since, 1 ▼ worse: was");
    const auto* list = control<ui::FoalList>(second.get(), "lstHorse");
    EXPECT_EQ(list->toolTipFor(list->findItems("ミドリ", Qt::MatchExactly).front()), "▼ 素質 S→D");
    EXPECT_EQ(control<QTableView>(table->showGoneFoals(), "tblComparison")->model()->rowCount(), 1);

    // The first window lists both reads; the two chosen compare as foalix-dump compare.
    ui::HistoryWindow* kept = first->showHistory();
    QTableWidget* reads = kept->readList();
    ASSERT_EQ(reads->rowCount(), 2);
    EXPECT_EQ(reads->item(0, 2)->text() + reads->item(1, 2)->text(), "3—");
    reads->selectAll();
    const QString exported = QString::fromStdString(dir.str()) + "/comparison.csv";
    ASSERT_TRUE(kept->comparison()->exportCsv(exported));
    QFile file(exported);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll().toStdString(),
              "\xEF\xBB\xBF" + dump({"compare", "--format", "csv", earlier, slot}).out);
    kept->comparison()->table()->selectAll();
    EXPECT_EQ(kept->comparison()->selectionAsText().count('\n'), 4);

    // Clearing asks first: Cancel keeps the reads, Ok forgets them.
    fake.messages.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    action(first.get(), "Clear &History…")->trigger();
    EXPECT_EQ(reads->rowCount(), 2);
    action(first.get(), "Clear &History…")->trigger();
    EXPECT_EQ(reads->rowCount(), 0);
    EXPECT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[0].buttons, platform::Buttons::OkCancel);
}

// A damaged database is set aside at the window's start and said in the status bar; the
// reads go on being kept in a fresh one, and no message box interrupts.
TEST(HistoryWindows, DamagedHistoryIsOneLine) {
    FakePlatform fake;
    TempDir dir;
    std::ofstream(dir.path() / history::kHistoryFileName) << std::string(4096, 'x');
    roster(false).writeTo(savedata::composeSlotFile(fake.makeSaveFolder().toStdString(), 1));
    auto window = windowOn(fake, QString::fromStdString(dir.str()));
    control<QPushButton>(window.get(), "cmdApply")->click();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        "History was damaged: set aside as history.sqlite3.damaged-"));
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(window->showHistory()->readList()->rowCount(), 1);
}

}  // namespace
}  // namespace foalix::testing
