// The platform layer: proper case, the settings store, the drive rules
// and real message boxes.
#include <gtest/gtest.h>

#include <QtTest>

#include "platform/drive_rules.h"
#include "platform/proper_case.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/select_folder_dialog.h"

namespace foalix::testing {
namespace {

// Proper case: the first letter of every word upper-cased (words are separated by blanks,
// tabs, line breaks and NULs), the rest lower-cased.
TEST(Platform, ProperCase) {
    EXPECT_EQ(platform::properCase(QString("d:\\game saves\\ALL CAPS\tsep\nline nul") + QChar(0) +
                                   "x a-b_c.d ゲーム"),
              QString("D:\\game Saves\\all Caps\tSep\nLine Nul") + QChar(0) + "X A-b_c.d ゲーム");
    EXPECT_EQ(platform::properCase("a b c:\\x y"), "A B C:\\x Y");  // one-letter words too
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
        EXPECT_EQ(seen, buttons == Buttons::Ok ? "Foalix text 0 1 1" : "Foalix text 3 2 1");
    }
}

}  // namespace
}  // namespace foalix::testing
