// Stand-ins for the platform in window tests: drives that can be unready, a settings
// store in memory that can fail, and message boxes answered by script.
#pragma once

#include <QDir>
#include <QStringList>
#include <functional>
#include <map>

#include "platform/platform.h"
#include "platform/system_services.h"
#include "savedata/run_time_error.h"

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
            onShow(text);
        }
        if (answers.isEmpty()) {
            return buttons == platform::Buttons::Ok ? platform::Answer::Ok
                                                    : platform::Answer::Cancel;
        }
        return answers.takeFirst();
    }
    QStringList texts() const {
        QStringList list;
        for (const auto& m : shown) {
            list << m.text;
        }
        return list;
    }

    QList<platform::Answer> answers;
    std::function<void(const QString&)> onShow;
    std::vector<ShownMessage> shown;
};

class MemorySettings : public platform::SettingsStore {
  public:
    QString get(const QString& section, const QString& key,
                const QString& defaultValue) const override {
        const auto found = values.find(section + "/" + key);
        return found == values.end() ? defaultValue : found->second;
    }
    void save(const QString& section, const QString& key, const QString& value) override {
        ++saves;
        if (failing) {
            throw savedata::RunTimeError(savedata::error::kPathFileAccessError);
        }
        values[section + "/" + key] = value;
    }
    QString stored() const { return get("Setting", "RK5Path", "<none>"); }

    std::map<QString, QString> values;
    int saves = 0;
    bool failing = false;
};

// The real file system, but with a case rule of the test's choosing.
class CaseFileSystem : public platform::FileSystem {
  public:
    bool exists(const QString& path) const override { return real.exists(path); }
    void setCurrentDirectory(const QString& path) override { real.setCurrentDirectory(path); }
    QString currentDirectory() const override { return real.currentDirectory(); }
    bool ignoresCase() const override { return ignoring; }

    platform::SystemFileSystem real;
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
        platform::Drive best;
        const QString clean = QDir::cleanPath(path);
        for (const auto& d : drives) {
            const QString top = d.root.endsWith('/') ? d.root : d.root + "/";
            if ((clean == d.root || clean.startsWith(top)) && d.root.size() > best.root.size()) {
                best = d;
            }
        }
        return best;
    }
    QString currentFolder(const platform::Drive& drive) const override {
        const QString current = QDir::currentPath();
        return driveOf(current) == drive ? current : drive.root;
    }
    void makeCurrent(const platform::Drive& drive) override {
        QDir::setCurrent(currentFolder(drive));
    }

    QList<platform::Drive> drives;
    QStringList unready;
};

// A platform of fakes; `files` and `drives` may be swapped for real ones.
struct FakePlatform {
    CaseFileSystem files;
    FakeDrives drives;
    MemorySettings settings;
    ScriptedMessages messages;
    platform::Platform platform{files, drives, settings, messages};
};

}  // namespace foalix::testing
