// The main window and its roster table on generated slot files: start-up and the save
// folder it settles on, apply, the age filter, the total, clicking foals, slots that do
// not load, layout and tab order; the table's sorting, filter, selection, copy and
// export; following the save file (and retrying a read that fails); drops on the window;
// the history two windows share.
#include <gtest/gtest.h>

#include <QtTest>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "history/history.h"
#include "history/sqlite.h"
#include "savedata/install_folders.h"
#include "savedata/slot_path.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "session/slot_watcher.h"
#include "tests/dump_runner.h"
#include "tests/platform_fakes.h"
#include "tests/test_support.h"
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/ui_test_support.h"
#include "ui/change_marks.h"
#include "ui/compare_window.h"
#include "ui/comparison_view.h"
#include "ui/dropped_save_folder.h"
#include "ui/foal_list.h"
#include "ui/fonts.h"
#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"
#include "ui/table_copy.h"
#include "ui/twips.h"

namespace foalix::testing {
namespace {

using slotgen::SlotImage;
using ui::FoalList;

// Ready at start, Apply lists the foals by name, the keyboard's way through the window,
// and About.
TEST_F(MainWindowTest, StartsReadyAndApplyListsTheFoalsByName) {
    EXPECT_EQ(QApplication::focusWidget(), get<QPushButton>("cmdApply"));
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
    // The names in the names' font, the captions in theirs.
    for (const char* name : {"lstHorse", "txtHorseName"}) {
        EXPECT_EQ(get<QWidget>(name)->font().families(), ui::nameFont().families()) << name;
    }
    EXPECT_EQ(get<QWidget>("txtGrade")->font().families(), ui::captionFont().families());
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());  // no resizing
    // The name box and value boxes at their places in twips.
    const std::vector<std::pair<QString, QRect>> places{
        {"txtHorseName", ui::twipsRect(3720, 960, 3015, 360)},
        {"txtAge", ui::twipsRect(4320, 1440, 735, 270)},
        {"txtStrong", ui::twipsRect(4320, 3840, 735, 270)},
        {"txtBrian", ui::twipsRect(6000, 4320, 735, 270)}};
    for (const auto& [name, place] : places) {
        const QWidget* placed = get<QWidget>(name);
        EXPECT_EQ(QRect(placed->mapTo(window_->centralWidget(), QPoint()), placed->size()), place);
    }
    // Tab stops at the ticked slot button only, at that button's own place.
    click("optSaveName2");
    get<QWidget>("cmdApply")->setFocus();
    EXPECT_EQ(joined(0, 23,
                     [](int) {
                         QWidget* focus = QApplication::focusWidget();
                         QTest::keyClick(focus, Qt::Key_Tab);
                         return focus->objectName();
                     }),
              "cmdApply lstHorse chkOne chkTwo txtTotal txtHorseName txtAge txtGrade txtSP txtST "
              "txtStrong txtWin txtWhen txtGrass txtMud txtBurst optSaveName2 txtSex txtTemper "
              "txtMind txtBrian txtScore cmdApply");
    // Help → About Foalix names the version, the licence, the Qt in use and where the
    // settings and history are kept.
    QString text;
    whenModal([&text](QWidget* box) {
        text = static_cast<QMessageBox*>(box)->text();
        static_cast<QDialog*>(box)->done(0);
    });
    window_->menuBar()->actions().last()->menu()->actions().last()->trigger();
    for (const QString& part : {QString("Foalix " FOALIX_VERSION), QString("GPL-3.0-or-later"),
                                QString("Qt ") + qVersion(), QString("history.sqlite3"),
                                fake_.settings.store.location().toHtmlEscaped()}) {
        EXPECT_TRUE(text.contains(part)) << text.toStdString();
    }
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
    window_->session().setSaveFolder(saveDir_ + "/gone");
    fake_.messages.shown.clear();
    click("cmdApply");
    EXPECT_EQ(fake_.messages.texts(), "Run-time error '76':\n\nPath not found");
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
}

// Export CSV… writes foalix-dump's CSV of the rows shown after a byte-order mark. Its
// dialog opens in the user's documents, then in the folder of the last export: never in
// the save folder, which Apply made the current directory.
TEST_F(MainWindowTest, TableFiltersAndExports) {
    openTable();
    EXPECT_EQ(records(), "2 5 9 12 1");  // the list's order
    TempDir dir;
    const QString folder = QString::fromStdString(dir.str());
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", folder.toUtf8());  // Documents under it
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    QStringList opened;
    for (const char* name : {"roster.csv", "second.csv"}) {
        whenModal([&](QWidget* modal) {
            auto* files = static_cast<QFileDialog*>(modal);
            opened << files->directory().absolutePath();
            // Typed, as a player does: selectFile leaves a focused name box as it was.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(folder + "/" + name);
            QMetaObject::invokeMethod(files, "accept");
        });
        control<QPushButton>(table_, "cmdExport")->click();
        std::ifstream in(dir.path() / name, std::ios::binary);
        // foalix-dump's CSV scored by the profile the window scores by.
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
                  "\xEF\xBB\xBF" +
                      dump({"--format", "csv", "--profile", "Balanced", "--file", slot(1)}).out)
            << name;
    }
    qputenv("HOME", home);
    EXPECT_EQ(opened, QStringList({QDir(documents).absolutePath(), QDir(folder).absolutePath()}));
    EXPECT_FALSE(table_->exportCsv(folder + "/no/such/folder.csv"));
    control<QLineEdit>(table_, "txtFilter")->setText("オ");
    EXPECT_EQ(records(), "2 5 9");
    EXPECT_EQ(control<QLabel>(table_, "lblCount")->text(), "3 / 5頭");
    // Apply keeps the filter; the count follows the new load.
    fiveFoals("Ｍｉｄｏｒｉ").writeTo(slot(1));  // a Latin name, found in either case
    click("chkTwo");
    click("cmdApply");
    EXPECT_EQ(records() + " " + control<QLabel>(table_, "lblCount")->text(), " 0 / 1頭");
    control<QLineEdit>(table_, "txtFilter")->setText("ｍＩＤ");
    EXPECT_EQ(records() + " " + control<QLabel>(table_, "lblCount")->text(), "1 1 / 1頭");
}

