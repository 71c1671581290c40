// The main window and its roster table on generated slot files: apply, the age filter,
// the total, clicking foals, slots that do not load, the File menu, layout and tab order;
// the table's sorting, filter, selection, copy and export; following the save file and
// drops on the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <sstream>

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
using ui::FoalList;

// As long as a name can be: 42 characters fill the name field, with no end mark.
const std::string kLongName =
    "ウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマ";

// Five foals, two of one name. Their grade (first ability byte), growth (sixth), age
// (fourth) and sex: record 1 S 遲 1 牡, 2 D 早 2 牝, 5 A 普 2 牡, 9 B 晚 2 牝, 12 S 普 - 牡.
SlotImage fiveFoals(const std::string& firstName = "ミドリ") {
    std::istringstream description("foal 1 11 \"" + firstName +
                                   "\" 1 00 50 30 18 08 00 41 C3 F1\n"
                                   "foal 2 12 \"アオ\" 2 08 2C 30 18 10 00 05 C3 F1\n"
                                   "foal 5 15 \"オナジ\" 5 00 46 30 18 11 00 25 C3 F1\n"
                                   "foal 9 19 \"オナジ\" 9 08 3C 30 18 12 00 65 C3 F1\n"
                                   "foal 12 22 \"トシウエ\" 12 00 50 30 18 18 00 25 C3 F1\n");
    return slotgen::parseDescription(description);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saveDir_ = fake_.makeSaveFolder();
        fiveFoals().writeTo(slot(1));
        SlotImage two;
        two.foal(3, 21, "カゼ", 1, 0x00, kExampleOne).foal(4, 22, kLongName, 2, 0, kExampleTwo);
        two.writeTo(slot(2));
        SlotImage().resize(535343).writeTo(slot(4));
        window_ = std::make_unique<ui::MainWindow>(fake_.platform);
        window_->Form_Load();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    std::string slot(int n) { return savedata::composeSlotFile(saveDir_.toStdString(), n); }
    template <typename T>
    T* get(const QString& name) {
        return control<T>(window_.get(), name);
    }
    QString box(const QString& name) { return get<QLineEdit>(name)->text(); }
    FoalList* list() { return get<FoalList>("lstHorse"); }
    QString listed() {
        return joined(0, list()->count(), [this](int i) { return list()->item(i)->text(); }) +
               " / " + box("txtTotal");
    }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    void clickFoal(int index) {
        const QRect place = list()->visualItemRect(list()->item(index));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    }
    // The name box and the fourteen value boxes in the order the loader fills them.
    QString shown() {
        static const QStringList boxes{"txtHorseName", "txtGrade",  "txtSP",   "txtST",
                                       "txtAge",       "txtStrong", "txtWhen", "txtWin",
                                       "txtBurst",     "txtGrass",  "txtMud",  "txtSex",
                                       "txtMind",      "txtTemper", "txtBrian"};
        return joined(0, boxes.size(), [this](int i) { return box(boxes[i]); }).trimmed();
    }
    // Slot 1 applied and its roster table open.
    void openTable() {
        click("cmdApply");
        table_ = window_->showRosterTable();
    }
    QTableView* view() { return control<QTableView>(table_, "tblRoster"); }
    // The record numbers of the table's rows, top to bottom.
    QString records() {
        return joined(0, view()->model()->rowCount(),
                      [this](int row) { return view()->model()->index(row, 0).data().toString(); });
    }

    FakePlatform fake_;
    QString saveDir_;
    std::unique_ptr<ui::MainWindow> window_;
    ui::RosterTableWindow* table_ = nullptr;
};

