// Folders and drives: the folder selection dialog (where it opens, browsing by folder and
// drive, the unready-drive message, the ways out), and the platform layer beneath it:
// proper case, the drive rules and real message boxes.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QtTest>

#include <filesystem>

#include "platform/drive_rules.h"
#include "platform/platform.h"
#include "platform/proper_case.h"
#include "tests/platform_fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/folder_icons.h"
#include "ui/folder_list.h"
#include "ui/select_folder_dialog.h"

namespace foalix::testing {
namespace {

class SelectFolderDialogTest : public ::testing::Test {
  public:
    void SetUp() override {
        QDir().mkpath(fake_.programFiles() + "/Games/Old Saves");
        QDir().mkpath(fake_.programFiles() + "/Vantrel");
        QDir().mkpath(fake_.programFiles() + "/backup");  // listed by name in either case
        for (const char* slot : {"/Games/Svdata1a.rk5", "/Games/Svdata5a.rk5"}) {
            QFile(fake_.programFiles() + slot).open(QIODevice::WriteOnly);
        }
        // Vantrel's slot 2 only in the user's VirtualStore, where the game reads it.
        const QString copy = QString::fromStdString(savedata::gameFileCandidates(
            fake_.native("Program Files/Vantrel/Svdata2a.rk5"), fake_.platform.folders.install)[0]);
        QDir().mkpath(QFileInfo(copy).path());
        QFile(copy).open(QIODevice::WriteOnly);
        fake_.drives.drives.append({"e:", other_.path()});
        QDir::setCurrent(fake_.root.path());
    }

    void open() {
        dialog_ = std::make_unique<ui::SelectFolderDialog>(rk5Path_, fake_.platform, nullptr);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    template <typename T = QWidget>
    T* get(const char* name) {
        return control<T>(dialog_.get(), name);
    }
    ui::FolderList* folders() { return get<ui::FolderList>("dirListFolder"); }
    QString pathBox() { return get<QLineEdit>("txtFullPath")->text(); }
    // The entries of the folder list, from the `from`th last.
    QString entries(int from) {
        return joined(folders()->count() - from, folders()->count(),
                      [this](int i) { return folders()->item(i)->text(); });
    }
    QPoint entryCentre(const QString& name) {
        return folders()->visualItemRect(folders()->findItems(name, Qt::MatchExactly)[0]).center();
    }
    void doubleClick(const QString& name) {
        QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, entryCentre(name));
        QTest::mouseDClick(folders()->viewport(), Qt::LeftButton, {}, entryCentre(name));
    }