// The longest names: read from their start and shown whole in the list's tooltip; the
// table's columns fitted to them at the first load, in a table opened before it (wider
// than a column left as it was), within the screen.
TEST_F(MainWindowTest, LongestNamesShowWholeAndTheTableFitsThemWithinTheScreen) {
    table_ = window_->showRosterTable();
    click("cmdApply");  // short names first: the columns fitted to them grow for longer ones
    click("optSaveName1");
    click("cmdApply");
    clickFoal(0);
    EXPECT_EQ(box("txtHorseName"), QString::fromStdString(kLongName));
    EXPECT_EQ(get<QLineEdit>("txtHorseName")->cursorPosition(), 0);
    // The whole name when the list cuts it, and the score.
    EXPECT_EQ(list()->toolTipFor(0), QString::fromStdString(kLongName) + "\n評分 30");
    EXPECT_EQ(list()->toolTipFor(1), "評分 73");
    QHeaderView* header = view()->horizontalHeader();
    EXPECT_GT(header->sectionSize(1), header->defaultSectionSize());
    EXPECT_GT(header->sectionSize(1), header->sectionSize(2));
    EXPECT_LE(table_->frameGeometry().width(), table_->screen()->availableGeometry().width());
    EXPECT_LE(header->length(), view()->viewport()->width());
}

