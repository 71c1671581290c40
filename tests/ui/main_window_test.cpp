// The main window on generated slot files: apply, the age filter, the total, clicking
// foals, slots that do not load, the File menu, layout and tab order.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "savedata/slot_path.h"
#include "tests/test_support.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/foal_list.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

using slotgen::SlotImage;
using ui::FoalList;

const std::string kLongName = [] {
    std::string name;
    for (int i = 0; i < 15; ++i) {
        name += "ウマ";
    }
    return name;
}();

std::array<savedata::Byte, 8> aged(savedata::Byte age, savedata::Byte grade = 0x50) {
    auto bytes = kExampleOne;
    bytes[0] = grade;
    bytes[3] = age;
    return bytes;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saveDir_ = fake_.makeSaveFolder();
        SlotImage one;
        one.foal(1, 11, "ミドリ", 1, 0x00, aged(0x08))
            .foal(2, 12, "アオ", 2, 0x08, aged(0x10, 0x2C))
            .foal(5, 13, "オナジ", 3, 0x00, aged(0x11, 0x46))
            .foal(9, 14, "オナジ", 4, 0x08, aged(0x12, 0x3C))
            .foal(12, 15, "トシウエ", 5, 0x00, aged(0x18));
        writeSlot(1, one);
        SlotImage two;
        two.foal(3, 21, "カゼ", 1, 0x00, aged(0x09)).foal(4, 22, kLongName, 2, 0, aged(0x10));
        writeSlot(2, two);
        writeSlot(4, SlotImage().resize(535343));
        window_ = std::make_unique<ui::MainWindow>(fake_.platform);
        window_->Form_Load();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void writeSlot(int slot, const SlotImage& image) {
        image.writeTo(savedata::composeSlotFile(saveDir_.toStdString(), slot));
    }
    template <typename T>
    T* get(const QString& name) {
        return control<T>(window_.get(), name);
    }
    QString box(const char* name) { return get<QLineEdit>(name)->text(); }
    FoalList* list() { return get<FoalList>("lstHorse"); }
    QString listed() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            names << list()->item(i)->text();
        }
        return names.join(' ') + " / " + box("txtTotal");
    }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    void clickFoal(int index) {
        const QRect place = list()->visualItemRect(list()->item(index));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    }
    // The name box and the fourteen value boxes in the order the loader fills them.
    QString shown() {
        QStringList texts;
        for (const char* name : {"txtHorseName", "txtGrade", "txtSP", "txtST", "txtAge",
                                 "txtStrong", "txtWhen", "txtWin", "txtBurst", "txtGrass", "txtMud",
                                 "txtSex", "txtMind", "txtTemper", "txtBrian"}) {
            texts << box(name);
        }
        return texts.join(' ').trimmed();
    }
    QAction* fileMenu(int index) {
        return window_->menuBar()->actions()[0]->menu()->actions()[index];
    }

    FakePlatform fake_;
    QString saveDir_;
    std::unique_ptr<ui::MainWindow> window_;
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
    QTest::keyClick(list(), Qt::Key_Down);  // the first arrow selects the first entry
    EXPECT_EQ(box("txtHorseName"), "アオ");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(shown(), "オナジ A A A 2 D 遲 C A A A 牡 D 荒 A");
    clickFoal(2);  // the other オナジ, of record 9
    EXPECT_EQ(shown(), "オナジ B A A 2 C 遲 C A A A 牝 D 荒 A");
    clickFoal(4);
    EXPECT_EQ(shown(), "ミドリ S A A 1 D 遲 C A A A 牡 D 荒 A");
    EXPECT_TRUE(fake_.messages.shown.empty());
}

// Each step: what is clicked before the next apply, then the list and total, and the
// message shown. A slot that does not load clears everything.
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

TEST_F(MainWindowTest, FailuresAreReportedAndTheWindowGoesOn) {
    ASSERT_TRUE(QDir(saveDir_).removeRecursively());
    click("cmdApply");
    EXPECT_EQ(fake_.messages.texts(), "Run-time error '76':\n\nPath not found");
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, SelectFolderStoresTheFolderHoweverTheDialogCloses) {
    ASSERT_EQ(fileMenu(0)->text(), "&Select Folder");
    for (const char* button : {"cmdExit", "cmdApply"}) {
        whenModal([button](QWidget* dialog) {
            QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
        });
        fileMenu(0)->trigger();
        const QString expected = QString(button) == "cmdExit" ? saveDir_ : fake_.programFiles();
        EXPECT_EQ(window_->RK5Path, expected);
        EXPECT_EQ(fake_.settings.stored(), expected);
    }
    ASSERT_EQ(fileMenu(2)->text(), "E&xit");
    fileMenu(2)->trigger();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, TabOrder) {
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());  // no resizing
    // Tab stops at the ticked slot button only, at that button's own place.
    const auto tabChain = [this] {
        QStringList names;
        QWidget* widget = get<QWidget>("cmdApply");
        do {
            names << widget->objectName();
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus));
        } while (widget != get<QWidget>("cmdApply"));
        return names.join(' ');
    };
    click("optSaveName2");
    EXPECT_EQ(tabChain(),
              "cmdApply lstHorse chkOne chkTwo txtTotal txtHorseName txtAge txtGrade txtSP txtST "
              "txtStrong txtWin txtWhen txtGrass txtMud txtBurst optSaveName2 txtSex txtTemper "
              "txtMind txtBrian");
}

}  // namespace
}  // namespace foalix::testing
