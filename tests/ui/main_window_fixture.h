// The main window on generated slot files, as its tests start it: slot 1 holds five foals,
// slot 2 two (one of the longest name), slot 4 a damaged file; every change of the roster
// model and the list's view of it checked by QAbstractItemModelTester.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <memory>
#include <sstream>
#include <string>

#include "savedata/slot_path.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "tests/platform_fakes.h"
#include "tests/test_support.h"
#include "tests/ui/ui_test_support.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"
#include "ui/roster_table_window.h"

namespace foalix::testing {

using slotgen::SlotImage;
using ui::FoalList;

// As long as a name can be: 42 characters fill the name field, with no end mark.
const std::string kLongName =
    "ウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマウマ";

// Five foals, two of one name. Their grade (first ability byte), growth (sixth), age
// (fourth) and sex: record 1 S 遲 1 牡, 2 D 早 2 牝, 5 A 普 2 牡, 9 B 晚 2 牝, 12 S 普 - 牡.
inline SlotImage fiveFoals(const std::string& firstName = "ミドリ") {
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
        start();
    }

    // The window started (again, as after a restart), keeping its history in
    // `historyFolder` (none when empty).
    void start(const QString& historyFolder = {}) {
        window_.reset();
        window_ = std::make_unique<ui::MainWindow>(fake_.platform, historyFolder);
        // Every change of the one roster model, and of the list's view of it, checked.
        for (QAbstractItemModel* model :
             {static_cast<QAbstractItemModel*>(window_->session().model()), list()->model()}) {
            new QAbstractItemModelTester(
                model, QAbstractItemModelTester::FailureReportingMode::Fatal, window_.get());
        }
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
        return joined(0, list()->model()->rowCount(), [this](int i) { return list()->nameAt(i); }) +
               " / " + box("txtTotal");
    }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    void clickFoal(int index) {
        const QRect place = list()->visualRect(list()->model()->index(index, 1));
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

}  // namespace foalix::testing
