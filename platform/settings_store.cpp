#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "platform/system_services.h"
#include "savedata/run_time_error.h"

namespace foalix::platform {

QtSettingsStore::QtSettingsStore(QString location, QSettings::Format format)
    : location_(std::move(location)), format_(format) {}

QtSettingsStore QtSettingsStore::forUser(const QString& application) {
#ifdef Q_OS_WIN
    // Exactly this key: no organisation defaults and no machine-wide fallback.
    return QtSettingsStore("HKEY_CURRENT_USER\\Software\\" + application, QSettings::NativeFormat);
#else
    return QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               "/" + application + ".conf",
                           QSettings::IniFormat);
#endif
}

QString QtSettingsStore::get(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    QSettings settings(location_, format_);
    // A store that cannot be read, or holds no text there, gives the default.
    const QVariant value = settings.value(section + "/" + key);
    if (settings.status() != QSettings::NoError || !value.canConvert<QString>() ||
        !value.isValid()) {
        return defaultValue;
    }
    return value.toString();
}

void QtSettingsStore::save(const QString& section, const QString& key, const QString& value) {
    QSettings settings(location_, format_);
    settings.setValue(section + "/" + key, value);
    settings.sync();
    // QSettings replaces a file it could not parse and still reports a format error;
    // what counts is whether the value can be read back.
    if (settings.status() == QSettings::AccessError || get(section, key, QString()) != value) {
        throw savedata::RunTimeError(savedata::error::kPathFileAccessError);
    }
}

QString QtSettingsStore::location() const {
    return format_ == QSettings::NativeFormat ? location_ : QDir::toNativeSeparators(location_);
}

}  // namespace foalix::platform