    FakePlatform fake_;
    QTemporaryDir other_;
    QString rk5Path_ = "unchanged";
    std::unique_ptr<ui::SelectFolderDialog> dialog_;
};

// Enter presses "&Apply" wherever the focus is, a folder highlighted by a click and an
// arrow key but not opened; the other ways out leave the folder as it was.
TEST_F(SelectFolderDialogTest, WaysOutAndWhatTheyWrite) {
    for (const char* focus : {"dirListFolder", "drvListDrive", "cmdExit", "txtFullPath"}) {
        open();
        QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, entryCentre("Games"));
        QTest::keyClick(folders(), Qt::Key_Down);
        get(focus)->setFocus();
        QTest::keyClick(get(focus), Qt::Key_Return);
        EXPECT_FALSE(dialog_->isVisible()) << focus;
        EXPECT_EQ(rk5Path_, fake_.programFiles()) << focus;
        rk5Path_ = "unchanged";
    }
    const std::vector<std::function<void()>> leave{
        [this] { QTest::mouseClick(get("cmdExit"), Qt::LeftButton); },
        [this] { QTest::keyClick(folders(), Qt::Key_Escape); }, [this] { dialog_->close(); }};
    for (const auto& act : leave) {
        open();
        act();
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(rk5Path_, "unchanged");
    }
}

TEST_F(SelectFolderDialogTest, OpensAtProgramFilesAndOpensFolders) {
    open();
    EXPECT_EQ(pathBox(), fake_.programFiles());  // case kept where names are case-sensitive
    EXPECT_EQ(QApplication::focusWidget(), folders());
    // The ancestors down to the folder, then its subfolders; a folder holding save slots
    // names them.
    EXPECT_EQ(entries(4), "Program Files backup Games Vantrel");
    EXPECT_EQ(folders()->item(folders()->count() - 2)->toolTip(), "Save slots 1, 5");
    EXPECT_EQ(folders()->item(folders()->count() - 1)->toolTip(), "Save slots 2");
    // A folder without search permission is not entered.
    QDir().mkpath(fake_.programFiles() + "/Games/Locked");
    QFile::setPermissions(fake_.programFiles() + "/Games/Locked",
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    std::filesystem::permissions(fake_.root.path().toStdString(), std::filesystem::perms(0755));
    doubleClick("Games");
#ifndef _WIN32
    // As root no permission is checked: the double-click is made as "nobody" (root stays
    // the saved user, so it is taken back after).
    const bool root = geteuid() == 0;
    ASSERT_TRUE(!root || setresuid(65534, 65534, 0) == 0);
    doubleClick("Locked");
    ASSERT_TRUE(!root || setresuid(0, 0, 0) == 0);
    EXPECT_EQ(pathBox(), QDir::toNativeSeparators(fake_.programFiles() + "/Games"));
#endif
    doubleClick("Old Saves");
    EXPECT_EQ(pathBox(), QDir::toNativeSeparators(fake_.programFiles() + "/Games/Old Saves"));
    // A long path shows its end, where the folder's own name is.
    EXPECT_EQ(get<QLineEdit>("txtFullPath")->cursorPosition(), pathBox().size());
    doubleClick("Program Files");  // an ancestor opens too
    EXPECT_EQ(entries(2), "Games Vantrel");
    // Where you are looks opened: the open folder and its ancestors, not its subfolders.
    const QImage openIcon = ui::folderIcon(true).pixmap(16).toImage();
    const auto opened = [&](int row) {
        return folders()->item(row)->icon().pixmap(16).toImage() == openIcon;
    };
    EXPECT_TRUE(opened(0) && opened(folders()->count() - 4));
    EXPECT_FALSE(opened(folders()->count() - 1));
    fake_.files.ignoring = true;  // where names ignore case, the path is proper-cased
    doubleClick("Vantrel");
    QTest::mouseClick(get("cmdApply"), Qt::LeftButton);
    EXPECT_EQ(rk5Path_,
              platform::properCase(QDir::toNativeSeparators(fake_.programFiles() + "/Vantrel")));
    QDir(fake_.programFiles()).removeRecursively();  // without Program Files: at home
    fake_.files.ignoring = false;
    open();
    EXPECT_EQ(pathBox(), QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_EQ(fake_.messages.texts(), "");
}

// Choosing drive e:, by the answers given to the unready-drive message (one message per
// answer) and whether the drive is ready after the first: the drive the lists end on.
TEST_F(SelectFolderDialogTest, ChoosingADrive) {
    const QString message = "無法存取 e:。\r\n裝置尚未就緒。";  // a mount path as it is
    const std::vector<std::tuple<QList<platform::Answer>, bool, int>> cases{
        {{}, true, 1},
        {{platform::Answer::Retry, platform::Answer::Cancel}, false, 0},
        {{platform::Answer::Retry}, true, 1},
    };
    for (const auto& [answers, readyAfterFirst, driveAfter] : cases) {
        fake_.drives.unready = answers.isEmpty() ? QStringList{} : QStringList{"e:"};
        fake_.messages = {};
        fake_.messages.answers = answers;
        fake_.messages.onShow = [this, ready = readyAfterFirst] {
            fake_.drives.unready = ready ? QStringList{} : QStringList{"e:"};
        };
        QDir::setCurrent(fake_.root.path());
        open();
        get<QComboBox>("drvListDrive")->setCurrentIndex(1);
        EXPECT_EQ(fake_.messages.texts(), QStringList(answers.size(), message).join('|'));
        EXPECT_EQ(get<QComboBox>("drvListDrive")->currentIndex(), driveAfter);
        const QString folder = driveAfter == 1 ? other_.path() : fake_.root.path();
        EXPECT_EQ(pathBox(), QDir::toNativeSeparators(folder));
        EXPECT_EQ(QDir::currentPath(), folder);  // the drive reached became current
    }
    EXPECT_EQ(fake_.messages.shown[0].buttons, platform::Buttons::RetryCancel);
    EXPECT_EQ(fake_.messages.shown[0].icon, platform::Icon::Critical);
}

// Proper case: the first letter of every word upper-cased (words are separated by blanks,
// tabs, line breaks and NULs), the rest lower-cased; and the settings' file or key.
TEST(Platform, ProperCaseAndWhereTheSettingsAreKept) {
    EXPECT_EQ(platform::properCase(QString("d:\\game saves\\ALL CAPS\tsep\nline nul") + QChar(0) +
                                   "x a-b_c.d ゲーム"),
              QString("D:\\game Saves\\all Caps\tSep\nLine Nul") + QChar(0) + "X A-b_c.d ゲーム");
    EXPECT_EQ(platform::properCase("a b c:\\x y"), "A B C:\\x Y");  // one-letter words too
    // Where the settings have always been kept, so that a new version finds them.
    const QString kept = platform::systemPlatform().settings.location();
    EXPECT_TRUE(kept.endsWith("/Foalix RK5.conf") || kept.endsWith("\\Software\\Foalix RK5"));
}

// Drives: which holds a path, their order and what their state means.
TEST(DriveRules, HoldOrderAndReadiness) {
    const std::vector<std::tuple<QString, QString, bool>> within{
        {"/media/cd", "/media/cd", true},
        {"/MEDIA/CD/x", "/media/cd", true},
        {"/media/cdrom", "/media/cd", false},
        {"c:/games", "c:/", true},
    };
    for (const auto& [path, root, expected] : within) {
        EXPECT_EQ(platform::isWithin(path, root), expected) << path.toStdString();
    }
    const QList<platform::Drive> drives{{"b", "/media/b"}, {"/", "/"}, {"a", "/media/A"}};
    // The system drive first, then the others by letter in either case, each once.
    const QList<platform::Drive> letters{
        {"d:", "d:/"}, {"c:", "c:/"}, {"B:", "B:/"}, {"a:", "a:/"}};
    EXPECT_EQ(platform::inDriveOrder(letters + letters, "C:/"),
              (QList{letters[1], letters[3], letters[2], letters[0]}));
#ifndef _WIN32
    // The system's volumes: the root first, each once, the others in order.
    const QList<platform::Drive> volumes = platform::SystemDrives().list();
    EXPECT_EQ(volumes.value(0), (platform::Drive{"/", "/"}));
    EXPECT_EQ(volumes, platform::inDriveOrder(volumes, "/"));
#endif
    EXPECT_EQ(platform::deepestDriveOf("/media/b/saves", drives).text, "b");
    EXPECT_EQ(platform::deepestDriveOf("/media/A/x", {drives[2], drives[1]}).text, "a");
    // Mounted and ready, then readable: 0; gone or unready: 68; unreadable: 75.
    EXPECT_EQ(platform::readinessFrom(true, true, true), 0);
    EXPECT_EQ(platform::readinessFrom(false, true, true), 68);
    EXPECT_EQ(platform::readinessFrom(true, false, true), 68);
    EXPECT_EQ(platform::readinessFrom(true, true, false), 75);
    // A drive letter in capitals with its root's backslash (a mount path stays as it is:
    // the folder dialog's test).
    EXPECT_EQ(ui::unreadyDriveMessage("e: [disk]", true),
              "無法存取 E: [DISK]\\。\r\n裝置尚未就緒。");
}

#ifdef _WIN32
// The system's drives on Windows (under Wine in the tests, whose drive x: is mapped to a
// folder that does not exist): letters, the current folder of each, an unready drive.
TEST(SystemDrives, LettersCurrentFoldersAndUnreadyDrives) {
    platform::SystemDrives drives;
    platform::SystemFileSystem files;
    const QList<platform::Drive> list = drives.list();
    ASSERT_FALSE(list.isEmpty());
    EXPECT_TRUE(list.first().text.startsWith("c:")) << list.first().text.toStdString();
    const platform::Drive c = drives.driveOf("C:\\windows\\system32");
    EXPECT_EQ(c, list.first());
    files.setCurrentDirectory("C:\\windows");
    EXPECT_EQ(drives.currentFolder(c).toLower(), "c:\\windows");
    EXPECT_EQ(drives.readiness(c), 0);
    EXPECT_EQ(drives.readiness({"x:", "x:\\"}), 68);
}
#endif

// Real message boxes: titled "Foalix", in the middle of the screen when their owner is
// not shown, Enter pressing the default button (Retry) and Escape the other.
TEST(MessageBoxes, AnswerWithTheButtonPressed) {
    using platform::Answer, platform::Buttons, platform::Icon;
    const std::vector<std::tuple<Buttons, Icon, Qt::Key, Answer>> cases{
        {Buttons::Ok, Icon::None, Qt::Key_Return, Answer::Ok},
        {Buttons::RetryCancel, Icon::Critical, Qt::Key_Return, Answer::Retry},
        {Buttons::RetryCancel, Icon::Critical, Qt::Key_Escape, Answer::Cancel},
        {Buttons::SaveDiscardCancel, Icon::None, Qt::Key_Return, Answer::Save},
        {Buttons::SaveDiscardCancel, Icon::None, Qt::Key_Escape, Answer::Cancel},
    };
    platform::QtMessageBoxes messages;
    QWidget unshownOwner;
    for (const auto& [buttons, icon, key, answer] : cases) {
        QString seen;
        whenModal([&, key = key](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen = QString("%1 %2 %3 %4 %5")
                       .arg(box->windowTitle(), box->text(), QString::number(box->icon()),
                            QString::number(box->buttons().size()),
                            QString::number(offCentre(box) < 40));
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(messages.show(&unshownOwner, "text", buttons, icon), answer);
        const QString shape = buttons == Buttons::Ok                  ? "0 1"
                              : buttons == Buttons::SaveDiscardCancel ? "0 3"
                                                                      : "3 2";
        EXPECT_EQ(seen, "Foalix text " + shape + " 1");
    }
}

}  // namespace
}  // namespace foalix::testing
