#include "session/slot_watcher.h"

#include <QFileInfo>

#include "session/logging.h"

namespace foalix::session {
namespace {

// The deepest folder on the way to `path` that exists: where its creation shows.
QString deepestExistingFolder(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) {
            break;
        }
        folder = parent;
    }
    return folder;
}

}  // namespace

SlotWatcher::SlotWatcher(std::function<bool()> read, std::vector<int> retryMs, QObject* parent)
    : QObject(parent), read_(std::move(read)), retryMs_(std::move(retryMs)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    retry_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &SlotWatcher::checkSettled);
    connect(&retry_, &QTimer::timeout, this, &SlotWatcher::read);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SlotWatcher::changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SlotWatcher::changed);
}

void SlotWatcher::watch(const QStringList& candidates) {
    stop();
    candidates_ = candidates;
    lastRead_ = look();
    rewatch();
}

void SlotWatcher::stop() {
    settle_.stop();
    retry_.stop();
    candidates_.clear();
    rewatch();
}

void SlotWatcher::readNow() {
    if (candidates_.isEmpty()) {
        return;
    }
    settle_.stop();
    retries_ = 0;
    read();
}

SlotWatcher::Look SlotWatcher::look() const {
    for (const QString& candidate : candidates_) {
        const QFileInfo info(candidate);
        if (info.isFile()) {
            return {candidate, info.size(), info.lastModified()};
        }
    }
    return {};
}

// Watches each candidate that exists and the deepest existing folder on the way to
// each, and nothing else. A file renamed over the old one is a new file, and a folder
// made since is a new place to watch: the watches are set again after every change.
void SlotWatcher::rewatch() {
    QStringList wanted;
    for (const QString& candidate : candidates_) {
        if (QFileInfo(candidate).isFile()) {
            wanted << candidate;
        }
        wanted << deepestExistingFolder(candidate);
    }
    wanted.removeDuplicates();
    QStringList unwanted;
    for (const QString& path : watcher_.files() + watcher_.directories()) {
        if (!wanted.contains(path)) {
            unwanted << path;
        }
    }
    if (!unwanted.isEmpty()) {
        watcher_.removePaths(unwanted);
    }
    for (const QString& path : wanted) {
        if (!watcher_.files().contains(path) && !watcher_.directories().contains(path)) {
            watcher_.addPath(path);
        }
    }
}

void SlotWatcher::changed() {
    if (candidates_.isEmpty()) {
        return;
    }
    rewatch();
    retry_.stop();  // the file is being written again: its settling decides
    settle_.start();
}

void SlotWatcher::checkSettled() {
    const Look now = look();
    if (now.path.isEmpty()) {
        return;  // gone for a moment: the next change brings it back
    }
    if (now == lastRead_) {
        return;  // another file of the folder changed
    }
    retries_ = 0;
    read();
}

void SlotWatcher::read() {
    const Look before = look();
    if (read_()) {
        lastRead_ = before;
        retries_ = 0;
    } else if (retries_ < retryMs_.size()) {
        qCInfo(lcWatcher) << "reading" << before.path << "failed; trying again in"
                          << retryMs_[retries_] << "ms";
        retry_.start(retryMs_[retries_++]);
    } else {
        qCWarning(lcWatcher) << "reading" << before.path
                             << "failed; waiting for the game's next save";
    }
    emit settled();
}

}  // namespace foalix::session
