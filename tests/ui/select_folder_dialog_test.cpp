// The folder selection dialog: where it opens, browsing by folder and drive, the
// unready-drive message, and the ways out.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/proper_case.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/wine_prefix.h"
#include "ui/folder_list.h"
#include "ui/select_folder_dialog.h"

namespace foalix::testing {
namespace {

using ui::FolderList;
using ui::SelectFolderDialog;

class SelectFolderDialogTest : public ::testing::Test {
  public:
    void SetUp() override {
        programFiles_ = prefix_.programFiles();
        QDir().mkpath(programFiles_ + "/Games/Old Saves");
        QDir().mkpath(programFiles_ + "/Vantrel");
        QDir().mkpath(other_.path() + "/slots");
        fake_.drives.drives = {{"/", "/"}, {"e:", other_.path()}};
        QDir::setCurrent(prefix_.path());
    }

    SelectFolderDialog& open() {
        dialog_ = std::make_unique<SelectFolderDialog>(rk5Path_, fake_.platform, nullptr);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    FolderList* folders() { return control<FolderList>(dialog_.get(), "dirListFolder"); }
    QComboBox* drives() { return control<QComboBox>(dialog_.get(), "drvListDrive"); }
    QString pathBox() { return control<QLineEdit>(dialog_.get(), "txtFullPath")->text(); }
    int entry(const QString& name) {
        for (int i = 0; i < folders()->count(); ++i) {
            if (folders()->item(i)->text() == name) {
                return i;
            }
        }
        ADD_FAILURE() << "no entry " << name.toStdString();
        return 0;
    }
    void clickEntry(const QString& name) {
        const QRect place = folders()->visualItemRect(folders()->item(entry(name)));
        QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, place.center());
    }
    void doubleClickEntry(const QString& name) {
        clickEntry(name);
        const QRect place = folders()->visualItemRect(folders()->item(entry(name)));
        QTest::mouseDClick(folders()->viewport(), Qt::LeftButton, {}, place.center());
    }