// Each step acts on the table, then the selected records in the order shown and the foal
// the main window shows (the current row's); selections grow both ways and are kept.
TEST_F(MainWindowTest, TableKeepsEverySelectionAndCopiesIt) {
    openTable();
    QApplication::setActiveWindow(table_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(table_));
    view()->setFocus();
    const auto clickRow = [this](int row, Qt::KeyboardModifiers modifiers) {
        const QRect cell = view()->visualRect(view()->model()->index(row, 1));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers, cell.center());
    };
    const auto key = [this](int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(view(), static_cast<Qt::Key>(key), modifiers);
    };
    constexpr int kClick = -1;
    // List order: records 2 5 9 12 1.
    const std::vector<std::tuple<int, int, Qt::KeyboardModifiers, QString, int>> steps{
        {kClick, 3, Qt::NoModifier, "12", 12},
        {Qt::Key_Up, 0, Qt::ShiftModifier, "9 12", 9},
        {Qt::Key_Up, 0, Qt::ShiftModifier, "5 9 12", 5},
        {kClick, 0, Qt::ControlModifier, "2 5 9 12", 2},
        {kClick, 4, Qt::NoModifier, "1", 1},
        {kClick, 1, Qt::ShiftModifier, "5 9 12 1", 5},
        {kClick, 2, Qt::ControlModifier, "5 12 1", 9},
        {Qt::Key_Down, 0, Qt::ShiftModifier, "5 9 12 1", 12},
        {Qt::Key_A, 0, Qt::ControlModifier, "2 5 9 12 1", 12},
    };
    for (const auto& [action, row, modifiers, selected, current] : steps) {
        action == kClick ? clickRow(row, modifiers) : key(action, modifiers);
        const std::vector<int> records = table_->selectedRecords();
        EXPECT_EQ(joined(0, static_cast<int>(records.size()),
                         [&](int i) { return QString::number(records[i]); }),
                  selected)
            << action << " " << row;
        EXPECT_EQ(list()->selectedRow(), current) << selected.toStdString();
    }
    // The first column of every line copied, then one whole line.
    const auto copied = [] {
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        return joined(0, lines.size(), [&](int i) { return lines[i].section('\t', 0, 0); });
    };
    view()->sortByColumn(0, Qt::DescendingOrder);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copied(), "No. 12 9 5 2 1 ");
    EXPECT_TRUE(QApplication::clipboard()->text().contains(
        "9\tオナジ\t2\tB\tA\tA\tC\tC\tD\t牝\t晚\tA\tA\tA\t荒\tA\t\t68\t\n"));
    // Choosing in the main list selects that one row; the context menu copies it.
    list()->selectRecord(5);
    EXPECT_EQ(table_->currentRecord(), 5);
    const QList<QAction*> menu = view()->actions();
    EXPECT_EQ(joined(
                  0, menu.size(), [&](int i) { return menu[i]->text(); }, '|'),
              "&Copy|Select &All|Co&mpare|&Star|Write &Note|Foal &History…");
    menu[0]->trigger();
    EXPECT_EQ(copied(), "No. 5 ");
    key(Qt::Key_A, Qt::ControlModifier);
    // A reload keeps the rows still listed selected; a name a spreadsheet would run as a
    // formula is copied as text.
    fiveFoals(std::string("=\0A\0", 4)).writeTo(slot(1));
    window_->session().reload();
    EXPECT_EQ(table_->selectedRecords().size(), 5u);
    EXPECT_EQ(table_->currentRecord(), 5);
    menu[0]->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\n1\t'=A\t1\tS"))
        << QApplication::clipboard()->text().toStdString();
    // A filter that hides the current row chooses no other foal.
    control<QLineEdit>(table_, "txtFilter")->setText("トシ");
    EXPECT_EQ(list()->selectedRow(), 5);
}

// Header clicks sort grades best first, then reversed, other columns ascending first.
// The place, size, column widths and order and the sort are kept; what an earlier
// version kept, or anything unreadable, is passed over without a word.
TEST_F(MainWindowTest, TableSortsAndKeepsItsLayout) {
    openTable();
    QHeaderView* header = view()->horizontalHeader();
    const std::vector<std::pair<int, QString>> clicks{
        {3, "1 12 5 9 2"},   // 素質: S S A B D
        {3, "2 9 5 1 12"},   // and back
        {10, "2 5 12 1 9"},  // 成長: 早 普 普 遲 晚
        {2, "1 2 5 9 12"},   // 年齡: 1 2 2 2 -
        {4, "1 2 5 9 12"},   // ＳＰ: all A, record order
    };
    for (const auto& [column, expected] : clicks) {
        const QPoint place(header->sectionViewportPosition(column) + 4, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, place);
        EXPECT_EQ(records(), expected) << column;
    }
    header->moveSection(1, 5);
    view()->setColumnWidth(2, 77);
    view()->sortByColumn(10, Qt::DescendingOrder);
    table_->setGeometry(40, 50, 640, 300);
    table_->close();
    const auto reopened = [this] {
        auto window = std::make_unique<ui::MainWindow>(fake_.platform);
        auto* view = control<QTableView>(window->showRosterTable(), "tblRoster");
        const QHeaderView* header = view->horizontalHeader();
        return std::tuple(header->visualIndex(1), view->columnWidth(2),
                          header->sortIndicatorSection(), header->sortIndicatorOrder(),
                          view->window()->geometry());
    };
    EXPECT_EQ(reopened(), std::tuple(5, 77, 10, Qt::DescendingOrder, table_->geometry()));
    const std::vector<std::pair<QString, QString>> unreadable{
        {"700,300", "123,60,60"}, {"AAAA", "AAAAAAAA"}, {"", "*"}};
    for (const auto& [geometry, layout] : unreadable) {
        fake_.settings.store.save("RosterTable", "Geometry", geometry);
        fake_.settings.store.save("RosterTable", "Header", layout);
        const auto [moved, width, sorted, order, place] = reopened();
        EXPECT_EQ(moved, 1) << geometry.toStdString();
        EXPECT_EQ(sorted, -1);
        EXPECT_EQ(place.size(), QSize(760, 420));
    }
    EXPECT_EQ(fake_.messages.texts(), "");
}

