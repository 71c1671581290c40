#include <QSettings>

#include "platform/system_services.h"
#include "savedata/run_time_error.h"

namespace foalix::platform {
namespace {

// HKEY_CURRENT_USER\Software\<application> on Windows; on other systems the INI file
// $XDG_CONFIG_HOME/<application>.conf.
QSettings open(const QString& application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString application) : application_(std::move(application)) {}

QString QtSettingsStore::get(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    QSettings settings = open(application_);
    // A store that cannot be read, or holds no text there, gives the default.
    const QVariant value = settings.value(section + "/" + key);
    if (settings.status() != QSettings::NoError || !value.canConvert<QString>() ||
        !value.isValid()) {
        return defaultValue;
    }
    return value.toString();
}

void QtSettingsStore::save(const QString& section, const QString& key, const QString& value) {
    QSettings settings = open(application_);
    settings.setValue(section + "/" + key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw savedata::RunTimeError(savedata::error::kPathFileAccessError);
    }
}

}  // namespace foalix::platform
