// The roster table, following the save file, save folders marked in the dialog and
// drops on the main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "savedata/slot_path.h"
#include "tests/dump_runner.h"
#include "tests/test_support.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"
#include "ui/slot_watcher.h"

namespace foalix::testing {
namespace {

using slotgen::SlotImage;

// Four foals: record, name, grade byte, growth byte (5) and age byte (3).
SlotImage roster(const std::string& firstName = "ミドリ") {
    SlotImage image;
    const std::vector<std::tuple<int, std::string, int, int, int>> foals{
        {2, firstName, 0x50, 0x41, 0x08},  // S 遲 1
        {4, "アオ", 0x2C, 0x05, 0x10},     // D 早 2
        {7, "アカ", 0x50, 0x25, 0x30},     // S 普 -
        {9, "オナジ", 0x46, 0x65, 0x10},   // A 晚 2
    };
    for (const auto& [record, name, grade, growth, age] : foals) {
        auto bytes = kExampleOne;
        bytes[0] = static_cast<savedata::Byte>(grade);
        bytes[5] = static_cast<savedata::Byte>(growth);
        bytes[3] = static_cast<savedata::Byte>(age);
        image.foal(record, 10 + record, name, record, 0, bytes);
    }
    return image;
}

class RosterTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slot_ = savedata::composeSlotFile(fake_.makeSaveFolder().toStdString(), 1);
        roster().writeTo(slot_);
        window_.Form_Load();
        window_.show();
        QTest::mouseClick(control<QPushButton>(&window_, "cmdApply"), Qt::LeftButton);
        table_ = window_.showRosterTable();
    }
    QTableView* view() { return control<QTableView>(table_, "tblRoster"); }
    // The record numbers of the rows shown, top to bottom.
    QString records() {
        QStringList shown;
        for (int row = 0; row < view()->model()->rowCount(); ++row) {
            shown << view()->model()->index(row, 0).data().toString();
        }
        return shown.join(' ');
    }
    QString nameBox() { return control<QLineEdit>(&window_, "txtHorseName")->text(); }
    QString grade() { return control<QLineEdit>(&window_, "txtGrade")->text(); }

    FakePlatform fake_;
    std::string slot_;
    ui::MainWindow window_{fake_.platform};
    ui::RosterTableWindow* table_ = nullptr;
};

TEST_F(RosterTableTest, SortsByMeaningAndFilters) {
    EXPECT_EQ(table_->windowTitle(), "Roster Table — Slot 1");
    EXPECT_EQ(records(), "4 7 9 2");  // the list's order
    EXPECT_EQ(view()->model()->headerData(2, Qt::Horizontal).toString(), "年齡");
    // Column, direction, rows; ties keep the record order both ways.
    const std::vector<std::tuple<int, Qt::SortOrder, QString>> sorts{
        {3, Qt::DescendingOrder, "2 7 9 4"},  // 素質: S S A D
        {3, Qt::AscendingOrder, "4 9 2 7"},
        {10, Qt::AscendingOrder, "4 7 2 9"},  // 成長: 早 普 遲 晚
        {2, Qt::AscendingOrder, "2 4 9 7"},   // 年齡: 1 2 2 -
        {0, Qt::DescendingOrder, "9 7 4 2"},
    };
    for (const auto& [column, order, expected] : sorts) {
        view()->sortByColumn(column, order);
        EXPECT_EQ(records(), expected) << column;
    }
    control<QLineEdit>(table_, "txtFilter")->setText("ア");
    EXPECT_EQ(records(), "7 4");
    EXPECT_EQ(control<QLabel>(table_, "lblCount")->text(), "2 / 4頭");
}

