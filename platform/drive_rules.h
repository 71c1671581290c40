// The rules the drive list follows, apart from the system queries that feed them, so
// each can be checked on any system: which volumes count, which drive holds a path,
// the order of the list and what a drive's state means for reading it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "platform/platform.h"

namespace foalix::platform {

// Volumes that hold no user files (kernel interfaces and the like) are no drives.
bool isPseudoFileSystem(const QByteArray& type);

// True when `path` lies on the volume mounted at `root`: the root itself or below it,
// whole folder names only ("/media/cd" does not hold "/media/cdrom"), case ignored.
bool isWithin(const QString& path, const QString& root);

// The drive of `drives` whose root holds `path` most closely, or an empty drive.
Drive deepestDriveOf(const QString& path, const QList<Drive>& drives);

// `drives` without repeats, the system drive (root `systemRoot`) first, the others
// by root, case ignored.
QList<Drive> inDriveOrder(QList<Drive> drives, const QString& systemRoot);

// What reading a drive would raise: 68 when its volume is gone or not ready, 75 when
// its root cannot be read, 0 when it can be read.
int readinessFrom(bool mounted, bool ready, bool rootReadable);

}  // namespace foalix::platform
