// Drives. Windows has drive letters, each with a current folder of its own. Other
// systems have one tree with volumes mounted into it: each mounted volume is a drive,
// named by the folder it is mounted on, and its current folder is the program's
// current directory when that lies on the volume.
#include <QDir>
#include <QStorageInfo>

#include "platform/drive_rules.h"
#include "platform/system_services.h"
#include "savedata/run_time_error.h"

#ifdef Q_OS_WIN
#include <direct.h>
#include <windows.h>
#endif

namespace foalix::platform {
namespace {

#ifdef Q_OS_WIN
Drive driveFor(const QStorageInfo& volume) {
    const QString letter = volume.rootPath().left(2).toLower();  // "c:"
    const QString label = volume.name();
    return {label.isEmpty() ? letter : letter + " [" + label + "]", letter + "\\"};
}
#else
Drive driveFor(const QStorageInfo& volume) {
    const QString root = QDir::cleanPath(volume.rootPath());
    return {root, root};
}
#endif

}  // namespace

QList<Drive> SystemDrives::list() const {
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !isPseudoFileSystem(volume.fileSystemType())) {
            drives.append(driveFor(volume));
        }
    }
#ifndef Q_OS_WIN
    // Mounted volumes that are not ready are not always listed: the root is always there.
    drives.append(Drive{"/", "/"});
#endif
    return inDriveOrder(drives, QDir::rootPath());
}

int SystemDrives::readiness(const Drive& drive) const {
    const QStorageInfo volume(drive.root);
    return readinessFrom(volume.isValid(), volume.isReady(), QDir(drive.root).isReadable());
}

Drive SystemDrives::driveOf(const QString& path) const {
    return deepestDriveOf(path, list());
}
QString SystemDrives::currentFolder(const Drive& drive) const {
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH];
    const int number = drive.root.at(0).toLower().unicode() - 'a' + 1;
    if (_wgetdcwd(number, buffer, MAX_PATH) != nullptr) {
        return QString::fromWCharArray(buffer);
    }
    return drive.root;
#else
    const QString current = QDir::currentPath();
    return driveOf(current) == drive ? current : drive.root;
#endif
}

void SystemDrives::makeCurrent(const Drive& drive) {
    if (!QDir::setCurrent(currentFolder(drive))) {
        throw savedata::RunTimeError(savedata::error::kDeviceUnavailable);
    }
}

}  // namespace foalix::platform
