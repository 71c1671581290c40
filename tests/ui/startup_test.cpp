// Start-up: which save folder the window works with, and what is stored.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/wine_prefix.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

enum class Stored { Nothing, Folder, MissingFolder, File };
enum class User { NotAsked, Applies, Cancels };

struct StartCase {
    const char* what;
    bool defaultExists;
    Stored stored;
    User user;
    // Expected: the folder the window works with and the one stored afterwards
    // ("default", "stored", "missing", "file", "applied", or "" for nothing stored).
    const char* path;
    const char* storedAfter;
};

TEST(InitPath, SettlesTheSaveFolder) {
    const std::vector<StartCase> cases{
        {"first start, default present", true, Stored::Nothing, User::NotAsked, "default",
         "default"},
        {"default replaces the stored folder", true, Stored::Folder, User::NotAsked, "default",
         "default"},
        {"stored folder without the default", false, Stored::Folder, User::NotAsked, "stored", ""},
        {"a file at the stored path passes", false, Stored::File, User::NotAsked, "file", ""},
        {"nothing anywhere, user applies", false, Stored::Nothing, User::Applies, "applied",
         "applied"},
        {"nothing anywhere, user cancels", false, Stored::Nothing, User::Cancels, "default",
         "default"},
        {"stored folder missing, user cancels", false, Stored::MissingFolder, User::Cancels,
         "missing", "missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWinePrefix prefix;
        QTemporaryDir elsewhere;
        const QString programFiles = prefix.programFiles();
        const QString defaultFolder = prefix.saveFolder();
        QDir().mkpath(programFiles);
        if (c.defaultExists) {
            prefix.makeSaveFolder();
        }
        const std::map<QString, QString> paths{
            {"default", defaultFolder},
            {"stored", elsewhere.path()},
            {"missing", elsewhere.path() + "/gone"},
            {"file", elsewhere.path() + "/a-file"},
            {"applied", programFiles},
        };
        QFile(paths.at("file")).open(QIODevice::WriteOnly);

        FakePlatform fake;
        fake.drives.drives = {{"/", "/"}};
        if (c.stored == Stored::Folder) {
            fake.settings.values["Setting/RK5Path"] = paths.at("stored");
        } else if (c.stored == Stored::MissingFolder) {
            fake.settings.values["Setting/RK5Path"] = paths.at("missing");
        } else if (c.stored == Stored::File) {
            fake.settings.values["Setting/RK5Path"] = paths.at("file");
        }

        bool dialogShown = false;
        if (c.user != User::NotAsked) {
            const char* button = c.user == User::Applies ? "cmdApply" : "cmdExit";
            whenModal([&dialogShown, button](QWidget* dialog) {
                dialogShown = dialog->objectName() == "frmSelectFolder";
                QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
            });
        }
        ui::MainWindow window(fake.platform);
        window.Form_Load();

        EXPECT_EQ(window.RK5Path, paths.at(c.path));
        EXPECT_EQ(
            fake.settings.stored(),
            std::string(c.storedAfter).empty()
                ? (c.stored == Stored::Nothing ? "<none>" : fake.settings.values["Setting/RK5Path"])
                : paths.at(c.storedAfter));
        if (c.user == User::NotAsked) {
            EXPECT_TRUE(fake.messages.shown.empty());
            if (!c.defaultExists) {
                EXPECT_EQ(fake.settings.saves, 0);
            }
        } else {
            EXPECT_EQ(fake.messages.texts(), QStringList{"Sava Data Path not found"});
            EXPECT_EQ(fake.messages.shown[0].icon, platform::Icon::None);
            EXPECT_TRUE(dialogShown);
        }
    }
}

}  // namespace
}  // namespace foalix::testing
