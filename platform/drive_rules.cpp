#include "platform/drive_rules.h"

#include <QDir>
#include <algorithm>

#include "savedata/run_time_error.h"

namespace foalix::platform {

bool isPseudoFileSystem(const QByteArray& type) {
    static const QList<QByteArray> kPseudo{
        "proc",   "sysfs",   "devpts",      "devtmpfs", "cgroup",     "cgroup2", "securityfs",
        "pstore", "debugfs", "tracefs",     "configfs", "fusectl",    "mqueue",  "hugetlbfs",
        "bpf",    "autofs",  "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",    "overlay"};
    return kPseudo.contains(type);
}

bool isWithin(const QString& path, const QString& root) {
    const QString clean = QDir::cleanPath(path);
    const QString top = QDir::cleanPath(root);
    if (top.endsWith('/')) {  // "/" or "c:/"
        return clean.startsWith(top, Qt::CaseInsensitive);
    }
    return clean.compare(top, Qt::CaseInsensitive) == 0 ||
           clean.startsWith(top + "/", Qt::CaseInsensitive);
}

Drive deepestDriveOf(const QString& path, const QList<Drive>& drives) {
    Drive best{};
    for (const Drive& drive : drives) {
        if (isWithin(path, drive.root) && drive.root.size() > best.root.size()) {
            best = drive;
        }
    }
    return best;
}

QList<Drive> inDriveOrder(QList<Drive> drives, const QString& systemRoot) {
    const auto isSystem = [&](const Drive& d) {
        return QDir::cleanPath(d.root).compare(QDir::cleanPath(systemRoot), Qt::CaseInsensitive) ==
               0;
    };
    std::stable_sort(drives.begin(), drives.end(), [&](const Drive& a, const Drive& b) {
        if (isSystem(a) != isSystem(b)) {
            return isSystem(a);
        }
        return a.root.compare(b.root, Qt::CaseInsensitive) < 0;
    });
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

int readinessFrom(bool mounted, bool ready, bool rootReadable) {
    if (!mounted || !ready) {
        return savedata::error::kDeviceUnavailable;
    }
    return rootReadable ? 0 : savedata::error::kPathFileAccessError;
}

}  // namespace foalix::platform
