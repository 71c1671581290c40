// Drives. Windows has drive letters, each with a current folder of its own. Other
// systems have one tree with volumes mounted into it: each mounted volume is a drive,
// named by the folder it is mounted on, and its current folder is the program's
// current directory when that lies on the volume.
#include <QDir>
#include <QStorageInfo>
#include <algorithm>

#include "platform/system_services.h"
#include "savedata/run_time_error.h"

#ifdef Q_OS_WIN
#include <direct.h>
#endif

namespace foalix::platform {
namespace {

// Volumes that hold no user files: kernel interfaces and the like.
bool isPseudoFileSystem(const QByteArray& type) {
    static const QList<QByteArray> kPseudo{
        "proc",   "sysfs",   "devpts",      "devtmpfs", "cgroup",     "cgroup2", "securityfs",
        "pstore", "debugfs", "tracefs",     "configfs", "fusectl",    "mqueue",  "hugetlbfs",
        "bpf",    "autofs",  "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",    "overlay"};
    return kPseudo.contains(type);
}

QString cleanRoot(const QString& root) {
    return QDir::cleanPath(root);
}

#ifdef Q_OS_WIN
Drive driveFor(const QStorageInfo& volume) {
    const QString letter = volume.rootPath().left(2).toLower();  // "c:"
    const QString label = volume.name();
    return {label.isEmpty() ? letter : letter + " [" + label + "]", letter + "\\"};
}
#else
Drive driveFor(const QStorageInfo& volume) {
    const QString root = cleanRoot(volume.rootPath());
    return {root, root};
}
#endif

bool isWithin(const QString& path, const QString& root) {
    const QString clean = cleanRoot(path);
    const QString top = cleanRoot(root);
    if (top == "/" || top.endsWith('/')) {
        return clean.startsWith(top, Qt::CaseInsensitive);
    }
    return clean.compare(top, Qt::CaseInsensitive) == 0 ||
           clean.startsWith(top + "/", Qt::CaseInsensitive);
}

}  // namespace

QList<Drive> SystemDrives::list() const {
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || isPseudoFileSystem(volume.fileSystemType())) {
            continue;
        }
        const Drive drive = driveFor(volume);
        if (!drives.contains(drive)) {
            drives.append(drive);
        }
    }
#ifndef Q_OS_WIN
    // Mounted volumes that are not ready are not always listed: the root is always there.
    if (std::none_of(drives.begin(), drives.end(), [](const Drive& d) { return d.root == "/"; })) {
        drives.append(Drive{"/", "/"});
    }
#endif
    // The system drive first, the others by name.
    const auto isSystem = [](const Drive& d) {
        return cleanRoot(d.root).compare(cleanRoot(QDir::rootPath()), Qt::CaseInsensitive) == 0;
    };
    std::sort(drives.begin(), drives.end(), [&](const Drive& a, const Drive& b) {
        if (isSystem(a) != isSystem(b)) {
            return isSystem(a);
        }
        return a.root.compare(b.root, Qt::CaseInsensitive) < 0;
    });
    return drives;
}

int SystemDrives::readiness(const Drive& drive) const {
    const QStorageInfo volume(drive.root);
    if (!volume.isValid() || !volume.isReady()) {
        return savedata::error::kDeviceUnavailable;
    }
    if (!QDir(drive.root).isReadable()) {
        return savedata::error::kPathFileAccessError;
    }
    return 0;
}

Drive SystemDrives::driveOf(const QString& path) const {
    Drive best{};
    for (const Drive& drive : list()) {
        if (isWithin(path, drive.root) && drive.root.size() > best.root.size()) {
            best = drive;
        }
    }
    return best;
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
