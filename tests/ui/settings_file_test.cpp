// The settings file on disk: a garbage file or a settings folder that cannot be
// written is reported, the default folder is used, and the window goes on working.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QSettings>
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

struct SettingsCase {
    const char* what;
    // Prepares the settings folder and returns the folder QSettings is pointed at.
    std::function<QString(const QString& dir)> setUp;
    QStringList messages;
};

TEST(SettingsFile, BadSettingsNeverStopTheWindow) {
    const std::vector<SettingsCase> cases{
        {"a garbage settings file",
         [](const QString& dir) {
             QFile file(dir + "/Foalix RK5.conf");
             file.open(QIODevice::WriteOnly);
             file.write("\x00\x01\xfe[Setting\nRK5Path\n=\n\xff\xff", 22);
             return dir;
         },
         // The store will not write over a file it cannot read, so storing fails.
         {"Run-time error '75':\n\nPath/File access error"}},
        {"a settings folder that cannot be made",
         [](const QString& dir) {
             QFile(dir + "/a-file").open(QIODevice::WriteOnly);
             return dir + "/a-file/config";
         },
         {"Run-time error '75':\n\nPath/File access error"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWinePrefix prefix;
        QTemporaryDir config;
        const QString saves = prefix.makeSaveFolder();
        slotgen::SlotImage image;
        image.foal(1, 1, "イチ", 1, 0, kExampleOne);
        image.writeTo(savedata::composeSlotFile(saves.toStdString(), 1));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, c.setUp(config.path()));

        FakePlatform fake;
        fake.drives.drives = {{"/", "/"}};
        platform::QtSettingsStore store("Foalix RK5");
        platform::Platform platform{fake.files, fake.drives, store, fake.messages};
        ui::MainWindow window(platform);
        window.Form_Load();
        window.show();
        EXPECT_EQ(window.RK5Path, saves);
        EXPECT_EQ(fake.messages.texts(), c.messages);
        QTest::mouseClick(control<QPushButton>(&window, "cmdApply"), Qt::LeftButton);
        EXPECT_EQ(control<ui::FoalList>(&window, "lstHorse")->count(), 1);
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
}

}  // namespace
}  // namespace foalix::testing
