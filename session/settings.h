// What Foalix keeps in the per-user settings store, a getter and a setter for each value:
// the windows ask for what a value is, never for a section and key. The sections and
// keys live in settings.cpp alone, since a stored name, once shipped, can never change.
//
// Every setter raises RunTimeError 75 when the store cannot be written; each caller
// decides whether the player hears of it (the save folder, the name encoding) or not (the
// look, the table's layout).
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/platform.h"
#include "savedata/names.h"

namespace foalix::session {

class Settings {
  public:
    explicit Settings(platform::SettingsStore& store) : store_(store) {}

    // "Setting"/"RK5Path": the save folder, exactly as chosen.
    QString saveFolder(const QString& defaultFolder) const;
    void setSaveFolder(const QString& folder);
    // "Setting"/"NameEncoding": "auto", "shift-jis" or "big5"; anything else is automatic.
    savedata::NameEncodingChoice nameEncoding() const;
    void setNameEncoding(savedata::NameEncodingChoice choice);
    // "View"/"DarkTheme": "1" dark, anything else the platform's look.
    bool darkTheme() const;
    void setDarkTheme(bool dark);
    // "View"/"Language": the interface's language ("original", "zh_TW", "ja" or "en");
    // empty when none was chosen.
    QString language() const;
    void setLanguage(const QString& key);
    // "View"/"FollowSaveFile": "0" off, anything else on (the default).
    bool follow() const;
    void setFollow(bool follow);
    // "View"/"MarkBestValues": "0" off, anything else on (the default).
    bool markBestValues() const;
    void setMarkBestValues(bool mark);
    // "RosterTable"/"Geometry" and "Header": Qt's saveGeometry and the header's saveState,
    // kept as base64 text; empty when nothing readable is kept (earlier versions kept "W,H").
    QByteArray tableGeometry() const;
    void setTableGeometry(const QByteArray& state);
    QByteArray tableHeader() const;
    void setTableHeader(const QByteArray& state);
    // "Compare"/"Geometry": the compare window's place and size (saveGeometry).
    QByteArray compareGeometry() const;
    void setCompareGeometry(const QByteArray& state);
    // "RosterTable"/"ExportFolder": where the last export went.
    QString exportFolder() const;
    void setExportFolder(const QString& folder);

    // Where the values are kept, as the player would look for them.
    QString location() const { return store_.location(); }

  private:
    // The entries of the section "Setting", by key, where the save folder has always been.
    void Save_Reg(const QString& key, const QString& value);
    QString Get_Reg(const QString& key, const QString& defaultValue) const;
    // A switch of the section "View" that is on unless "0" is kept.
    bool viewSwitch(const char* key) const;
    void setViewSwitch(const char* key, bool on);
    QByteArray bytes(const char* section, const char* key) const;
    void setBytes(const char* section, const char* key, const QByteArray& state);

    platform::SettingsStore& store_;
};

}  // namespace foalix::session
