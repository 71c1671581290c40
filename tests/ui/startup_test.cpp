// Start-up: which save folder the window works with, what is stored, and settings that
// cannot be used, which are reported while the window goes on.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

// What the settings hold at start: nothing, a folder ("stored", "missing" or "file"),
// a file the store cannot read, or a place where no file can be made.
enum class Store { Nothing, Holds, Garbage, Unwritable };
enum class User { NotAsked, Applies, Cancels };

struct StartCase {
    const char* what;
    bool defaultExists;
    Store store;
    const char* held;  // what the settings hold, for Store::Holds
    User user;
    // The folder the window works with and the one stored afterwards ("" for none).
    const char* path;
    const char* storedAfter;
    const char* message;
};

TEST(InitPath, SettlesTheSaveFolder) {
    const char* notFound = "Sava Data Path not found";
    const std::vector<StartCase> cases{
        {"first start, default present", true, Store::Nothing, "", User::NotAsked, "default",
         "default", ""},
        {"default replaces the stored folder", true, Store::Holds, "stored", User::NotAsked,
         "default", "default", ""},
        {"stored folder without the default", false, Store::Holds, "stored", User::NotAsked,
         "stored", "stored", ""},
        {"a file at the stored path passes", false, Store::Holds, "file", User::NotAsked, "file",
         "file", ""},
        {"nothing anywhere, user applies", false, Store::Nothing, "", User::Applies, "applied",
         "applied", notFound},
        {"nothing anywhere, user cancels", false, Store::Nothing, "", User::Cancels, "default",
         "default", notFound},
        {"stored folder missing, user cancels", false, Store::Holds, "missing", User::Cancels,
         "missing", "missing", notFound},
#ifndef _WIN32
        {"a garbage settings file is replaced", true, Store::Garbage, "", User::NotAsked, "default",
         "default", ""},
        {"a settings folder that cannot be made", true, Store::Unwritable, "", User::NotAsked,
         "default", "", "Run-time error '75':\n\nPath/File access error"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
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
        if (c.store == Store::Holds) {
            fake.settings.store.save("Setting", "RK5Path", paths.at(c.held));
        }
#ifndef _WIN32
        if (c.store == Store::Garbage) {
            fake.settings.writeGarbage();
        } else if (c.store == Store::Unwritable) {
            fake.settings.makeUnwritable();
        }
#endif
        // The dialog appears in the middle of the screen, though the window is not shown.
        int dialogOffCentre = -1;
        if (c.user != User::NotAsked) {
            const char* button = c.user == User::Applies ? "cmdApply" : "cmdExit";
            whenModal([&dialogOffCentre, button](QWidget* dialog) {
                dialogOffCentre = offCentre(dialog);
                QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
            });
        }
        ui::MainWindow window(fake.platform);
        window.Form_Load();

        EXPECT_EQ(window.RK5Path, paths.at(c.path));
        EXPECT_EQ(fake.settings.stored(), paths.at(c.storedAfter));
        EXPECT_EQ(fake.messages.texts(), c.message);
        EXPECT_EQ(dialogOffCentre >= 0 && dialogOffCentre < 40, c.user != User::NotAsked);
    }
}

}  // namespace
}  // namespace foalix::testing
