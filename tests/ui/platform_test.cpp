// The platform layer: proper case, the Wine folders, the settings store and real
// message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/game_folders.h"
#include "platform/proper_case.h"
#include "platform/system_services.h"
#include "tests/ui/ui_test_support.h"
#include "ui/select_folder_dialog.h"

namespace foalix::testing {
namespace {

TEST(ProperCase, UpperCasesTheFirstLetterOfEveryBlankSeparatedWord) {
    const std::vector<std::pair<QString, QString>> cases{
        {"C:\\Program Files", "C:\\program Files"},
        {"d:\\game saves\\slot", "D:\\game Saves\\slot"},
        {"C:\\program Files\\games\\old Saves", "C:\\program Files\\games\\old Saves"},
        {"ALL CAPS", "All Caps"},
        {"tab\tsep\nline", "Tab\tSep\nLine"},
        {QString("nul") + QChar(0) + "x", QString("Nul") + QChar(0) + "X"},
        {"a-b_c.d", "A-b_c.d"},
        {"ゲーム セーブ 1", "ゲーム セーブ 1"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(platform::properCase(in), out) << in.toStdString();
    }
}

TEST(GameFolders, LiveInTheWinePrefix) {
    const auto named = platform::wineGameFolders("/games/wine", "/home/p");
    EXPECT_EQ(named.saveFolder, "/games/wine/drive_c/Program Files/Vantrel/Galvaro/SAVEDATA");
    EXPECT_EQ(named.programFiles, "/games/wine/drive_c/Program Files");
    const auto fallback = platform::wineGameFolders("", "/home/p");
    EXPECT_EQ(fallback.saveFolder, "/home/p/.wine/drive_c/Program Files/Vantrel/Galvaro/SAVEDATA");
}

TEST(SettingsStore, KeepsValuesAndGivesDefaultsForAbsentOrUnreadableEntries) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    platform::QtSettingsStore store("Foalix RK5");
    EXPECT_EQ(store.get("Setting", "RK5Path", "dflt"), "dflt");
    store.save("Setting", "RK5Path", "/saves/ゲーム");
    EXPECT_EQ(platform::QtSettingsStore("Foalix RK5").get("Setting", "RK5Path", "dflt"),
              "/saves/ゲーム");
    QFile file(config.path() + "/Foalix RK5.conf");
    ASSERT_TRUE(file.exists());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x01\xff[[[garbage\n=\n");
    file.close();
    EXPECT_EQ(store.get("Setting", "RK5Path", "dflt"), "dflt");
}

TEST(MessageBoxes, AreTitledFoalixAndAnswerWithTheButtonPressed) {
    struct Case {
        platform::Buttons buttons;
        platform::Icon icon;
        QMessageBox::StandardButton press;
        platform::Answer answer;
    };
    const std::vector<Case> cases{
        {platform::Buttons::Ok, platform::Icon::None, QMessageBox::Ok, platform::Answer::Ok},
        {platform::Buttons::RetryCancel, platform::Icon::Critical, QMessageBox::Retry,
         platform::Answer::Retry},
        {platform::Buttons::RetryCancel, platform::Icon::Critical, QMessageBox::Cancel,
         platform::Answer::Cancel},
    };
    platform::QtMessageBoxes messages;
    const QString text = ui::unreadyDriveMessage("e: [disk]");
    EXPECT_EQ(text, "無法存取 E: [DISK]\\。\r\n裝置尚未就緒。");
    for (const auto& c : cases) {
        QString title;
        QString shownText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            shownText = box->text();
            icon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            box->button(c.press)->click();
        });
        EXPECT_EQ(messages.show(nullptr, text, c.buttons, c.icon), c.answer);
        EXPECT_EQ(title, "Foalix");
        EXPECT_EQ(shownText, text);
        EXPECT_EQ(icon,
                  c.icon == platform::Icon::None ? QMessageBox::NoIcon : QMessageBox::Critical);
        EXPECT_EQ(buttonCount, c.buttons == platform::Buttons::Ok ? 1 : 2);
    }
}

}  // namespace
}  // namespace foalix::testing
