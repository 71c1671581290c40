#include "ui/slot_watcher.h"

#include <QFileInfo>

namespace foalix::ui {

SlotWatcher::SlotWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &SlotWatcher::checkSettled);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SlotWatcher::changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SlotWatcher::changed);
}

void SlotWatcher::watch(const QString& path) {
    stop();
    path_ = path;
    const QFileInfo info(path);
    size_ = info.size();
    modified_ = info.lastModified();
    watcher_.addPath(info.absolutePath());
    watcher_.addPath(path);
}

void SlotWatcher::stop() {
    settle_.stop();
    if (!watcher_.files().isEmpty() || !watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.files() + watcher_.directories());
    }
    path_.clear();
}

void SlotWatcher::changed() {
    if (path_.isEmpty()) {
        return;
    }
    // A file renamed over the old one is a new file: the watch must be set on it again.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    settle_.start();
}

void SlotWatcher::checkSettled() {
    const QFileInfo info(path_);
    if (!info.exists()) {
        return;  // gone for a moment: the next change brings it back
    }
    if (info.size() == size_ && info.lastModified() == modified_) {
        return;  // another file of the folder changed
    }
    size_ = info.size();
    modified_ = info.lastModified();
    emit settled();
}

}  // namespace foalix::ui