// The game rewriting the slot: in place, by a new file renamed over it, and caught
// mid-write, short; then in the VirtualStore of a save folder below Program Files. The
// window reloads once the writes settle, keeps the selected foal with its new values, and
// never shows a message.
TEST_F(MainWindowTest, FollowsTheSaveFile) {
    openTable();
    list()->selectRecord(2);  // アオ, whose name stays: the reads differ in record 1's name
    // Record 1's name after the writes have settled (a write is whole before events run).
    QSignalSpy settled(window_->session().watcher(), &session::SlotWatcher::settled);
    const auto firstName = [this] {
        return QString::fromStdString(window_->session().roster()->table.row(1).name);
    };
    const auto settledName = [&] {
        EXPECT_TRUE(settled.wait(20000));
        return firstName();
    };
    fiveFoals("ミドリ２").writeTo(slot(1));
    EXPECT_EQ(settledName(), "ミドリ２");
    SlotImage().resize(1000).writeTo(slot(1));
    EXPECT_EQ(settledName(), "ミドリ２");
    const std::string fresh = slot(1) + ".new";
    fiveFoals("ミドリ３")  // and record 2's grade S
        .put(1876 + 2 * 10, std::array<savedata::Byte, 1>{0x50})
        .writeTo(fresh);
    std::filesystem::rename(fresh, slot(1));
    EXPECT_EQ(settledName(), "ミドリ３");
    EXPECT_EQ(box("txtHorseName") + box("txtGrade"), "アオS");
    EXPECT_EQ(table_->currentRecord(), 2);
    fiveFoals("ミドリ４").writeTo(slot(1));  // in place again: the new file is followed too
    EXPECT_EQ(settledName(), "ミドリ４");
    // The game's VirtualStore copy, made (folders and all) after Apply: followed from then
    // on, not the stale original. Re-ticking Follow Save File reads at once what changed
    // while it was off.
    const std::string copy =
        savedata::gameFileCandidates(slot(1), fake_.platform.folders.install).front();
    ASSERT_NE(copy, slot(1));
    const auto nameBecomes = [&](const QString& name) {
        return QTest::qWaitFor([&] { return firstName() == name; }, 5000);
    };
    std::filesystem::create_directories(std::filesystem::path(copy).parent_path());
    fiveFoals("コピー").writeTo(copy);
    EXPECT_TRUE(nameBecomes("コピー"));
    fiveFoals("モト").writeTo(slot(1));  // the stale original: the read after both is the copy
    fiveFoals("コピー２").writeTo(copy);
    EXPECT_TRUE(nameBecomes("コピー２"));
    QAction* follow = action(window_.get(), "&Follow Save File");
    follow->setChecked(false);
    fiveFoals("コピー３").writeTo(copy);
    EXPECT_FALSE(settled.wait(session::SlotWatcher::kSettleMs * 3));  // nothing is read
    EXPECT_EQ(firstName(), "コピー２");
    follow->setChecked(true);
    EXPECT_EQ(firstName(), "コピー３");
    EXPECT_EQ(box("txtHorseName"), "アオ");
    // A foal that left is chosen no more; nor is one whose record's name changed: that
    // record holds another foal.
    SlotImage().foal(1, 11, "コピー４", 1, 0x00, kExampleOne).writeTo(copy);
    EXPECT_EQ(settledName(), "コピー４");
    EXPECT_EQ(box("txtHorseName"), "");
    list()->selectRecord(1);
    fiveFoals("ベツ").writeTo(copy);
    EXPECT_EQ(settledName(), "ベツ");
    EXPECT_EQ(box("txtHorseName"), "");
    EXPECT_EQ(fake_.messages.texts(), "");
    // Turned off, following stays off at the next start.
    action(window_.get(), "&Follow Save File")->setChecked(false);
    start();
    EXPECT_FALSE(action(window_.get(), "&Follow Save File")->isChecked());
}

