// The main window on generated slot files: apply, the age filter, the total, clicking
// foals, missing and damaged slots, slot switching and the File menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "savedata/slot_path.h"
#include "tests/test_support.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/wine_prefix.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

using slotgen::SlotImage;
using ui::FoalList;
using ui::MainWindow;

std::array<savedata::Byte, 8> aged(savedata::Byte age, savedata::Byte grade = 0x50) {
    auto bytes = kExampleOne;
    bytes[0] = grade;
    bytes[3] = age;
    return bytes;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saveDir_ = prefix_.makeSaveFolder();
        fake_.drives.drives = {{"/", "/"}};
        SlotImage one;
        one.foal(1, 11, "ミドリ", 1, 0x00, aged(0x08))
            .foal(2, 12, "アオ", 2, 0x08, aged(0x10, 0x2C))
            .foal(5, 13, "オナジ", 3, 0x00, aged(0x11, 0x46))
            .foal(9, 14, "オナジ", 4, 0x08, aged(0x12, 0x3C))
            .foal(12, 15, "トシウエ", 5, 0x00, aged(0x18));
        writeSlot(1, one);
        SlotImage two;
        two.foal(3, 21, "カゼ", 1, 0x00, aged(0x09));
        writeSlot(2, two);
        SlotImage damaged;
        damaged.resize(535343);
        writeSlot(4, damaged);
    }

    void writeSlot(int slot, const SlotImage& image) {
        image.writeTo(savedata::composeSlotFile(saveDir_.toStdString(), slot));
    }

    MainWindow& start() {
        window_ = std::make_unique<MainWindow>(fake_.platform);
        window_->Form_Load();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }

    template <typename T>
    T* get(const char* name) {
        return control<T>(window_.get(), name);
    }
    QString box(const char* name) { return get<QLineEdit>(name)->text(); }
    FoalList* list() { return get<FoalList>("lstHorse"); }
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            names << list()->item(i)->text();
        }
        return names;
    }
    void chooseSlot(int slot) {
        QTest::mouseClick(get<QRadioButton>(qPrintable(QString("optSaveName%1").arg(slot - 1))),
                          Qt::LeftButton);
    }
    void apply() { QTest::mouseClick(get<QPushButton>("cmdApply"), Qt::LeftButton); }
    void clickFoal(int index) {
        const QRect place = list()->visualItemRect(list()->item(index));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    }
    // The sixteen boxes in the order the click fills them, then the total.
    QString shown() {
        QStringList texts;
        for (const char* name : {"txtHorseName", "txtGrade", "txtSP", "txtST", "txtAge",
                                 "txtStrong", "txtWhen", "txtWin", "txtBurst", "txtGrass", "txtMud",
                                 "txtSex", "txtMind", "txtTemper", "txtBrian", "txtTotal"}) {
            texts << box(name);
        }
        return texts.join(' ');
    }
    // Every text box but the total is empty.
    bool boxesEmptyButTotal() {
        for (QLineEdit* edit : window_->findChildren<QLineEdit*>()) {
            if (edit->objectName() != "txtTotal" && !edit->text().isEmpty()) {
                return false;
            }
        }
        return true;
    }

    TestWinePrefix prefix_;
    QString saveDir_;
    FakePlatform fake_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartsReadyWithNothingLoaded) {
    start();
    EXPECT_EQ(get<QCheckBox>("chkOne")->checkState(), Qt::Checked);
    EXPECT_EQ(get<QCheckBox>("chkTwo")->checkState(), Qt::Checked);
    EXPECT_TRUE(get<QRadioButton>("optSaveName0")->isChecked());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(boxesEmptyButTotal());
    EXPECT_EQ(box("txtTotal"), "");
    EXPECT_EQ(QApplication::focusWidget(), get<QPushButton>("cmdApply"));
    EXPECT_EQ(window_->RK5Path, saveDir_);
    EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(MainWindowTest, ApplyListsSortedFoalsAndFocusesTheList) {
    start();
    apply();
    EXPECT_EQ(listed(), (QStringList{"アオ", "オナジ", "オナジ", "トシウエ", "ミドリ"}));
    EXPECT_EQ(box("txtTotal"), "5頭");
    EXPECT_EQ(QApplication::focusWidget(), list());
    // Taking the focus made an entry current; that is no click.
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_TRUE(boxesEmptyButTotal());
    EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(MainWindowTest, ClickShowsThatFoalEvenWhenNamesRepeat) {
    start();
    apply();
    // Name, Grade SP ST Age Strong When Win Burst Grass Mud Sex Mind Temper Brian, total.
    clickFoal(1);  // オナジ of record 5
    EXPECT_EQ(shown(), "オナジ A A A 2 D 遲 C A A A 牡 D 荒 A 5頭");
    clickFoal(2);  // オナジ of record 9
    EXPECT_EQ(shown(), "オナジ B A A 2 C 遲 C A A A 牝 D 荒 A 5頭");
    clickFoal(4);
    EXPECT_EQ(shown(), "ミドリ S A A 1 D 遲 C A A A 牡 D 荒 A 5頭");
}

TEST_F(MainWindowTest, KeyboardAppliesAndBrowsesFromTheFirstEntry) {
    start();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(box("txtTotal"), "5頭");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(box("txtHorseName"), "アオ");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(shown(), "オナジ A A A 2 D 遲 C A A A 牡 D 荒 A 5頭");
}

TEST_F(MainWindowTest, AgeBoxesTakeEffectAtTheNextApply) {
    start();
    apply();
    QTest::mouseClick(get<QCheckBox>("chkTwo"), Qt::LeftButton);
    EXPECT_EQ(list()->count(), 5);  // nothing changes before apply
    apply();
    EXPECT_EQ(listed(), QStringList{"ミドリ"});
    EXPECT_EQ(box("txtTotal"), "1頭");
    QTest::mouseClick(get<QCheckBox>("chkOne"), Qt::LeftButton);
    apply();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(box("txtTotal"), "0頭");
    EXPECT_EQ(QApplication::focusWidget(), list());
}

TEST_F(MainWindowTest, SlotsThatDoNotLoadAreReportedAndShowNothing) {
    struct Case {
        int slot;
        const char* message;
    };
    start();
    for (const Case& c : {Case{3, "Save Data not found"}, Case{4, "Save Data is damaged"}}) {
        chooseSlot(1);
        apply();
        clickFoal(0);
        ASSERT_EQ(box("txtHorseName"), "アオ");
        fake_.messages.shown.clear();
        chooseSlot(c.slot);
        apply();
        EXPECT_EQ(fake_.messages.texts(), QStringList{c.message});
        EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::None);
        EXPECT_EQ(fake_.messages.shown[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(list()->count(), 0);
        EXPECT_EQ(box("txtTotal"), "");
        EXPECT_TRUE(boxesEmptyButTotal());
        EXPECT_EQ(QApplication::focusWidget(), list());
    }
}

TEST_F(MainWindowTest, SwitchingSlotsShowsOnlyTheNewSlot) {
    start();
    apply();
    chooseSlot(2);
    EXPECT_EQ(list()->count(), 5);  // only apply loads
    apply();
    EXPECT_EQ(listed(), QStringList{"カゼ"});
    clickFoal(0);
    EXPECT_EQ(box("txtHorseName"), "カゼ");
    EXPECT_EQ(box("txtAge"), "1");
}

TEST_F(MainWindowTest, VanishedSaveFolderIsReportedAndTheWindowGoesOn) {
    start();
    ASSERT_TRUE(QDir(saveDir_).removeRecursively());
    apply();
    ASSERT_EQ(fake_.messages.shown.size(), 1u);
    EXPECT_EQ(fake_.messages.shown[0].text, "Run-time error '76':\n\nPath not found");
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, SelectFolderStoresTheFolderHoweverTheDialogCloses) {
    start();
    apply();
    QAction* selectFolder = window_->menuBar()->actions().at(0)->menu()->actions().at(0);
    ASSERT_EQ(selectFolder->text(), "&Select Folder");

    const int savesBefore = fake_.settings.saves;
    whenModal([](QWidget* dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, "cmdExit"), Qt::LeftButton);
    });
    selectFolder->trigger();
    EXPECT_EQ(window_->RK5Path, saveDir_);
    EXPECT_EQ(fake_.settings.saves, savesBefore + 1);
    EXPECT_EQ(fake_.settings.stored(), saveDir_);

    whenModal([](QWidget* dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    selectFolder->trigger();
    const QString programFiles = prefix_.programFiles();
    EXPECT_EQ(window_->RK5Path, programFiles);
    EXPECT_EQ(fake_.settings.stored(), programFiles);
    EXPECT_EQ(list()->count(), 5);  // the list waits for the next apply
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    start();
    QAction* exit = window_->menuBar()->actions().at(0)->menu()->actions().at(2);
    ASSERT_EQ(exit->text(), "E&xit");
    exit->trigger();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, LayoutCaptionsAndTabOrder) {
    start();
    EXPECT_EQ(window_->windowTitle(), "Foalix for RK5");
    EXPECT_EQ(window_->centralWidget()->size(), QSize(463, 324));
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());

    const std::vector<std::pair<const char*, QRect>> places{
        {"Frame1", {16, 3, 433, 49}},         {"cmdApply", {16, 19, 57, 17}},
        {"optSaveName0", {97, 19, 33, 17}},   {"optSaveName4", {283, 19, 33, 17}},
        {"chkOne", {24, 64, 49, 17}},         {"txtTotal", {184, 64, 49, 18}},
        {"txtHorseName", {248, 64, 201, 24}}, {"lstHorse", {16, 96, 217, 208}},
        {"txtAge", {288, 96, 49, 18}},        {"txtBrian", {400, 288, 49, 18}},
    };
    for (const auto& [name, place] : places) {
        EXPECT_EQ(get<QWidget>(name)->geometry(), place) << name;
    }

    QStringList captions;
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        captions << label->text();
    }
    captions.sort();
    QStringList expected{"年齡：", "性別：", "素質：", "成長：", "ＳＰ：",
                         "芝適：", "ＳＴ：", "沙適：", "根性：", "瞬發：",
                         "体力：", "氣性：", "精神：", "賢　：", "共有："};
    expected.sort();
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(get<QGroupBox>("Frame1")->title(), "Savedata");
    EXPECT_EQ(get<QPushButton>("cmdApply")->text(), "實行");
    EXPECT_EQ(get<QRadioButton>("optSaveName2")->text(), "３");
    EXPECT_EQ(get<QCheckBox>("chkTwo")->text(), "２歲");

    const QStringList tabOrder{
        "cmdApply",     "optSaveName0", "lstHorse",     "chkOne",       "chkTwo",
        "txtTotal",     "txtHorseName", "txtAge",       "txtGrade",     "txtSP",
        "txtST",        "txtStrong",    "txtWin",       "txtWhen",      "txtGrass",
        "txtMud",       "txtBurst",     "optSaveName1", "optSaveName2", "optSaveName3",
        "optSaveName4", "txtSex",       "txtTemper",    "txtMind",      "txtBrian"};
    QWidget* widget = get<QWidget>("cmdApply");
    for (const QString& name : tabOrder) {
        EXPECT_EQ(widget->objectName(), name);
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus)) {
            widget = widget->nextInFocusChain();
        }
    }
}

}  // namespace
}  // namespace foalix::testing