TEST_F(MainWindowTest, StartsReadyAndApplyListsTheFoalsByName) {
    EXPECT_EQ(QApplication::focusWidget(), get<QPushButton>("cmdApply"));
    EXPECT_EQ(window_->RK5Path, saveDir_);
    EXPECT_EQ(listed(), " / ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(listed(), "アオ オナジ オナジ トシウエ ミドリ / 5頭");
    EXPECT_EQ(QApplication::focusWidget(), list());
    // Taking the focus made an entry current; that is no click.
    EXPECT_EQ(shown(), "");
    QTest::keyClick(list(), Qt::Key_Up);  // the first arrow, up or down, selects the first entry
    EXPECT_EQ(box("txtHorseName"), "アオ");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(shown(), "オナジ A A A 2 D 普 C A A A 牡 D 荒 A");
    clickFoal(2);  // the other オナジ, of record 9
    EXPECT_EQ(shown(), "オナジ B A A 2 C 晚 C A A A 牝 D 荒 A");
    clickFoal(4);
    EXPECT_EQ(shown(), "ミドリ S A A 1 D 遲 C A A A 牡 D 荒 A");
    EXPECT_TRUE(fake_.messages.shown.empty());
}

// Each step: what is clicked before the next apply, then the list and total, and the
// message shown. A slot that does not load clears everything; so does an error.
TEST_F(MainWindowTest, AgesAndSlotsTakeEffectAtTheNextApply) {
    const std::vector<std::tuple<QStringList, QString, QString>> steps{
        {{}, "アオ オナジ オナジ トシウエ ミドリ / 5頭", ""},
        {{"chkTwo"}, "ミドリ / 1頭", ""},
        {{"chkOne"}, " / 0頭", ""},
        {{"chkOne", "chkTwo", "optSaveName1"},
         QString::fromStdString(kLongName) + " カゼ / 2頭",
         ""},
        {{"optSaveName2"}, " / ", "Save Data not found"},
        {{"optSaveName3"}, " / ", "Save Data is damaged"},
    };
    for (const auto& [clicks, list, message] : steps) {
        for (const QString& name : clicks) {
            click(name);
        }
        clickFoal(0);
        fake_.messages.shown.clear();
        click("cmdApply");
        EXPECT_EQ(listed(), list) << clicks.join(' ').toStdString();
        EXPECT_EQ(shown(), "");
        EXPECT_EQ(fake_.messages.texts(), message);
        EXPECT_EQ(QApplication::focusWidget(), this->list());
    }
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::None);
    // A run-time error is reported and the window goes on: a save folder that has gone.
    window_->RK5Path = saveDir_ + "/gone";
    fake_.messages.shown.clear();
    click("cmdApply");
    EXPECT_EQ(fake_.messages.texts(), "Run-time error '76':\n\nPath not found");
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
}

TEST_F(MainWindowTest, LongNamesReadFromTheirStartAndShowWhole) {
    click("optSaveName1");
    click("cmdApply");
    clickFoal(0);
    EXPECT_EQ(box("txtHorseName"), QString::fromStdString(kLongName));
    EXPECT_EQ(get<QLineEdit>("txtHorseName")->cursorPosition(), 0);
    EXPECT_EQ(list()->toolTipFor(list()->item(0)), QString::fromStdString(kLongName));
    EXPECT_EQ(list()->toolTipFor(list()->item(1)), "");
}

TEST_F(MainWindowTest, TabOrder) {
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());  // no resizing
    // Tab stops at the ticked slot button only, at that button's own place.
    click("optSaveName2");
    get<QWidget>("cmdApply")->setFocus();
    QStringList stops;
    for (int i = 0; i < 22; ++i) {
        stops << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(stops.join(' '),
              "cmdApply lstHorse chkOne chkTwo txtTotal txtHorseName txtAge txtGrade txtSP txtST "
              "txtStrong txtWin txtWhen txtGrass txtMud txtBurst optSaveName2 txtSex txtTemper "
              "txtMind txtBrian cmdApply");
}

TEST_F(MainWindowTest, TableSortsFiltersAndExports) {
    fiveFoals("Ｍｉｄｏｒｉ").writeTo(slot(1));  // a Latin name, listed last as ミドリ was
    openTable();
    EXPECT_EQ(table_->windowTitle(), "Roster Table — Slot 1");
    EXPECT_EQ(records(), "2 5 9 12 1");  // the list's order
    // The rows shown exported: foalix-dump's CSV.
    testing::TempDir dir;
    const QString csv = QString::fromStdString((dir.path() / "roster.csv").string());
    ASSERT_TRUE(table_->exportCsv(csv));
    std::ifstream in(csv.toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              dump({"--format", "csv", "--file", slot(1)}).out);
    EXPECT_FALSE(table_->exportCsv(csv + "/no/such/folder.csv"));
    EXPECT_EQ(view()->model()->headerData(2, Qt::Horizontal).toString(), "年齡");
    // Column, direction, rows; ties keep the record order both ways.
    const std::vector<std::tuple<int, Qt::SortOrder, QString>> sorts{
        {3, Qt::DescendingOrder, "1 12 5 9 2"},  // 素質: S S A B D
        {3, Qt::AscendingOrder, "2 9 5 1 12"},
        {10, Qt::AscendingOrder, "2 5 12 1 9"},  // 成長: 早 普 普 遲 晚
        {2, Qt::AscendingOrder, "1 2 5 9 12"},   // 年齡: 1 2 2 2 -
        {0, Qt::DescendingOrder, "12 9 5 2 1"},
    };
    for (const auto& [column, order, expected] : sorts) {
        view()->sortByColumn(column, order);
        EXPECT_EQ(records(), expected) << column;
    }
    const auto filtered = [this](const QString& text) {
        control<QLineEdit>(table_, "txtFilter")->setText(text);
        return records() + " " + control<QLabel>(table_, "lblCount")->text();
    };
    EXPECT_EQ(filtered("ｍＩＤ"), "1 1 / 5頭");  // either case
    EXPECT_EQ(filtered("オ"), "9 5 2 3 / 5頭");
}

