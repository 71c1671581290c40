// The platform layer's implementations on the running system.
#pragma once

#include <QSettings>

#include "platform/platform.h"

namespace foalix::platform {

class SystemFileSystem : public FileSystem {
  public:
    bool exists(const QString& path) const override;
    void setCurrentDirectory(const QString& path) override;
    QString currentDirectory() const override;
    bool ignoresCase() const override;
};

class SystemDrives final : public Drives {
  public:
    QList<Drive> list() const override;
    int readiness(const Drive& drive) const override;
    Drive driveOf(const QString& path) const override;
    QString currentFolder(const Drive& drive) const override;
    void makeCurrent(const Drive& drive) override;
};

// Settings kept by QSettings at one location: a registry key or an INI file.
class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore(QString location, QSettings::Format format);
    // The user's settings of `application`: the registry key
    // HKEY_CURRENT_USER\Software\<application> on Windows, the INI file
    // <application>.conf in the user's configuration folder ($XDG_CONFIG_HOME, by
    // default ~/.config) elsewhere.
    static QtSettingsStore forUser(const QString& application);
    QString get(const QString& section, const QString& key,
                const QString& defaultValue) const override;
    void save(const QString& section, const QString& key, const QString& value) override;
    QString location() const override;

  private:
    QString location_;
    QSettings::Format format_;
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget* owner, const QString& text, Buttons buttons, Icon icon) override;
};

// The title of every message box.
inline constexpr const char* kMessageTitle = "Foalix";

}  // namespace foalix::platform