// The save folder chosen by a drop, and by File → Select Folder; either is kept.
TEST_F(MainWindowTest, DropsAndSelectFolderChooseTheSaveFolder) {
    openTable();
    const QString other = fake_.root.path() + "/Other";
    QDir().mkpath(other);
    fiveFoals("ホカ").writeTo(savedata::composeSlotFile(other.toStdString(), 5));
    const auto drop = [this](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        event.ignore();
        // As the drop reaches the window, through the filter that takes its drops.
        static_cast<QObject*>(window_->findChild<ui::SaveFolderDrops*>())
            ->eventFilter(window_.get(), &event);
        return event.isAccepted();
    };
    // A folder dragged over the window is only offered: the drop takes it.
    QMimeData offered;
    offered.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent over(QPoint(10, 10), Qt::CopyAction, &offered, Qt::LeftButton, {});
    static_cast<QObject*>(window_->findChild<ui::SaveFolderDrops*>())
        ->eventFilter(window_.get(), &over);
    EXPECT_TRUE(over.isAccepted());
    EXPECT_NE(window_->session().saveFolder(), QDir::toNativeSeparators(other));
    QFile(other + "/Svdata5a.rk5.bak").open(QIODevice::WriteOnly);
    EXPECT_FALSE(drop(other + "/Svdata5a.rk5.bak"));
    EXPECT_TRUE(drop(other + "/Svdata5a.rk5"));
    EXPECT_EQ(window_->session().saveFolder(), QDir::toNativeSeparators(other));
    EXPECT_EQ(fake_.settings.stored(), window_->session().saveFolder());
    EXPECT_EQ(table_->windowTitle(), "Roster Table — Slot 5");
    EXPECT_TRUE(drop(fake_.platform.folders.saveFolder));
    EXPECT_EQ(window_->session().saveFolder(),
              fake_.platform.folders.saveFolder);              // the folder itself
    EXPECT_EQ(fake_.messages.texts(), "Save Data not found");  // slot 5 of the save folder
    whenModal([&](QWidget* dialog) {
        control<QLineEdit>(dialog, "txtFullPath")->setText(other + "/Chosen");
        control<QPushButton>(dialog, "cmdApply")->click();
    });
    action(window_.get(), "&Select Folder")->trigger();
    EXPECT_EQ(fake_.settings.stored(), other + "/Chosen");
    // A slot file named in capitals: a slot where file names ignore case, else refused.
    QFile::copy(other + "/Svdata5a.rk5", other + "/SVDATA2A.RK5");
    EXPECT_FALSE(drop(other + "/SVDATA2A.RK5"));
    fake_.files.ignoring = true;
    EXPECT_TRUE(drop(other + "/SVDATA2A.RK5"));
    EXPECT_TRUE(get<QRadioButton>("optSaveName1")->isChecked());  // slot 2
}

// View → Name Encoding: a Big5 roster is detected, a choice is kept and reloads the slot
// shown, and a later window starts with the kept choice; an unknown one is Automatic.
TEST_F(MainWindowTest, NameEncodingChoiceReloadsAndIsKept) {
    SlotImage big5;
    big5.names(savedata::NameEncoding::Big5).foal(1, 1, "中馬", 1, 0x00, kExampleOne);
    big5.writeTo(slot(5));
    click("optSaveName4");
    click("cmdApply");
    EXPECT_EQ(listed(), "中馬 / 1頭");
    const std::vector<std::tuple<QString, QString, QString>> choices{
        {"mnuEncodingShiftJis", "shift-jis", "､ｰ / 1頭"},
        {"mnuEncodingBig5", "big5", "中馬 / 1頭"},
        {"mnuEncodingAutomatic", "auto", "中馬 / 1頭"},
    };
    for (const auto& [action, key, expected] : choices) {
        window_->findChild<QAction*>(action)->trigger();
        EXPECT_EQ(fake_.settings.store.get("Setting", "NameEncoding", ""), key);
        EXPECT_EQ(listed(), expected) << action.toStdString();
        ui::MainWindow later(fake_.platform);
        EXPECT_TRUE(later.findChild<QAction*>(action)->isChecked());
    }
#ifndef _WIN32
    // A store that cannot be written is reported; the choice holds for this run all the same.
    fake_.settings.makeUnwritable();
    window_->findChild<QAction*>("mnuEncodingShiftJis")->trigger();
    EXPECT_EQ(listed(), "､ｰ / 1頭");
    EXPECT_TRUE(window_->findChild<QAction*>("mnuEncodingShiftJis")->isChecked());
    EXPECT_EQ(fake_.messages.texts(), "Run-time error '75':\n\nPath/File access error");
#endif
}