    TestWinePrefix prefix_;
    QTemporaryDir other_;
    QString programFiles_;
    QString rk5Path_ = "/unchanged";
    FakePlatform fake_;
    std::unique_ptr<SelectFolderDialog> dialog_;
};

TEST_F(SelectFolderDialogTest, OpensAtProgramFilesWithTheFolderListFocused) {
    rk5Path_ = other_.path();
    open();
    EXPECT_EQ(dialog_->windowTitle(), "Select Folder");
    EXPECT_EQ(dialog_->size(), QSize(212, 278));
    EXPECT_EQ(folders()->path(), programFiles_);
    EXPECT_EQ(pathBox(), programFiles_);  // case kept where names are case-sensitive
    EXPECT_EQ(QApplication::focusWidget(), folders());
    EXPECT_EQ(folders()->toolTip(), "選擇資料夾");
    EXPECT_EQ(drives()->toolTip(), "選擇磁碟機");
    EXPECT_EQ(drives()->currentText(), "/");
    // The ancestors down to the folder, then its subfolders.
    const QStringList tail{"drive_c", "Program Files", "Games", "Vantrel"};
    QStringList shown;
    for (int i = folders()->count() - 4; i < folders()->count(); ++i) {
        shown << folders()->item(i)->text();
    }
    EXPECT_EQ(shown, tail);
    EXPECT_EQ(folders()->item(0)->text(), "/");
}

TEST_F(SelectFolderDialogTest, MissingStartFolderOpensAtHome) {
    QDir(prefix_.path() + "/drive_c").removeRecursively();
    open();
    EXPECT_EQ(folders()->path(), QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(SelectFolderDialogTest, WaysOutAndWhatTheyWrite) {
    struct Case {
        const char* what;
        std::function<void(SelectFolderDialogTest&)> act;
        bool applies;
    };
    const std::vector<Case> cases{
        {"Apply",
         [](auto& t) {
             QTest::mouseClick(control<QPushButton>(t.dialog_.get(), "cmdApply"), Qt::LeftButton);
         },
         true},
        {"Enter", [](auto& t) { QTest::keyClick(t.folders(), Qt::Key_Return); }, true},
        {"Alt+A",
         [](auto& t) {
             // A mnemonic presses its button with a short animation.
             QTest::keyClick(t.dialog_.get(), Qt::Key_A, Qt::AltModifier);
             EXPECT_TRUE(QTest::qWaitFor([&t] { return !t.dialog_->isVisible(); }));
         },
         true},
        {"Cancel",
         [](auto& t) {
             QTest::mouseClick(control<QPushButton>(t.dialog_.get(), "cmdExit"), Qt::LeftButton);
         },
         false},
        {"Escape", [](auto& t) { QTest::keyClick(t.folders(), Qt::Key_Escape); }, false},
        {"title bar", [](auto& t) { t.dialog_->close(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rk5Path_ = "/unchanged";
        open();
        c.act(*this);
        EXPECT_FALSE(dialog_->isVisible()) << c.what;
        EXPECT_EQ(rk5Path_, c.applies ? programFiles_ : "/unchanged") << c.what;
    }
}

TEST_F(SelectFolderDialogTest, OpeningFoldersByMouseAndKeyboard) {
    open();
    clickEntry("Games");  // highlighting alone changes nothing
    EXPECT_EQ(pathBox(), programFiles_);
    doubleClickEntry("Games");
    EXPECT_EQ(pathBox(), programFiles_ + "/Games");
    folders()->setCurrentRow(entry("Old Saves"));
    QTest::keyClick(folders(), Qt::Key_Return);
    EXPECT_EQ(pathBox(), programFiles_ + "/Games/Old Saves");
    EXPECT_TRUE(dialog_->isVisible());
    doubleClickEntry("drive_c");  // an ancestor opens too
    EXPECT_EQ(pathBox(), prefix_.path() + "/drive_c");
    QTest::mouseClick(control<QPushButton>(dialog_.get(), "cmdApply"), Qt::LeftButton);
    EXPECT_EQ(rk5Path_, prefix_.path() + "/drive_c");
}

TEST_F(SelectFolderDialogTest, ProperCaseWhereNamesIgnoreCase) {
    fake_.files.ignoring = true;
    open();
    EXPECT_EQ(pathBox(), platform::properCase(programFiles_));
    QTest::mouseClick(control<QPushButton>(dialog_.get(), "cmdApply"), Qt::LeftButton);
    EXPECT_EQ(rk5Path_, platform::properCase(programFiles_));
}

TEST_F(SelectFolderDialogTest, ChoosingADriveMovesTheFolderList) {
    open();
    drives()->setCurrentIndex(1);
    EXPECT_EQ(folders()->path(), other_.path());
    EXPECT_EQ(pathBox(), other_.path());
    EXPECT_EQ(QDir::currentPath(), other_.path());  // the chosen drive became current
    EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(SelectFolderDialogTest, UnreadyDriveAsksUntilCancelledThenReturns) {
    fake_.drives.unready = {"e:"};
    fake_.messages.answers = {platform::Answer::Retry, platform::Answer::Cancel};
    open();
    drives()->setCurrentIndex(1);
    const QString message = "無法存取 E:\\。\r\n裝置尚未就緒。";
    EXPECT_EQ(fake_.messages.texts(), (QStringList{message, message}));
    EXPECT_EQ(fake_.messages.shown[0].buttons, platform::Buttons::RetryCancel);
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
    EXPECT_EQ(drives()->currentIndex(), 0);
    EXPECT_EQ(folders()->path(), QDir::toNativeSeparators(prefix_.path()));
    EXPECT_EQ(pathBox(), QDir::toNativeSeparators(prefix_.path()));
}

TEST_F(SelectFolderDialogTest, RetryAfterTheDriveBecomesReady) {
    fake_.drives.unready = {"e:"};
    fake_.messages.answers = {platform::Answer::Retry};
    fake_.messages.onShow = [this](const QString&) { fake_.drives.unready.clear(); };
    open();
    drives()->setCurrentIndex(1);
    EXPECT_EQ(fake_.messages.shown.size(), 1u);
    EXPECT_EQ(folders()->path(), other_.path());
    EXPECT_EQ(drives()->currentIndex(), 1);
}

TEST_F(SelectFolderDialogTest, AcceleratorsLeadToTheLists) {
    open();
    const std::vector<std::pair<Qt::Key, QWidget*>> keys{
        {Qt::Key_D, drives()}, {Qt::Key_N, folders()}, {Qt::Key_F, folders()}};
    for (const auto& [key, target] : keys) {
        control<QPushButton>(dialog_.get(), "cmdExit")->setFocus();
        QTest::keyClick(dialog_.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), target) << key;
    }
}

}  // namespace
}  // namespace foalix::testing
