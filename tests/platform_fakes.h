// Stand-ins for the platform in session and window tests: the game's folders in a
// temporary folder, drives that can be unready, message boxes answered by script, and the
// real settings store at a place of the test's own.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <functional>

#include "platform/drive_rules.h"
#include "platform/system_services.h"
#include "savedata/run_time_error.h"
#include "tests/qt_strings.h"

namespace foalix::testing {

struct ShownMessage {
    QString text;
    platform::Buttons buttons;
    platform::Icon icon;
};

class ScriptedMessages : public platform::MessageBoxes {
  public:
    platform::Answer show(QWidget*, const QString& text, platform::Buttons buttons,
                          platform::Icon icon) override {
        shown.push_back({text, buttons, icon});
        if (onShow) {
            onShow();
        }
        const platform::Answer unscripted =
            buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Cancel;
        return answers.isEmpty() ? unscripted : answers.takeFirst();
    }
    // Every text shown, joined by "|".
    QString texts() const {
        return joined(
            0, static_cast<int>(shown.size()), [this](int i) { return shown[i].text; }, '|');
    }

    QList<platform::Answer> answers;
    std::function<void()> onShow;
    std::vector<ShownMessage> shown;
};

// The real file system, with a case rule of the test's choosing.
struct CaseFileSystem final : platform::SystemFileSystem {
    bool ignoresCase() const override { return ignoring; }
    bool ignoring = false;
};

// Drives rooted in folders of the test's; any of them can be made unready.
class FakeDrives : public platform::Drives {
  public:
    QList<platform::Drive> list() const override { return drives; }
    int readiness(const platform::Drive& drive) const override {
        return unready.contains(drive.text) ? savedata::error::kDeviceUnavailable : 0;
    }
    platform::Drive driveOf(const QString& path) const override {
        return platform::deepestDriveOf(path, drives);
    }
    QString currentFolder(const platform::Drive& drive) const override {
        const QString current = QDir::currentPath();
        return driveOf(current) == drive ? current : drive.root;
    }
    void makeCurrent(const platform::Drive& drive) override {
        QDir::setCurrent(currentFolder(drive));
    }

    QList<platform::Drive> drives{{"/", QDir::rootPath()}};
    QStringList unready;
};

// The real settings store, at a place of the test's own that goes with it.
struct TestSettings {
#ifdef _WIN32
    QString location =
        "HKEY_CURRENT_USER\\Software\\Foalix Tests\\" + QUuid::createUuid().toString(QUuid::Id128);
    platform::QtSettingsStore store{location, QSettings::NativeFormat};
    ~TestSettings() {
        QSettings(location, QSettings::NativeFormat).clear();
    }
#else
    QTemporaryDir dir;
    platform::QtSettingsStore store{dir.path() + "/Foalix RK5.conf", QSettings::IniFormat};
    void writeGarbage() {
        QFile file(dir.path() + "/Foalix RK5.conf");
        file.open(QIODevice::WriteOnly);
        file.write("\x00\x01\xfe[Setting\nRK5Path\n=\n\xff\xff", 22);
    }
    // Settings in a folder that cannot be made: a file stands in its way.
    void makeUnwritable() {
        QFile(dir.path() + "/a-file").open(QIODevice::WriteOnly);
        store = platform::QtSettingsStore(dir.path() + "/a-file/x/x.conf", QSettings::IniFormat);
    }
#endif
    QString stored() const {
        return store.get("Setting", "RK5Path", "<none>");
    }
};

#ifdef _WIN32
inline constexpr bool kNamesIgnoreCase = true;
#else
inline constexpr bool kNamesIgnoreCase = false;
#endif

// A platform of fakes whose game folders lie in a temporary folder: "Program Files"
// is there, the save folder (below it) only once made; "Program Files (x86)" and the
// user's "VirtualStore" only when a test makes them.
struct FakePlatform {
    QTemporaryDir root;
    CaseFileSystem files;
    FakeDrives drives;
    TestSettings settings;
    ScriptedMessages messages;
    platform::Platform platform{
        files, drives, settings.store, messages,
        platform::gameFoldersOf({{native("Program Files"), native("Program Files (x86)")},
                                 native("VirtualStore"),
                                 kNamesIgnoreCase})};

    FakePlatform() { QDir().mkpath(programFiles()); }
    QString programFiles() const { return platform.folders.programFiles; }
    // A path below the temporary folder, in the system's form.
    std::string native(const QString& below) const {
        return QDir::toNativeSeparators(root.path() + "/" + below).toStdString();
    }
    QString makeSaveFolder() const {
        QDir().mkpath(platform.folders.saveFolder);
        return platform.folders.saveFolder;
    }
};

}  // namespace foalix::testing
