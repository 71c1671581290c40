#include <QSettings>

#include "platform/system_services.h"
#include "savedata/run_time_error.h"

namespace foalix::platform {
namespace {

#ifdef Q_OS_WIN
// Where Windows programs of this kind have always kept their settings, so a folder
// stored there before is found again.
QSettings open(const QString& application) {
    return QSettings("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\" + application,
                     QSettings::NativeFormat);
}
#else
// $XDG_CONFIG_HOME/<application>.conf, an INI file.
QSettings open(const QString& application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
}
#endif

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