// The columns fitted to the first rows, selection linked both ways, Ctrl+C, and the
// size and column widths kept for next time.
TEST_F(MainWindowTest, TableSelectionCopyAndSize) {
    fiveFoals("ミドリミドリミドリミドリ").writeTo(slot(1));  // wider than its column's title
    table_ = window_->showRosterTable();                     // before the first load
    click("cmdApply");
    const QAbstractItemView* rows = view();
    EXPECT_GE(view()->columnWidth(1), rows->sizeHintForColumn(1));     // fitted to the rows
    EXPECT_GE(table_->width(), view()->horizontalHeader()->length());  // the window to them
    view()->setColumnWidth(1, 123);
    table_->resize(700, 300);
    table_->close();
    ui::MainWindow again(fake_.platform);
    ui::RosterTableWindow* another = again.showRosterTable();
    EXPECT_EQ(control<QTableView>(another, "tblRoster")->columnWidth(1), 123);
    EXPECT_EQ(another->size(), QSize(700, 300));
    list()->selectRecord(2);
    EXPECT_EQ(window_->showRosterTable()->selectedRecord(), 2);  // a table opened later too
    view()->selectRow(4);
    EXPECT_EQ(box("txtHorseName"), "ミドリミドリミドリミドリ");
    list()->selectRecord(9);
    EXPECT_EQ(table_->selectedRecord(), 9);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "No."
              "\t馬名\t年齡\t素質\tＳＰ\tＳＴ\t根性\t体力\t精神\t性別\t成長\t芝適\t沙適\t瞬發\t氣性"
              "\t賢　\n"
              "9\tオナジ\t2\tB\tA\tA\tC\tC\tD\t牝\t晚\tA\tA\tA\t荒\tA\n");
}

// The game rewriting the slot: in place, by a new file renamed over it, and caught
// mid-write, short. The window reloads once the writes settle, keeps the selected foal
// with its new values, and never shows a message; unticked, it no longer follows.
TEST_F(MainWindowTest, FollowsTheSaveFile) {
    openTable();
    list()->selectRecord(1);
    // The name shown after the writes have settled (a write is whole before events run).
    QSignalSpy settled(window_->findChild<ui::SlotWatcher*>(), &ui::SlotWatcher::settled);
    const auto settledName = [&] {
        EXPECT_TRUE(settled.wait(20000));
        return box("txtHorseName");
    };
    fiveFoals("ミドリ２").writeTo(slot(1));
    EXPECT_EQ(settledName(), "ミドリ２");
    SlotImage().resize(1000).writeTo(slot(1));
    EXPECT_EQ(settledName(), "ミドリ２");
    const std::string fresh = slot(1) + ".new";
    fiveFoals("ミドリ３")  // and record 1's grade D
        .put(1876 + 1 * 10, std::array<savedata::Byte, 1>{0x2C})
        .writeTo(fresh);
    std::filesystem::rename(fresh, slot(1));
    EXPECT_EQ(settledName(), "ミドリ３");
    EXPECT_EQ(box("txtGrade"), "D");
    EXPECT_EQ(table_->selectedRecord(), 1);
    fiveFoals("ミドリ４").writeTo(slot(1));  // in place again: the new file is followed too
    EXPECT_EQ(settledName(), "ミドリ４");
    EXPECT_EQ(fake_.messages.texts(), "");
    for (QAction* action : window_->findChildren<QAction*>()) {
        action->setChecked(false);  // unticks Follow Save File, the menus' one tick
    }
    fiveFoals("ミドリ５").writeTo(slot(1));
    EXPECT_FALSE(settled.wait(ui::SlotWatcher::kSettleMs * 3));  // nothing comes
    EXPECT_EQ(box("txtHorseName"), "ミドリ４");
}

TEST_F(MainWindowTest, DropsChooseTheSaveFolder) {
    openTable();
    const QString other = fake_.root.path() + "/Other";
    QDir().mkpath(other);
    fiveFoals("ホカ").writeTo(savedata::composeSlotFile(other.toStdString(), 5));
    const auto drop = [this](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        event.ignore();
        static_cast<QObject&>(*window_).event(&event);  // as the drop reaches the window
        return event.isAccepted();
    };
    QFile(other + "/Svdata5a.rk5.bak").open(QIODevice::WriteOnly);
    EXPECT_FALSE(drop(other + "/Svdata5a.rk5.bak"));
    EXPECT_TRUE(drop(other + "/Svdata5a.rk5"));
    EXPECT_EQ(window_->RK5Path, QDir::toNativeSeparators(other));
    EXPECT_EQ(fake_.settings.stored(), window_->RK5Path);
    EXPECT_EQ(table_->windowTitle(), "Roster Table — Slot 5");
    EXPECT_TRUE(drop(fake_.platform.folders.saveFolder));
    EXPECT_EQ(window_->RK5Path, fake_.platform.folders.saveFolder);  // the folder itself
    EXPECT_EQ(fake_.messages.texts(), "Save Data not found");        // slot 5 of the save folder
}

}  // namespace
}  // namespace foalix::testing
