// What Foalix keeps in the per-user settings store. Each kept value is described once, in
// the list below: where it is kept (a section and key, which can never change once shipped)
// and what it is when nothing readable is kept. Everything else asks for a value by its
// description, never for a section and key, and hears of every change by `changed`, so a
// window that shows a value follows it however it changed.
//
// set() keeps the value for the run at once and tells of it, then writes the store; when
// the store cannot be written it raises RunTimeError 75, and each caller decides whether
// the player hears of it (the save folder, the name encoding) or not (the look, a layout).
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <utility>

#include "platform/platform.h"
#include "savedata/names.h"
#include "savedata/score.h"

namespace foalix::session {

struct SettingKey {
    const char* section;
    const char* key;
};

// A kept value of type T: QString, bool (written "1" or "0"; anything else is the
// fallback), QByteArray (written as base64: Qt's saveGeometry and saveState) or the name
// encoding (its key).
template <typename T>
struct Setting : SettingKey {
    T fallback;
};

namespace setting {
// "Setting": where the save folder has always been kept.
inline const Setting<QString> saveFolder{{"Setting", "RK5Path"}, {}};
inline const Setting<savedata::NameEncodingChoice> nameEncoding{
    {"Setting", "NameEncoding"}, savedata::NameEncodingChoice::Automatic};
// "View": the look and what the window does.
inline const Setting<bool> darkTheme{{"View", "DarkTheme"}, false};
// "original", "zh_TW", "ja" or "en"; empty when none was chosen.
inline const Setting<QString> language{{"View", "Language"}, {}};
inline const Setting<bool> followSaveFile{{"View", "FollowSaveFile"}, true};
inline const Setting<bool> markBestValues{{"View", "MarkBestValues"}, true};
// The windows' places, sizes and layouts; empty when nothing readable is kept (earlier
// versions kept the table's size as "W,H").
inline const Setting<QByteArray> tableGeometry{{"RosterTable", "Geometry"}, {}};
inline const Setting<QByteArray> tableHeader{{"RosterTable", "Header"}, {}};
inline const Setting<QString> exportFolder{{"RosterTable", "ExportFolder"}, {}};
inline const Setting<QByteArray> compareGeometry{{"Compare", "Geometry"}, {}};
inline const Setting<QByteArray> overviewGeometry{{"Overview", "Geometry"}, {}};
// "Score": the profile the foals are scored by (a built-in's English name, or the player's
// own), and the player's own profiles as foalix-dump reads them too (savedata's
// profilesText, in UTF-8).
inline const Setting<QString> scoreProfile{{"Score", "Profile"}, QString(savedata::kBalanced)};
inline const Setting<QByteArray> ownProfiles{{"Score", "Profiles"}, {}};
// The roster table's saved views (session/saved_views.h).
inline const Setting<QByteArray> savedViews{{"RosterTable", "Views"}, {}};
}  // namespace setting

class Settings : public QObject {
    Q_OBJECT

  public:
    explicit Settings(platform::SettingsStore& store, QObject* parent = nullptr);

    template <typename T>
    T get(const Setting<T>& setting) const {
        return decode(text(setting), setting.fallback);
    }
    // The value kept, or `fallback` when none is.
    template <typename T>
    T get(const Setting<T>& setting, const T& fallback) const {
        return decode(text(setting), fallback);
    }
    template <typename T>
    void set(const Setting<T>& setting, const T& value) {
        setText(setting, encode(value));
    }
    // Calls `react` with the value now and at every change, while `context` lives.
    template <typename T, typename React>
    void follow(const Setting<T>& setting, QObject* context, React react) {
        react(get(setting));
        connect(this, &Settings::changed, context, [this, &setting, react](const SettingKey* key) {
            if (key == &setting) {
                react(get(setting));
            }
        });
    }

    // Where the values are kept, as the player would look for them.
    QString location() const { return store_.location(); }

  signals:
    // The value `setting` describes changed (for this run, kept or not).
    void changed(const foalix::session::SettingKey* setting);

  private:
    // The text kept: this run's when it set one, else the store's (a null text: none).
    QString text(const SettingKey& setting) const;
    void setText(const SettingKey& setting, const QString& text);

    static QString decode(const QString& text, const QString& fallback);
    static bool decode(const QString& text, bool fallback);
    static QByteArray decode(const QString& text, const QByteArray& fallback);
    static savedata::NameEncodingChoice decode(const QString& text,
                                               savedata::NameEncodingChoice fallback);
    static QString encode(const QString& value) { return value; }
    static QString encode(bool value) { return value ? "1" : "0"; }
    static QString encode(const QByteArray& value);
    static QString encode(savedata::NameEncodingChoice value);

    platform::SettingsStore& store_;
    // What this run set, by section and key: it holds for the run, kept or not.
    QHash<std::pair<QString, QString>, QString> set_;
};

}  // namespace foalix::session
