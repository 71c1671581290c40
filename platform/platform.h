// Our thin layer over the platform: the file system queries, drives, the per-user
// settings store and message boxes the windows need. The windows only talk to these
// interfaces, so tests can put a drive that is not ready or a scripted user in place.
#pragma once

#include <QList>
#include <QString>

#include "platform/game_folders.h"

class QWidget;

namespace foalix::platform {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // True when anything (a folder or a file) is at `path`.
    virtual bool exists(const QString& path) const = 0;
    // Makes `path` the current directory; raises RunTimeError 76 when it cannot.
    virtual void setCurrentDirectory(const QString& path) = 0;
    virtual QString currentDirectory() const = 0;
    // True where the file system treats upper and lower case alike (Windows).
    virtual bool ignoresCase() const = 0;
};

// A drive: a letter and colon on Windows, a mounted volume elsewhere.
struct Drive {
    QString text;  // as the drive list shows it
    QString root;  // the folder at its top
    bool operator==(const Drive&) const = default;
};

class Drives {
  public:
    virtual ~Drives() = default;
    // Every drive, the system drive (or root volume) first.
    virtual QList<Drive> list() const = 0;
    // Whether the drive can be read now: 0, or the run-time error number reading it
    // would raise (68 for a drive without a medium).
    virtual int readiness(const Drive& drive) const = 0;
    // The drive that holds `path`.
    virtual Drive driveOf(const QString& path) const = 0;
    // The folder of `drive` that the program last worked in there, or its root.
    virtual QString currentFolder(const Drive& drive) const = 0;
    // Makes `drive` the program's current drive.
    virtual void makeCurrent(const Drive& drive) = 0;
};

// The per-user settings store of one application: text values by section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& section, const QString& key,
                        const QString& defaultValue) const = 0;
    // Creates or replaces the value; raises RunTimeError when the store cannot be written.
    virtual void save(const QString& section, const QString& key, const QString& value) = 0;
    // Where the values are kept, as the user would look for them: a file or a registry key.
    virtual QString location() const = 0;
};

enum class Buttons { Ok, RetryCancel, OkCancel, SaveDiscardCancel };
enum class Icon { None, Critical };
enum class Answer { Ok, Retry, Cancel, Save, Discard };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal message box titled with the application's name; returns the answer.
    virtual Answer show(QWidget* owner, const QString& text, Buttons buttons, Icon icon) = 0;
};

struct Platform {
    FileSystem& files;
    Drives& drives;
    SettingsStore& settings;
    MessageBoxes& messages;
    GameFolders folders;
};

// The running system's services; the settings are those of "Foalix RK5".
Platform& systemPlatform();

}  // namespace foalix::platform
