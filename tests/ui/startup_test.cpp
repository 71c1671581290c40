// Start-up: which save folder the window works with, what is stored, and settings that
// cannot be used, which are reported while the window goes on.
#include <gtest/gtest.h>

#include <QtTest>

#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"
#include "ui/main_window.h"

namespace foalix::testing {
namespace {

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

        EXPECT_EQ(window.RK5Path, paths.at(c.path));
        EXPECT_EQ(fake.settings.stored(), paths.at(c.storedAfter));
        EXPECT_EQ(fake.messages.texts(), c.message);
        EXPECT_EQ(dialogOffCentre >= 0 && dialogOffCentre < 40, *c.button != 0);
        window.showCentred();  // and the window too
        EXPECT_LT(offCentre(&window), 40);
    }
}

}  // namespace
}  // namespace foalix::testing
