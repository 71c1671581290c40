#include <QDir>
#include <QFileInfo>

#include "platform/system_services.h"
#include "savedata/run_time_error.h"

namespace foalix::platform {

bool SystemFileSystem::exists(const QString& path) const {
    return !path.isEmpty() && QFileInfo::exists(path);
}

void SystemFileSystem::setCurrentDirectory(const QString& path) {
    if (path.isEmpty() || !QDir::setCurrent(path)) {
        throw savedata::RunTimeError(savedata::error::kPathNotFound);
    }
}

QString SystemFileSystem::currentDirectory() const {
    return QDir::toNativeSeparators(QDir::currentPath());
}

bool SystemFileSystem::ignoresCase() const {
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

}  // namespace foalix::platform