// Light and dark: every tinted cell (the comparison's too, opened in the other look) and
// every value box reads at 4.5:1 or better (WCAG's
// contrast ratio), the captions keep their font, and the choice is kept for the next start.
TEST_F(MainWindowTest, BothPalettesKeepTextReadable) {
    openTable();
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
               0.0722 * linear(c.blueF()) + 0.05;
    };
    const QFont caption = window_->findChild<QLabel*>()->font();
    const ui::CompareWindow* compared = window_->compare({2, 5, 9});
    for (const bool on : {false, true, false}) {
        control<QAction>(window_.get(), "mnuDarkTheme")->setChecked(on);
        EXPECT_EQ(QApplication::palette().color(QPalette::Base).lightness() < 128, on);
        QTRY_COMPARE(view()->palette().color(QPalette::Text),
                     QApplication::palette().color(QPalette::Text));
        const QPalette box = get<QLineEdit>("txtSP")->palette();
        std::vector<std::pair<QColor, QColor>> shown{
            {box.color(QPalette::Base), box.color(QPalette::Text)}};
        // The table's grade tints and the comparison's tint of the best values.
        for (const QTableView* table : {view(), compared->table()}) {
            const QAbstractItemModel* model = table->model();
            for (int cell = 0; cell < model->rowCount() * model->columnCount(); ++cell) {
                const QVariant tint =
                    model->index(cell / model->columnCount(), cell % model->columnCount())
                        .data(Qt::BackgroundRole);
                if (tint.isValid()) {
                    shown.emplace_back(tint.value<QColor>(),
                                       table->palette().color(QPalette::Text));
                }
            }
        }
        for (const auto& [back, text] : shown) {
            const auto [dim, bright] = std::minmax({luminance(back), luminance(text)});
            EXPECT_GE(bright / dim, 4.5) << back.name().toStdString() << " " << on;
        }
        EXPECT_EQ(window_->findChild<QLabel*>()->font(), caption);
        // In the dark look a slot button that is not chosen shows its circle (3:1 against the
        // window), as the platform's light look does in its own way.
        auto* button = get<QRadioButton>("optSaveName1");
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect circle =
            button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        const QImage drawn = button->grab().toImage();
        double outline = 0;
        for (int at = 0; at < circle.width() * circle.height(); ++at) {
            const QColor pixel = drawn.pixelColor(circle.topLeft() +
                                                  QPoint(at % circle.width(), at / circle.width()));
            const auto [dim, bright] = std::minmax(
                {luminance(pixel), luminance(button->palette().color(QPalette::Window))});
            outline = std::max(outline, bright / dim);
        }
        EXPECT_GE(outline, on ? 3.0 : 1.0);
        // ◆ (a value that only differs) in the text colour of the palette in use.
        savedata::RosterDiff diff;
        diff.changed = {{1, "", &savedata::kHorseFields[3], "1", "2", savedata::Trend::Neither},
                        {2, "", &savedata::kHorseFields[0], "B", "A", savedata::Trend::Better},
                        {2, "", &savedata::kHorseFields[1], "A", "B", savedata::Trend::Worse}};
        const session::ReadChanges changes(diff, {});
        const QImage mark =
            ui::markIcon(changes.valueMark(1, savedata::kHorseFields[3])).pixmap(16).toImage();
        // A foal that got better in one value and worse in another is marked ◆ too.
        EXPECT_EQ(ui::markIcon(changes.foalMark(2)).pixmap(16).toImage(), mark);
        bool inTextColour = false;
        for (int at = 0; at < mark.width() * mark.height(); ++at) {
            inTextColour |= mark.pixelColor(at % mark.width(), at / mark.width()) ==
                            QApplication::palette().color(QPalette::Text);
        }
        EXPECT_TRUE(inTextColour) << on;
        EXPECT_EQ(ui::MainWindow(fake_.platform).findChild<QAction*>("mnuDarkTheme")->isChecked(),
                  on);
    }
}

// Three foals; later record 1 loses grade (S to D), record 2 leaves, records 7 and 8
// arrive.
SlotImage roster(bool later) {
    SlotImage image;
    auto first = kExampleOne;
    first[0] = later ? 0x10 : 0x50;
    image.foal(1, 11, "ミドリ", 1, 0x00, first).foal(5, 15, "アオ", 5, 0x08, kExampleTwo);
    if (later) {
        image.foal(7, 17, "アカ", 7, 0x00, kExampleTwo).foal(8, 18, "クロ", 8, 0x08, kExampleTwo);
    } else {
        image.foal(2, 12, "キイロ", 2, 0x08, kExampleTwo);
    }
    return image;
}