TEST_F(RosterTableTest, SelectionFollowsBothWays) {
    table_->close();
    control<ui::FoalList>(&window_, "lstHorse")->selectRecord(4);
    EXPECT_EQ(window_.showRosterTable()->selectedRecord(), 4);  // a table opened later too
    view()->selectRow(1);
    EXPECT_EQ(nameBox(), "アカ");
    control<ui::FoalList>(&window_, "lstHorse")->selectRecord(9);
    EXPECT_EQ(table_->selectedRecord(), 9);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "No."
              "\t馬名\t年齡\t素質\tＳＰ\tＳＴ\t根性\t体力\t精神\t性別\t成長\t芝適\t沙適\t瞬發\t氣性"
              "\t賢　\n"
              "9\tオナジ\t2\tA\tA\tA\tC\tD\tD\t牡\t晚\tA\tA\tA\t荒\tA\n");
}

TEST_F(RosterTableTest, KeepsItsSizeAndColumnWidths) {
    view()->setColumnWidth(1, 123);
    table_->resize(700, 300);
    table_->close();
    ui::MainWindow again(fake_.platform);
    ui::RosterTableWindow* table = again.showRosterTable();
    EXPECT_EQ(control<QTableView>(table, "tblRoster")->columnWidth(1), 123);
    EXPECT_EQ(table->size(), QSize(700, 300));
}

TEST_F(RosterTableTest, ExportIsFoalixDumpsCsv) {
    testing::TempDir dir;
    const QString file = QString::fromStdString((dir.path() / "roster.csv").string());
    ASSERT_TRUE(table_->exportCsv(file));
    std::ifstream in(file.toStdString(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, dump({"--format", "csv", "--file", slot_}).out);
    EXPECT_FALSE(table_->exportCsv(QString::fromStdString(dir.str()) + "/no/such/folder.csv"));
}

// The game rewriting the slot: in place, by a new file renamed over it, and caught
// mid-write, short. The window reloads once the writes settle, keeps the selected foal
// with its new values, and never shows a message.
TEST_F(RosterTableTest, FollowsTheSaveFile) {
    control<ui::FoalList>(&window_, "lstHorse")->selectRecord(2);
    const auto settle = [] { QTest::qWait(ui::SlotWatcher::kSettleMs * 3); };
    roster("ミドリ２").writeTo(slot_);
    settle();
    EXPECT_EQ(nameBox(), "ミドリ２");
    SlotImage().resize(1000).writeTo(slot_);
    settle();
    EXPECT_EQ(nameBox(), "ミドリ２");
    const std::string fresh = slot_ + ".new";
    SlotImage changed = roster("ミドリ３");
    changed.put(1876 + 2 * 10, std::array<savedata::Byte, 1>{0x2C});  // record 2's grade: D
    changed.writeTo(fresh);
    std::filesystem::rename(fresh, slot_);
    settle();
    EXPECT_EQ(nameBox(), "ミドリ３");
    EXPECT_EQ(grade(), "D");
    EXPECT_EQ(table_->selectedRecord(), 2);
    roster("ミドリ４").writeTo(slot_);  // in place again: the new file is followed too
    settle();
    EXPECT_EQ(nameBox(), "ミドリ４");
    EXPECT_EQ(fake_.messages.texts(), "");
}

TEST_F(RosterTableTest, DropsChooseTheSaveFolder) {
    const QString other = fake_.root.path() + "/Other";
    QDir().mkpath(other);
    roster("ホカ").writeTo(savedata::composeSlotFile(other.toStdString(), 3));
    const auto drop = [this](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        event.ignore();
        static_cast<QObject&>(window_).event(&event);  // as the drop reaches the window
        return event.isAccepted();
    };
    QFile(other + "/Svdata3a.rk5.bak").open(QIODevice::WriteOnly);
    EXPECT_FALSE(drop(other + "/Svdata3a.rk5.bak"));
    EXPECT_TRUE(drop(other + "/Svdata3a.rk5"));
    EXPECT_EQ(window_.RK5Path, QDir::toNativeSeparators(other));
    EXPECT_EQ(fake_.settings.stored(), window_.RK5Path);
    EXPECT_EQ(table_->windowTitle(), "Roster Table — Slot 3");
    EXPECT_TRUE(drop(fake_.platform.folders.saveFolder));
    EXPECT_EQ(fake_.messages.texts(), "Save Data not found");  // slot 3 of the save folder
}

}  // namespace
}  // namespace foalix::testing