// Two windows keeping their reads in one history, the first finding it damaged: set aside
// and said in its status bar, with no message box, and a fresh one started.
TEST_F(MainWindowTest, TwoWindowsShareTheHistoryAndShowWhatChanged) {
    TempDir dir;
    const QString history = QString::fromStdString(dir.str());
    std::ofstream(dir.path() / history::kHistoryFileName) << std::string(4096, 'x');
    const std::string earlier = dir.writeSlot(3, roster(false));
    roster(false).writeTo(slot(1));
    std::array<std::unique_ptr<ui::MainWindow>, 2> windows;
    for (auto& window : windows) {
        window = std::make_unique<ui::MainWindow>(fake_.platform, history);
        window->Form_Load();
        window->show();
        control<QPushButton>(window.get(), "cmdApply")->click();
    }
    const auto& [first, second] = windows;
    EXPECT_TRUE(first->statusBar()->currentMessage().startsWith(
        "History was damaged: set aside as history.sqlite3.damaged-"));
    EXPECT_TRUE(fake_.messages.shown.empty());
    roster(true).writeTo(slot(1));
    second->session().reload();

    // The second window's read is compared with the first window's.
    ui::RosterTableWindow* table = second->showRosterTable();
    EXPECT_TRUE(control<QLabel>(table, "lblChanges")
                    ->text()
                    .contains(QRegularExpression("^Since \\d\\d:\\d\\d: 2 new, "
                                                 "<a href=\"gone\">1 gone</a>, 1 values changed$")))
        << control<QLabel>(table, "lblChanges")->text().toStdString();
    const QAbstractItemModel* model = control<QTableView>(table, "tblRoster")->model();
    QStringList marks;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 1; column < model->columnCount(); ++column) {
            const QString tip = model->index(row, column).data(Qt::ToolTipRole).toString();
            if (!model->index(row, column).data(Qt::DecorationRole).isNull()) {
                marks << model->index(row, 0).data().toString() + " " + tip.section(' ', 0, 2);
            }
        }
    }
    EXPECT_EQ(marks.join(", "), "7 新: new since, 8 新: new since, 1 ▼ worse: was");
    const auto* list = control<ui::FoalList>(second.get(), "lstHorse");
    EXPECT_EQ(list->toolTipFor(3), "▼ 素質 S→D\n評分 63");  // アオ アカ クロ ミドリ
    EXPECT_FALSE(list->model()->index(3, 1).data(Qt::DecorationRole).isNull());
    // The chosen foal's box names what its value measures and how it changed.
    second->session().setCurrentRecord(1);
    EXPECT_TRUE(
        control<QLineEdit>(second.get(), "txtGrade")->toolTip().endsWith("\n▼ worse: was S"));
    ui::ComparisonView* gone = table->showGoneFoals();
    EXPECT_EQ(control<QTableView>(gone, "tblComparison")->model()->rowCount(), 1);
    gone->close();
    second->session().reload();  // read again unasked: a list the player closed stays closed
    EXPECT_FALSE(gone->isVisible());

    // The first window lists both reads; the two chosen compare as foalix-dump compare.
    ui::HistoryWindow* kept = first->showHistory();
    QTableWidget* reads = kept->readList();
    ASSERT_EQ(reads->rowCount(), 2);
    EXPECT_EQ(reads->item(0, 2)->text() + reads->item(1, 2)->text(), "4—");
    reads->selectAll();
    // The history keeps the SHA-1 of the very bytes read.
    history::Connection db((dir.path() / history::kHistoryFileName).string());
    history::Statement lastHash(db, "SELECT content_sha1 FROM reads ORDER BY id DESC LIMIT 1");
    lastHash.step();
    QFile saved(QString::fromStdString(slot(1)));
    saved.open(QIODevice::ReadOnly);
    EXPECT_EQ(
        lastHash.text(0),
        QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha1).toHex().toStdString());
    const QString exported = history + "/comparison.csv";
    ASSERT_TRUE(kept->comparison()->exportCsv(exported));
    EXPECT_EQ(kept->comparison()->table()->model()->headerData(3, Qt::Horizontal), "素質");
    QFile file(exported);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll().toStdString(),
              "\xEF\xBB\xBF" + dump({"compare", "--format", "csv", earlier, slot(1)}).out);

    // The game saves again while the window is open: the two reads chosen stay chosen.
    roster(false).writeTo(slot(1));
    first->session().reload();
    ASSERT_EQ(reads->rowCount(), 3);
    EXPECT_EQ(reads->selectionModel()->selectedRows().size(), 2);
    EXPECT_FALSE(reads->selectionModel()->isRowSelected(0));
    // Names read another way are no new read.
    first->findChild<QAction*>("mnuEncodingBig5")->trigger();
    first->findChild<QAction*>("mnuEncodingAutomatic")->trigger();
    EXPECT_EQ(reads->rowCount(), 3);

    // Clearing asks first: Cancel keeps the reads, Ok forgets them.
    fake_.messages.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    action(first.get(), "Clear &History…")->trigger();
    EXPECT_EQ(reads->rowCount(), 3);
    action(first.get(), "Clear &History…")->trigger();
    EXPECT_EQ(reads->rowCount(), 0);
    EXPECT_EQ(fake_.messages.shown.size(), 2u);
    EXPECT_EQ(fake_.messages.shown[0].buttons, platform::Buttons::OkCancel);
    // The window follows the slot applied next.
    control<QRadioButton>(first.get(), "optSaveName1")->click();
    control<QPushButton>(first.get(), "cmdApply")->click();
    EXPECT_EQ(kept->windowTitle(), "History — Slot 2");
}

// Each case: whether the default save folder exists; what the settings hold at start:
// nothing (""), a folder ("stored", "missing" or "file"), a file the store cannot read
// ("garbage") or a place where no file can be made ("unwritable"); the button pressed in
// the folder dialog ("" when it is not shown); then the folder the window works with, the
// one stored afterwards ("" for none) and the message shown.
struct StartCase {
    bool defaultExists;
    const char* held;
    const char* button;
    const char* path;
    const char* storedAfter;
    const char* message;
};

TEST(InitPath, SettlesTheSaveFolder) {
    const char* notFound = "Sava Data Path not found";
    const std::vector<StartCase> cases{
        {true, "", "", "default", "default", ""},                 // first start
        {true, "stored", "", "default", "default", ""},           // the default wins
        {false, "stored", "", "stored", "stored", ""},            // else the stored folder
        {false, "file", "", "file", "file", ""},                  // which may be a file
        {false, "", "cmdApply", "applied", "applied", notFound},  // nothing anywhere
        {false, "", "cmdExit", "default", "default", notFound},
        {false, "missing", "cmdExit", "missing", "missing", notFound},
#ifndef _WIN32
        {true, "garbage", "", "default", "default", ""},  // the unreadable file is replaced
        {true, "unwritable", "", "default", "", "Run-time error '75':\n\nPath/File access error"},
#endif
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(std::string(c.held) + " " + c.button + " " + c.path);
        FakePlatform fake;
        QTemporaryDir elsewhere;
        if (c.defaultExists) {
            fake.makeSaveFolder();
        }
        const std::map<QString, QString> paths{{"default", fake.platform.folders.saveFolder},
                                               {"stored", elsewhere.path()},
                                               {"missing", elsewhere.path() + "/gone"},
                                               {"file", elsewhere.path() + "/a-file"},
                                               {"applied", fake.programFiles()},
                                               {"", "<none>"}};
        QFile(paths.at("file")).open(QIODevice::WriteOnly);
        const QString held = c.held;
        if (held == "garbage" || held == "unwritable") {
#ifndef _WIN32
            held == "garbage" ? fake.settings.writeGarbage() : fake.settings.makeUnwritable();
#endif
        } else if (!held.isEmpty()) {
            fake.settings.store.save("Setting", "RK5Path", paths.at(held));
        }
        // The dialog appears in the middle of the screen, though the window is not shown.
        int dialogOffCentre = -1;
        if (*c.button != 0) {
            whenModal([&dialogOffCentre, button = c.button](QWidget* dialog) {
                dialogOffCentre = offCentre(dialog);
                QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
            });
        }
        ui::MainWindow window(fake.platform);
        window.Form_Load();

        EXPECT_EQ(window.session().saveFolder(), paths.at(c.path));
        EXPECT_EQ(fake.settings.stored(), paths.at(c.storedAfter));
        EXPECT_EQ(fake.messages.texts(), c.message);
        EXPECT_EQ(dialogOffCentre >= 0 && dialogOffCentre < 40, *c.button != 0);
        window.showCentred();  // and the window too
        EXPECT_LT(offCentre(&window), 40);
    }
}

// Each case: the reads that fail before one is good, the waits between retries, and the
// reads made in all.
struct RetryCase {
    int failures;
    std::vector<int> retryMs;
    std::size_t reads;
};

TEST(SlotWatcher, RetriesAFailedReadWithGrowingDelays) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Svdata1a.rk5";
    QFile(path).open(QIODevice::WriteOnly);
    const std::vector<RetryCase> cases{
        {3, session::SlotWatcher::kRetryMs, 4}, {0, {20}, 1}, {9, {20, 20}, 3},  // given up
    };
    for (const RetryCase& c : cases) {
        SCOPED_TRACE(c.failures);
        QElapsedTimer clock;
        std::vector<qint64> times;
        int failures = c.failures;
        session::SlotWatcher watcher(
            [&] {
                times.push_back(clock.elapsed());
                return failures-- <= 0;
            },
            c.retryMs);
        watcher.readNow();  // nothing followed yet: nothing read
        watcher.watch({path});
        clock.start();
        watcher.readNow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return times.size() >= c.reads; }, 5000));
        QTest::qWait(100);
        ASSERT_EQ(times.size(), c.reads);
        for (std::size_t i = 1; i < times.size(); ++i) {
            // A coarse timer may fire up to 5% early, and the clock counts whole
            // milliseconds, so two readings may be a millisecond short of the time between.
            EXPECT_GE(times[i] - times[i - 1], c.retryMs[i - 1] * 95 / 100 - 1) << i;
        }
    }
}

}  // namespace
}  // namespace foalix::testing
